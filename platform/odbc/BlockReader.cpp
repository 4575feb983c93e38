#include "platform/odbc/BlockReader.h"

#include "platform/Statement.h"
#include "platform/odbc/OdbcError.h"
#include "platform/odbc/OdbcTypes.h"

#include <sqlext.h>

#include <cstring>

namespace ovl::db {

namespace {

size_t FixedWidth(FieldType type) {
    switch (type) {
    case FieldType::Long:
        return sizeof(std::int32_t);
    case FieldType::Byte:
        return sizeof(std::uint8_t);
    case FieldType::Bool:
        return sizeof(std::int32_t);
    case FieldType::Single:
        return sizeof(float);
    case FieldType::Double:
        return sizeof(double);
    case FieldType::Date:
        return sizeof(SQL_TIMESTAMP_STRUCT);
    case FieldType::Text:
    case FieldType::Binary:
        return 0;
    }
    return 0;
}

void CheckStatement(SQLHSTMT statement, SQLRETURN rc, const char* context) {
    CheckOdbc(rc, SQL_HANDLE_STMT, statement, context);
}

template <class T> T ReadAs(const char* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace

bool BlockReader::Suits(const std::vector<Column>& columns) {
    for (const Column& c : columns) {
        const FieldType type = c.field->Type();
        if ((type == FieldType::Text || type == FieldType::Binary) &&
            (c.maxLength == 0 || c.maxLength > kLargestColumn))
            return false;
    }
    return !columns.empty();
}

BlockReader::BlockReader(Statement& statement, std::vector<Column> columns)
    : m_statement(statement), m_columns(std::move(columns)), m_buffers(m_columns.size()) {
    SetRowArray();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const FieldType type = m_columns[i].field->Type();
        Buffer& b = m_buffers[i];
        // Texts get room for their terminator.
        b.width = FixedWidth(type) ? FixedWidth(type)
                                   : m_columns[i].maxLength + (type == FieldType::Text ? 1 : 0);
        b.data.resize(b.width * kRows);
        b.lengths.resize(kRows);
        // Yes/no columns are read as integers: MariaDB's driver fills one-byte bit arrays
        // wrongly past the first block of rows.
        BindColumn(i, type == FieldType::Bool ? FieldType::Long : type);
    }
}

// Fetches kRows rows per Fetch into the column arrays; m_nFetched receives the count.
void BlockReader::SetRowArray() {
    const SQLHSTMT statement = m_statement.Handle();
    CheckStatement(statement,
                   SQLSetStmtAttr(statement, SQL_ATTR_ROW_BIND_TYPE,
                                  reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0),
                   "Setting column-wise binding");
    CheckStatement(
        statement,
        SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(kRows), 0),
        "Setting the row array size");
    CheckStatement(statement, SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, &m_nFetched, 0),
                   "Setting the fetched-rows counter");
}

void BlockReader::BindColumn(size_t index, FieldType type) {
    Buffer& b = m_buffers[index];
    const SQLHSTMT statement = m_statement.Handle();
    CheckStatement(statement,
                   SQLBindCol(statement, static_cast<SQLUSMALLINT>(index + 1), CTypeOf(type),
                              b.data.data(), static_cast<SQLLEN>(b.width), b.lengths.data()),
                   "Binding a column");
}

bool BlockReader::Next() {
    if (m_bEnd)
        return false;
    if (++m_nRow >= m_nFetched) {
        m_nRow = 0;
        if (!m_statement.Fetch() || m_nFetched == 0) {
            m_bEnd = true;
            return false;
        }
    }
    LoadRow(m_nRow);
    return true;
}

void BlockReader::LoadRow(size_t row) {
    for (size_t i = 0; i < m_columns.size(); ++i) {
        FieldBase& field = *m_columns[i].field;
        const Buffer& b = m_buffers[i];
        const SQLLEN length = b.lengths[row];
        const char* data = b.data.data() + row * b.width;
        if (length == SQL_NULL_DATA) {
            field.Load(Value{});
            continue;
        }
        switch (field.Type()) {
        case FieldType::Long:
            field.Load(ReadAs<std::int32_t>(data));
            break;
        case FieldType::Byte:
            field.Load(ReadAs<std::uint8_t>(data));
            break;
        case FieldType::Bool:
            field.Load(ReadAs<std::int32_t>(data) != 0);
            break;
        case FieldType::Single:
            field.Load(ReadAs<float>(data));
            break;
        case FieldType::Double:
            field.Load(ReadAs<double>(data));
            break;
        case FieldType::Date: {
            const auto ts = ReadAs<SQL_TIMESTAMP_STRUCT>(data);
            field.Load(DateTime{ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second});
            break;
        }
        case FieldType::Text:
        case FieldType::Binary: {
            // A longer value arrives cut to the buffer, as the column's limit wants.
            const size_t room = field.Type() == FieldType::Text ? b.width - 1 : b.width;
            const size_t got = (length == SQL_NO_TOTAL || static_cast<size_t>(length) > room)
                                   ? room
                                   : static_cast<size_t>(length);
            field.LoadBytes(data, got);
            break;
        }
        }
    }
}

} // namespace ovl::db
