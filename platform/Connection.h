#pragma once

#include "platform/NativeHandle.h"

#include <string>
#include <string_view>

namespace ovl::db {

// One ODBC connection. Statements may write table and column names in square brackets; the
// connection turns them into the driver's identifier quote before they are sent.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with a driver connect string, never prompting. A leading "ODBC;" is removed.
    void Open(const std::string& connectString);
    void Close();
    bool IsOpen() const { return m_hDbc != nullptr; }

    // Runs a statement that returns no rows.
    void ExecuteDirect(const std::string& sql);

    const std::string& DbmsName() const { return m_strDbmsName; }
    char IdentifierQuote() const { return m_cQuote; }
    bool IsMySql() const { return m_bMySql; }

    // The statement with every [name] outside string literals in the driver's quotes.
    std::string TranslateBrackets(std::string_view sql) const;
    // A text as an SQL string literal, quotes included, safe for this driver: MySQL also
    // treats the backslash as an escape unless NO_BACKSLASH_ESCAPES is set.
    std::string QuoteText(std::string_view text) const;

    void BeginTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return m_bInTransaction; }

    NativeHandle Handle() const { return m_hDbc; }

private:
    void Connect(std::string connectString);
    void ReadDriverInfo();
    void SetAutoCommit(bool on);
    void EndTransaction(bool commit);

    NativeHandle m_hDbc = nullptr;
    std::string m_strDbmsName;
    char m_cQuote = '"';
    bool m_bMySql = false;
    bool m_bKeepBrackets = false;
    bool m_bBackslashEscapes = false;
    bool m_bInTransaction = false;
};

} // namespace ovl::db
