#include "platform/Connection.h"

#include "platform/FailureHook.h"
#include "platform/Statement.h"
#include "platform/odbc/OdbcError.h"
#include "platform/odbc/OdbcTypes.h"

#include <sqlext.h>

#include <algorithm>
#include <cctype>

namespace ovl::db {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

bool HasCharacterSet(const std::string& connectString) {
    return Upper(connectString).find("CHARSET=") != std::string::npos;
}

std::string WithCharacterSet(std::string connectString) {
    if (!connectString.empty() && connectString.back() != ';')
        connectString += ';';
    return connectString + "CHARSET=latin1;";
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the handles are released either way.
    }
}

void Connection::Open(const std::string& connectString) {
    Close();
    std::string text = connectString;
    if (Upper(text.substr(0, 5)) == "ODBC;")
        text.erase(0, 5);
    Connect(text);
    // Text is code page 1252 end to end. MariaDB's latin1 is code page 1252, and asking for
    // it on the connection keeps the driver from converting the bytes. Whether the server is
    // MySQL is only known once connected (a data-source name hides the driver), so connect
    // again with the character set when it was not given.
    if (m_bMySql && !HasCharacterSet(text)) {
        Close();
        Connect(WithCharacterSet(text));
    }
}

void Connection::Connect(std::string text) {
    SQLHDBC hdbc = SQL_NULL_HDBC;
    CheckOdbc(SQLAllocHandle(SQL_HANDLE_DBC, OdbcEnvironment(), &hdbc), SQL_HANDLE_ENV,
              OdbcEnvironment(), "Allocating a connection");
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc = SQLDriverConnect(hdbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                          static_cast<SQLSMALLINT>(text.size()), out, sizeof out,
                                          &outLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        DbException error = OdbcException(SQL_HANDLE_DBC, hdbc, "Connecting");
        SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        throw error;
    }
    m_hDbc = hdbc;
    ReadDriverInfo();
}

void Connection::ReadDriverInfo() {
    SQLCHAR buf[256] = {};
    SQLSMALLINT length = 0;
    CheckOdbc(SQLGetInfo(m_hDbc, SQL_DBMS_NAME, buf, sizeof buf, &length), SQL_HANDLE_DBC, m_hDbc,
              "Reading the DBMS name");
    m_strDbmsName = reinterpret_cast<const char*>(buf);
    const std::string upper = Upper(m_strDbmsName);
    m_bMySql =
        upper.find("MYSQL") != std::string::npos || upper.find("MARIADB") != std::string::npos;

    buf[0] = 0;
    CheckOdbc(SQLGetInfo(m_hDbc, SQL_IDENTIFIER_QUOTE_CHAR, buf, sizeof buf, &length),
              SQL_HANDLE_DBC, m_hDbc, "Reading the identifier quote");
    m_cQuote = static_cast<char>(buf[0]);
    // SQLite reads an unknown "name" as a string literal, so a misspelt column would match
    // nothing instead of failing. Its own bracket quoting has no such fallback: keep it.
    m_bKeepBrackets = upper.find("SQLITE") != std::string::npos;

    m_bBackslashEscapes = false;
    if (m_bMySql) {
        Statement st(*this);
        st.ExecDirect("SELECT @@sql_mode");
        std::string mode;
        if (st.Fetch())
            st.GetText(1, mode);
        m_bBackslashEscapes = Upper(mode).find("NO_BACKSLASH_ESCAPES") == std::string::npos;
    }
}

void Connection::Close() {
    if (m_hDbc == nullptr)
        return;
    if (m_bInTransaction) {
        SQLEndTran(SQL_HANDLE_DBC, m_hDbc, SQL_ROLLBACK);
        m_bInTransaction = false;
    }
    SQLDisconnect(m_hDbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_hDbc);
    m_hDbc = nullptr;
}

void Connection::ExecuteDirect(const std::string& sql) {
    Statement st(*this);
    st.ExecDirect(TranslateBrackets(sql));
}

std::string Connection::TranslateBrackets(std::string_view sql) const {
    std::string out;
    out.reserve(sql.size());
    bool inLiteral = false;
    for (size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (inLiteral && c == '\\' && m_bBackslashEscapes && i + 1 < sql.size()) {
            // Inside a MySQL literal a backslash escapes the next byte, a quote included.
            out += c;
            out += sql[++i];
            continue;
        }
        if (c == '\'')
            inLiteral = !inLiteral; // a doubled quote toggles twice and stays inside
        if (!inLiteral && !m_bKeepBrackets && (c == '[' || c == ']')) {
            if (m_cQuote != ' ' && m_cQuote != '\0')
                out += m_cQuote;
            continue;
        }
        out += c;
    }
    return out;
}

std::string Connection::QuoteText(std::string_view text) const {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (char c : text) {
        switch (c) {
        case '\'':
            out += "''";
            break;
        case '\\':
            out += m_bBackslashEscapes ? "\\\\" : "\\";
            break;
        case '\0':
            // A NUL byte would end the statement text early; MySQL has an escape for it,
            // the others keep no NUL in text.
            if (m_bBackslashEscapes)
                out += "\\0";
            break;
        default:
            out += c;
        }
    }
    out += '\'';
    return out;
}

void Connection::SetAutoCommit(bool on) {
    CheckOdbc(
        SQLSetConnectAttr(m_hDbc, SQL_ATTR_AUTOCOMMIT,
                          reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF),
                          SQL_IS_UINTEGER),
        SQL_HANDLE_DBC, m_hDbc, "Setting auto-commit");
}

void Connection::BeginTransaction() {
    if (m_bInTransaction)
        throw DbException("A transaction is already running on this connection");
    SetAutoCommit(false);
    m_bInTransaction = true;
}

void Connection::EndTransaction(bool commit) {
    const SQLSMALLINT completion = commit ? SQL_COMMIT : SQL_ROLLBACK;
    if (!m_bInTransaction)
        throw DbException("No transaction is running on this connection");
    m_bInTransaction = false;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hDbc, completion);
    if (!SQL_SUCCEEDED(rc)) {
        DbException error = OdbcException(SQL_HANDLE_DBC, m_hDbc, "Ending a transaction");
        SQLEndTran(SQL_HANDLE_DBC, m_hDbc, SQL_ROLLBACK);
        SetAutoCommit(true);
        throw error;
    }
    SetAutoCommit(true);
}

void Connection::Commit() {
    EndTransaction(true);
}

void Connection::Rollback() {
    EndTransaction(false);
}

} // namespace ovl::db
