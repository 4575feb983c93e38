#pragma once

#include "central/DBField.h"
#include "platform/Connection.h"
#include "platform/Recordset.h"
#include "platform/Statement.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ovl {

// A read-only record set over any SELECT whose columns are only known at run time. The first
// move after opening describes the result's columns, gives each a kind from its SQL type and a
// unique upper-case name, and every fetch then reads the row into one CDBField per column.
class CODBCRecordset {
public:
    // The most columns a statement may return.
    static constexpr long kMaxFields = 255;

    explicit CODBCRecordset(db::Connection* db);
    ~CODBCRecordset();
    CODBCRecordset(const CODBCRecordset&) = delete;
    CODBCRecordset& operator=(const CODBCRecordset&) = delete;

    // Runs `statement` (table and column names may be in brackets) and moves to its first row.
    // Opening again runs a new statement with a new binding, reusing the fields.
    void Open(const std::string& statement, db::OpenType type = db::OpenType::ForwardOnly,
              unsigned int options = 0);
    void Close();
    bool IsOpen() const { return m_pStatement != nullptr; }

    bool IsEOF() const { return m_bEOF; }
    void MoveNext();

    // The number of result columns once opened.
    int GetFieldCount() const { return static_cast<int>(m_nFields); }
    // The field of the 0-based column `index`.
    const CDBField& GetField(int index) const;

private:
    // Rebinds at the first move after opening, then fetches the next row.
    void Move();
    void RebindColumns();
    void BindColumn(int index, const db::ColumnInfo& info);
    std::string FreeName(const std::string& columnName) const;
    // Reads the fetched row into the fields.
    void ExchangeFields();
    void ClearValues();

    db::Connection* m_pDb;
    std::unique_ptr<db::Statement> m_pStatement;
    // Its size is the room; only the first m_nFields are in use.
    std::vector<CDBField> m_fields;
    // The longest text read from each column (0: no limit).
    std::vector<size_t> m_textLimits;
    long m_nFields = 0;
    // Upper-case column name -> 0-based column; gives every column a unique name.
    std::map<std::string, int> m_mapNames;
    bool m_bRebind = false;
    bool m_bEOF = true;
};

} // namespace ovl
