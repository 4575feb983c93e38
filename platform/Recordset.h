#pragma once

#include "platform/Connection.h"
#include "platform/Field.h"

#include <memory>
#include <string>
#include <vector>

namespace ovl::db {

class BlockReader;
class Statement;

// How a record set reads. Forward-only streams rows from the driver; the other types read
// the whole result first, so they can move to the last row and write rows while they are open.
enum class OpenType { ForwardOnly, Snapshot, Dynaset, Dynamic };

// A record set over one table or join: the derived class binds its columns once, in order,
// by bracketed name, to its Field members. Callers set m_strFilter and m_strSort before
// opening and re-query with a new filter. Rows are added, changed and deleted with
// parameterised INSERT, UPDATE and DELETE statements keyed by the class's key columns.
class Recordset {
public:
    // `connection` may be null: opening then creates a connection from the default connect
    // string, which the record set owns.
    explicit Recordset(Connection* connection);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    std::string m_strFilter;
    std::string m_strSort;

    // Opens with the class's default open type and statement.
    void Open();
    // `sql` is a full SELECT, or a table or join text; empty takes the default statement.
    void Open(OpenType type, const std::string& sql = {});
    void Close();
    bool IsOpen() const { return m_bOpen; }
    void Requery();

    // How many rows the query returned, when the driver knows it before they are read
    // (drivers that hold the whole result do), or -1. A hint for sizing, not a count.
    long GetRowCountHint() const;

    bool IsEOF() const { return m_bEOF; }
    bool IsBOF() const { return m_bBOF; }
    void MoveNext();
    void MoveFirst();
    void MoveLast();

    int GetFieldCount() const { return static_cast<int>(m_fields.size()); }
    bool IsFieldNull(const FieldBase& field) const { return field.IsNull(); }
    void SetFieldNull(FieldBase& field, bool null = true) { field.SetNull(null); }

    // AddNew sets every field to NULL; Update then inserts the assigned columns.
    void AddNew();
    // Edit starts a change of the current row; Update writes the assigned columns.
    void Edit();
    // Writes the pending addition or change; false when no row was changed.
    bool Update();
    void CancelUpdate();
    // Deletes the current row; move on before reading again.
    void Delete();

    Connection& Database() const { return *m_pDb; }

protected:
    virtual std::string GetDefaultSQL() const = 0;
    virtual std::string GetDefaultConnect() const { return {}; }
    virtual OpenType GetDefaultType() const { return OpenType::Dynaset; }

    // Binds the next column. `maxLength` limits text and binary values (0: no limit).
    void Bind(std::string columnName, FieldBase& field, size_t maxLength = 0);
    // The columns that identify a row for Update and Delete.
    void SetKeyColumns(std::vector<const FieldBase*> keys);

private:
    struct Binding {
        std::string name;
        FieldBase* field;
        size_t maxLength;
    };
    using Row = std::vector<Value>;
    enum class EditMode { None, Adding, Editing };

    std::string BuildSelect(const std::string& sql) const;
    std::string TableName() const;
    void Execute();
    void ReadRow(Statement& statement, Row& row);
    void LoadRow(const Row& row);
    Row CurrentValues() const;
    void FetchNextStreamed();
    void ShowBufferedRow(long index);
    void LoadEmpty();
    bool InsertRow();
    bool UpdateRow();
    std::string KeyCondition(const Row& keyRow, std::vector<Value>& params,
                             std::vector<FieldType>& types) const;
    void RequireCurrentRow(const char* operation) const;

    Connection* m_pDb;
    std::unique_ptr<Connection> m_pOwnedDb;
    std::vector<Binding> m_fields;
    std::vector<size_t> m_keyIndexes;

    bool m_bOpen = false;
    OpenType m_openType = OpenType::Dynaset;
    std::string m_strOpenSql;
    std::unique_ptr<Statement> m_pStatement; // forward-only reading
    std::unique_ptr<BlockReader> m_pBlock;   // its row arrays, for columns of bounded size
    long m_nRowCountHint = -1;               // the driver's row count of that reading
    std::vector<Row> m_rows;                 // every other type
    std::vector<bool> m_deleted;
    long m_nCurrent = -1;
    bool m_bEOF = true;
    bool m_bBOF = true;

    EditMode m_editMode = EditMode::None;
    Row m_savedRow; // the current row while adding, its original values while editing
};

} // namespace ovl::db
