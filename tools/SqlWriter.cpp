#include "tools/SqlWriter.h"

#include <charconv>
#include <cstdio>

#include "platform/TextConvert.h"
#include "app/TextCodec.h"

namespace ovl::demo {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

} // namespace

SqlWriter::SqlWriter(SqlDialect dialect, std::FILE* pOut, int nRowsPerInsert)
    : m_dialect(dialect), m_pOut(pOut), m_nRowsPerInsert(nRowsPerInsert) {
    m_strBuffer.reserve(kFlushSize + 64 * 1024);
}

SqlWriter::~SqlWriter() {
    Finish();
}

void SqlWriter::BeginTransaction() {
    EndStatement();
    m_strBuffer += m_dialect == SqlDialect::Sqlite ? "BEGIN;\n" : "START TRANSACTION;\n";
}

void SqlWriter::Commit() {
    EndStatement();
    m_strBuffer += "COMMIT;\n";
}

void SqlWriter::Table(std::string_view table, std::string_view columns) {
    EndStatement();
    m_strTable = table;
    m_strColumns = columns;
}

void SqlWriter::Row() {
    if (m_nRowsInStatement >= m_nRowsPerInsert)
        EndStatement();
    FlushIfFull();
    if (m_nRowsInStatement == 0) {
        m_strBuffer += "INSERT INTO ";
        m_strBuffer += m_strTable;
        m_strBuffer += " (";
        m_strBuffer += m_strColumns;
        m_strBuffer += ") VALUES\n(";
    } else {
        m_strBuffer += "),\n(";
    }
    ++m_nRowsInStatement;
    m_bFirstValue = true;
}

void SqlWriter::EndStatement() {
    if (m_nRowsInStatement == 0)
        return;
    m_strBuffer += ");\n";
    m_nRowsInStatement = 0;
}

void SqlWriter::Separate() {
    if (!m_bFirstValue)
        m_strBuffer += ',';
    m_bFirstValue = false;
}

void SqlWriter::Null() {
    Separate();
    m_strBuffer += "NULL";
}

void SqlWriter::Int(long long nValue) {
    Separate();
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, nValue);
    m_strBuffer.append(text, result.ptr);
}

void SqlWriter::Real(double dValue) {
    Separate();
    char text[32];
    // Shortest text that reads back as the same double.
    const auto result = std::to_chars(text, text + sizeof text, dValue);
    m_strBuffer.append(text, result.ptr);
}

void SqlWriter::StoredText(std::string_view stored) {
    Separate();
    m_strBuffer += '\'';
    for (char c : stored) {
        if (c == '\'')
            m_strBuffer += '\'';
        else if (c == '\\' && m_dialect == SqlDialect::MariaDb)
            m_strBuffer += '\\';
        m_strBuffer += c;
    }
    m_strBuffer += '\'';
}

void SqlWriter::PlainText(std::string_view utf8) {
    StoredText(EncodedDbText(text::Utf8ToCp1252(utf8)));
}

void SqlWriter::Bytes(const std::uint8_t* pBytes, std::size_t nCount) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Separate();
    m_strBuffer += "X'";
    for (std::size_t i = 0; i < nCount; ++i) {
        m_strBuffer += kHex[pBytes[i] >> 4];
        m_strBuffer += kHex[pBytes[i] & 0x0F];
    }
    m_strBuffer += '\'';
}

void SqlWriter::Date(const DemoDate& date) {
    Separate();
    char text[32];
    std::snprintf(text, sizeof text, "'%04d-%02d-%02d %02d:%02d:%02d'", date.m_nYear, date.m_nMonth,
                  date.m_nDay, date.m_nHour, date.m_nMinute, date.m_nSecond);
    m_strBuffer += text;
}

bool SqlWriter::Finish() {
    EndStatement();
    Flush();
    if (std::fflush(m_pOut) != 0)
        m_bFailed = true;
    return !m_bFailed;
}

void SqlWriter::FlushIfFull() {
    if (m_strBuffer.size() >= kFlushSize)
        Flush();
}

void SqlWriter::Flush() {
    if (m_strBuffer.empty())
        return;
    if (!m_bFailed &&
        std::fwrite(m_strBuffer.data(), 1, m_strBuffer.size(), m_pOut) != m_strBuffer.size())
        m_bFailed = true;
    m_strBuffer.clear();
}

} // namespace ovl::demo
