#pragma once

#include "platform/Field.h"

#include <sql.h>

#include <vector>

namespace ovl::db {

class Statement;

// Private to the record-set layer. Reads a forward-only result many rows per driver call: each
// column is bound to an array of values, and rows are handed to the fields from there. Only for
// columns of bounded size, so that the arrays stay small.
class BlockReader {
public:
    struct Column {
        FieldBase* field;
        size_t maxLength;
    };

    // Whether every column is of bounded size.
    static bool Suits(const std::vector<Column>& columns);

    // Binds the columns of an executed statement.
    BlockReader(Statement& statement, std::vector<Column> columns);

    // Loads the next row into the fields; false at the end.
    bool Next();

private:
    struct Buffer {
        std::vector<char> data;
        std::vector<SQLLEN> lengths;
        size_t width = 0;
    };
    static constexpr SQLULEN kRows = 256;
    static constexpr size_t kLargestColumn = 4096;

    void SetRowArray();
    void BindColumn(size_t index, FieldType type);
    void LoadRow(size_t row);

    Statement& m_statement;
    std::vector<Column> m_columns;
    std::vector<Buffer> m_buffers;
    SQLULEN m_nFetched = 0;
    size_t m_nRow = 0;
    bool m_bEnd = false;
};

} // namespace ovl::db
