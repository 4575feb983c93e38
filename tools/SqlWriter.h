#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/DemoDate.h"

namespace ovl::demo {

enum class SqlDialect { Sqlite, MariaDb };

// Streams SQL INSERT statements to a file, batching rows into multi-row statements.
// Every statement ends with ";" at the end of a line and no value holds a line break, so a
// loader may split the stream on ";" at line ends.
class SqlWriter {
public:
    SqlWriter(SqlDialect dialect, std::FILE* pOut, int nRowsPerInsert = 500);
    ~SqlWriter();
    SqlWriter(const SqlWriter&) = delete;
    SqlWriter& operator=(const SqlWriter&) = delete;

    SqlDialect Dialect() const { return m_dialect; }

    void BeginTransaction();
    void Commit();

    // Starts rows for a table; columns is the comma-separated column list.
    void Table(std::string_view table, std::string_view columns);
    void Row();

    void Null();
    void Int(long long nValue);
    void Real(double dValue);
    // A text already in code page 1252 and in its stored (escaped) form.
    void StoredText(std::string_view stored);
    // A UTF-8 text: converted to code page 1252 and escaped for storage first.
    void PlainText(std::string_view utf8);
    void Bytes(const std::uint8_t* pBytes, std::size_t nCount);
    void Date(const DemoDate& date);

    // Ends the open statement and writes everything out; false when writing failed.
    bool Finish();

private:
    void EndStatement();
    void Separate();
    void FlushIfFull();
    void Flush();

    SqlDialect m_dialect;
    std::FILE* m_pOut;
    int m_nRowsPerInsert;
    std::string m_strBuffer;
    std::string m_strTable;
    std::string m_strColumns;
    int m_nRowsInStatement = 0;
    bool m_bFirstValue = true;
    bool m_bFailed = false;
};

} // namespace ovl::demo
