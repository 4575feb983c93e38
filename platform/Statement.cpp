#include "platform/Statement.h"

#include "platform/Connection.h"
#include "platform/FailureHook.h"
#include "platform/odbc/OdbcError.h"
#include "platform/odbc/OdbcTypes.h"

#include <sqlext.h>

#include <cstring>

namespace ovl::db {

namespace {

// Storage that keeps a parameter's bytes alive until the statement has run.
struct ParamBuffer {
    std::vector<char> bytes;
    SQLLEN indicator = 0;
};

void Check(SQLHSTMT statement, SQLRETURN rc, const char* context) {
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        throw OdbcException(SQL_HANDLE_STMT, statement, context);
}

// Reads a fixed-size column value; false for NULL.
template <class T> bool GetFixed(SQLHSTMT statement, int column, SQLSMALLINT cType, T& value) {
    SQLLEN indicator = 0;
    T v{};
    Check(statement,
          SQLGetData(statement, static_cast<SQLUSMALLINT>(column), cType, &v, sizeof v, &indicator),
          "Reading a column");
    if (indicator == SQL_NULL_DATA)
        return false;
    value = v;
    return true;
}

void FillBuffer(const Value& value, ParamBuffer& buffer) {
    std::visit(
        [&buffer](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                buffer.bytes.assign(1, 0);
                buffer.indicator = SQL_NULL_DATA;
            } else if constexpr (std::is_same_v<T, std::string>) {
                buffer.bytes.assign(v.begin(), v.end());
                buffer.bytes.push_back('\0');
                buffer.indicator = static_cast<SQLLEN>(v.size());
            } else if constexpr (std::is_same_v<T, Bytes>) {
                buffer.bytes.assign(v.begin(), v.end());
                buffer.bytes.push_back('\0');
                buffer.indicator = static_cast<SQLLEN>(v.size());
            } else if constexpr (std::is_same_v<T, DateTime>) {
                SQL_TIMESTAMP_STRUCT ts{};
                ts.year = static_cast<SQLSMALLINT>(v.year);
                ts.month = static_cast<SQLUSMALLINT>(v.month);
                ts.day = static_cast<SQLUSMALLINT>(v.day);
                ts.hour = static_cast<SQLUSMALLINT>(v.hour);
                ts.minute = static_cast<SQLUSMALLINT>(v.minute);
                ts.second = static_cast<SQLUSMALLINT>(v.second);
                buffer.bytes.resize(sizeof ts);
                std::memcpy(buffer.bytes.data(), &ts, sizeof ts);
                buffer.indicator = static_cast<SQLLEN>(sizeof ts);
            } else if constexpr (std::is_same_v<T, bool>) {
                buffer.bytes.assign(1, v ? 1 : 0);
                buffer.indicator = 1;
            } else {
                buffer.bytes.resize(sizeof v);
                std::memcpy(buffer.bytes.data(), &v, sizeof v);
                buffer.indicator = static_cast<SQLLEN>(sizeof v);
            }
        },
        value);
}

} // namespace

Statement::Statement(Connection& connection) {
    if (!connection.IsOpen())
        throw DbException("The connection is not open", "08003");
    CheckOdbc(SQLAllocHandle(SQL_HANDLE_STMT, connection.Handle(), &m_hStmt), SQL_HANDLE_DBC,
              connection.Handle(), "Allocating a statement");
}

Statement::~Statement() {
    if (m_hStmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_hStmt);
}

void Statement::SetCursorType(CursorType type) {
    SQLULEN value = SQL_CURSOR_FORWARD_ONLY;
    switch (type) {
    case CursorType::ForwardOnly:
        value = SQL_CURSOR_FORWARD_ONLY;
        break;
    case CursorType::Static:
        value = SQL_CURSOR_STATIC;
        break;
    case CursorType::KeysetDriven:
        value = SQL_CURSOR_KEYSET_DRIVEN;
        break;
    case CursorType::Dynamic:
        value = SQL_CURSOR_DYNAMIC;
        break;
    }
    // A driver without the requested cursor substitutes one it has (01S02), which is fine:
    // rows are read forward and written through their keys.
    Check(m_hStmt,
          SQLSetStmtAttr(m_hStmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(value), 0),
          "Setting the cursor type");
}

void Statement::ExecDirect(const std::string& sql) {
    FailureHook::BeforeExecute();
    std::string text = sql;
    Check(m_hStmt,
          SQLExecDirect(m_hStmt, reinterpret_cast<SQLCHAR*>(text.data()),
                        static_cast<SQLINTEGER>(text.size())),
          "Executing a statement");
}

void Statement::Execute(const std::string& sql, const std::vector<Value>& params,
                        const std::vector<FieldType>& types) {
    std::string text = sql;
    Check(m_hStmt,
          SQLPrepare(m_hStmt, reinterpret_cast<SQLCHAR*>(text.data()),
                     static_cast<SQLINTEGER>(text.size())),
          "Preparing a statement");
    std::vector<ParamBuffer> buffers(params.size());
    for (size_t i = 0; i < params.size(); ++i) {
        FillBuffer(params[i], buffers[i]);
        const FieldType type = types[i];
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        if (type == FieldType::Text || type == FieldType::Binary)
            size = buffers[i].indicator > 0 ? static_cast<SQLULEN>(buffers[i].indicator) : 1;
        else if (type == FieldType::Date)
            size = 19;
        Check(m_hStmt,
              SQLBindParameter(m_hStmt, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                               CTypeOf(type), SqlTypeOf(type), size, digits,
                               buffers[i].bytes.data(),
                               static_cast<SQLLEN>(buffers[i].bytes.size()), &buffers[i].indicator),
              "Binding a parameter");
    }
    FailureHook::BeforeExecute();
    Check(m_hStmt, SQLExecute(m_hStmt), "Executing a statement");
    SQLFreeStmt(m_hStmt, SQL_RESET_PARAMS);
}

