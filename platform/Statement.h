#pragma once

#include "platform/Field.h"
#include "platform/NativeHandle.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ovl::db {

class Connection;

// The cursor a statement asks the driver for.
enum class CursorType { ForwardOnly, Static, KeysetDriven, Dynamic };

// What a result column holds, from the SQL type the driver reports.
enum class ColumnType {
    Other, // wide characters, GUID, intervals, ...
    Integer,
    SmallInt,
    TinyInt,
    Bit,
    Real,
    Double,
    DateTime,  // date, time or timestamp
    LongData,  // long text, or binary of any length
    Character, // fixed or varying characters, sized in characters
    Numeric,   // exact numbers (NUMERIC, DECIMAL, BIGINT), read as their text
};

// What the driver says of one result column.
struct ColumnInfo {
    std::string name;
    ColumnType type = ColumnType::Other;
    std::size_t size = 0;
    int decimals = 0;
    bool nullable = true;
};

// One ODBC statement handle on a connection: execution with bound parameters, column
// descriptions, fetching and reading column values. Statement text is sent as given.
class Statement {
public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void SetCursorType(CursorType type);
    void ExecDirect(const std::string& sql);
    // Runs a statement with one parameter marker per value, bound by the value's type.
    // A NULL value is bound with the given type.
    void Execute(const std::string& sql, const std::vector<Value>& params,
                 const std::vector<FieldType>& types);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    long RowCount();

    int ColumnCount();
    ColumnInfo DescribeColumn(int column);

    // Moves to the next row; false at the end.
    bool Fetch();
    // Column readers (1-based column). Each returns false for NULL.
    bool GetLong(int column, std::int32_t& value);
    bool GetByte(int column, std::uint8_t& value);
    bool GetBool(int column, bool& value);
    bool GetSingle(int column, float& value);
    bool GetDouble(int column, double& value);
    bool GetDate(int column, DateTime& value);
    bool GetText(int column, std::string& value, size_t maxLength = 0);
    bool GetBinary(int column, Bytes& value, size_t maxLength = 255);
    // Reads a column as a value of the given type; NULL gives monostate.
    Value GetValue(int column, FieldType type, size_t maxLength);

    void CloseCursor();
    NativeHandle Handle() const { return m_hStmt; }

private:
    NativeHandle m_hStmt = nullptr;
};

} // namespace ovl::db
