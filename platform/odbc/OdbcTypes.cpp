#include "platform/odbc/OdbcTypes.h"

#include <sqlext.h>

namespace ovl::db {

SQLSMALLINT CTypeOf(FieldType type) {
    switch (type) {
    case FieldType::Long:
        return SQL_C_SLONG;
    case FieldType::Byte:
        return SQL_C_UTINYINT;
    case FieldType::Bool:
        return SQL_C_BIT;
    case FieldType::Single:
        return SQL_C_FLOAT;
    case FieldType::Double:
        return SQL_C_DOUBLE;
    case FieldType::Date:
        return SQL_C_TYPE_TIMESTAMP;
    case FieldType::Text:
        return SQL_C_CHAR;
    case FieldType::Binary:
        return SQL_C_BINARY;
    }
    return SQL_C_CHAR;
}

SQLSMALLINT SqlTypeOf(FieldType type) {
    switch (type) {
    case FieldType::Long:
        return SQL_INTEGER;
    case FieldType::Byte:
        return SQL_TINYINT;
    case FieldType::Bool:
        return SQL_BIT;
    case FieldType::Single:
        return SQL_REAL;
    case FieldType::Double:
        return SQL_DOUBLE;
    case FieldType::Date:
        return SQL_TYPE_TIMESTAMP;
    case FieldType::Text:
        return SQL_VARCHAR;
    case FieldType::Binary:
        return SQL_VARBINARY;
    }
    return SQL_VARCHAR;
}

ColumnType ColumnTypeOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_INTEGER:
        return ColumnType::Integer;
    case SQL_SMALLINT:
        return ColumnType::SmallInt;
    case SQL_TINYINT:
        return ColumnType::TinyInt;
    case SQL_BIT:
        return ColumnType::Bit;
    case SQL_REAL:
        return ColumnType::Real;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return ColumnType::Double;
    // ODBC 3 drivers report the TYPE_ codes for the same types.
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
        return ColumnType::DateTime;
    case SQL_LONGVARCHAR:
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnType::LongData;
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_WVARCHAR:
        return ColumnType::Character;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_BIGINT:
        return ColumnType::Numeric;
    default:
        return ColumnType::Other; // 0, WCHAR, WLONGVARCHAR, GUID, intervals...
    }
}

} // namespace ovl::db