long Statement::RowCount() {
    SQLLEN count = 0;
    Check(m_hStmt, SQLRowCount(m_hStmt, &count), "Counting rows");
    return static_cast<long>(count);
}

int Statement::ColumnCount() {
    SQLSMALLINT count = 0;
    Check(m_hStmt, SQLNumResultCols(m_hStmt, &count), "Counting columns");
    return count;
}

ColumnInfo Statement::DescribeColumn(int column) {
    SQLCHAR name[256] = {};
    SQLSMALLINT nameLength = 0;
    ColumnInfo info;
    SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT decimals = 0;
    Check(m_hStmt,
          SQLDescribeCol(m_hStmt, static_cast<SQLUSMALLINT>(column), name, sizeof name, &nameLength,
                         &sqlType, &size, &decimals, &nullable),
          "Describing a column");
    info.name = reinterpret_cast<const char*>(name);
    info.type = ColumnTypeOf(sqlType);
    info.size = static_cast<std::size_t>(size);
    info.decimals = decimals;
    info.nullable = nullable != SQL_NO_NULLS;
    return info;
}

bool Statement::Fetch() {
    const SQLRETURN rc = SQLFetch(m_hStmt);
    if (rc == SQL_NO_DATA)
        return false;
    Check(m_hStmt, rc, "Fetching a row");
    return true;
}

bool Statement::GetLong(int column, std::int32_t& value) {
    return GetFixed(m_hStmt, column, SQL_C_SLONG, value);
}

bool Statement::GetByte(int column, std::uint8_t& value) {
    return GetFixed(m_hStmt, column, SQL_C_UTINYINT, value);
}

bool Statement::GetBool(int column, bool& value) {
    unsigned char bit = 0;
    if (!GetFixed(m_hStmt, column, SQL_C_BIT, bit))
        return false;
    value = bit != 0;
    return true;
}

bool Statement::GetSingle(int column, float& value) {
    return GetFixed(m_hStmt, column, SQL_C_FLOAT, value);
}

bool Statement::GetDouble(int column, double& value) {
    return GetFixed(m_hStmt, column, SQL_C_DOUBLE, value);
}

bool Statement::GetDate(int column, DateTime& value) {
    SQL_TIMESTAMP_STRUCT ts{};
    if (!GetFixed(m_hStmt, column, SQL_C_TYPE_TIMESTAMP, ts))
        return false;
    value = {ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second};
    return true;
}

bool Statement::GetText(int column, std::string& value, size_t maxLength) {
    value.clear();
    char chunk[4096];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_hStmt, static_cast<SQLUSMALLINT>(column), SQL_C_CHAR,
                                        chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        Check(m_hStmt, rc, "Reading a text column");
        if (indicator == SQL_NULL_DATA)
            return false;
        // A chunk is full (minus its terminator) unless this was the last one.
        const size_t got = (indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof chunk))
                               ? sizeof chunk - 1
                               : static_cast<size_t>(indicator);
        value.append(chunk, got);
        if (rc == SQL_SUCCESS)
            break;
    }
    if (maxLength > 0 && value.size() > maxLength)
        value.resize(maxLength);
    return true;
}

bool Statement::GetBinary(int column, Bytes& value, size_t maxLength) {
    value.clear();
    unsigned char chunk[1024];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_hStmt, static_cast<SQLUSMALLINT>(column), SQL_C_BINARY,
                                        chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        Check(m_hStmt, rc, "Reading a binary column");
        if (indicator == SQL_NULL_DATA)
            return false;
        const size_t got = (indicator == SQL_NO_TOTAL || indicator > SQLLEN(sizeof chunk))
                               ? sizeof chunk
                               : static_cast<size_t>(indicator);
        value.insert(value.end(), chunk, chunk + got);
        if (rc == SQL_SUCCESS)
            break;
    }
    if (maxLength > 0 && value.size() > maxLength)
        value.resize(maxLength);
    return true;
}

Value Statement::GetValue(int column, FieldType type, size_t maxLength) {
    switch (type) {
    case FieldType::Long: {
        std::int32_t v = 0;
        return GetLong(column, v) ? Value{v} : Value{};
    }
    case FieldType::Byte: {
        std::uint8_t v = 0;
        return GetByte(column, v) ? Value{v} : Value{};
    }
    case FieldType::Bool: {
        bool v = false;
        return GetBool(column, v) ? Value{v} : Value{};
    }
    case FieldType::Single: {
        float v = 0;
        return GetSingle(column, v) ? Value{v} : Value{};
    }
    case FieldType::Double: {
        double v = 0;
        return GetDouble(column, v) ? Value{v} : Value{};
    }
    case FieldType::Date: {
        DateTime v;
        return GetDate(column, v) ? Value{v} : Value{};
    }
    case FieldType::Text: {
        std::string v;
        return GetText(column, v, maxLength) ? Value{std::move(v)} : Value{};
    }
    case FieldType::Binary: {
        Bytes v;
        return GetBinary(column, v, maxLength) ? Value{std::move(v)} : Value{};
    }
    }
    return {};
}

void Statement::CloseCursor() {
    SQLFreeStmt(m_hStmt, SQL_CLOSE);
}

} // namespace ovl::db
