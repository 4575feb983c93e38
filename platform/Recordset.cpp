#include "platform/Recordset.h"

#include "platform/DbException.h"
#include "platform/Statement.h"
#include "platform/odbc/BlockReader.h"

#include <algorithm>
#include <cctype>

namespace ovl::db {

namespace {

bool StartsWithSelect(const std::string& sql) {
    size_t i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i])))
        ++i;
    if (sql.size() - i < 6)
        return false;
    std::string word = sql.substr(i, 6);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return word == "SELECT";
}

CursorType CursorFor(OpenType type) {
    switch (type) {
    case OpenType::ForwardOnly:
        return CursorType::ForwardOnly;
    case OpenType::Snapshot:
        return CursorType::Static;
    case OpenType::Dynaset:
        return CursorType::KeysetDriven;
    case OpenType::Dynamic:
        return CursorType::Dynamic;
    }
    return CursorType::ForwardOnly;
}

} // namespace

Recordset::Recordset(Connection* connection) : m_pDb(connection) {}

Recordset::~Recordset() = default;

void Recordset::Bind(std::string columnName, FieldBase& field, size_t maxLength) {
    m_fields.push_back({std::move(columnName), &field, maxLength});
}

void Recordset::SetKeyColumns(std::vector<const FieldBase*> keys) {
    m_keyIndexes.clear();
    for (const FieldBase* key : keys) {
        for (size_t i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].field == key)
                m_keyIndexes.push_back(i);
    }
}

void Recordset::Open() {
    Open(GetDefaultType());
}

void Recordset::Open(OpenType type, const std::string& sql) {
    Close();
    if (!m_pDb) {
        m_pOwnedDb = std::make_unique<Connection>();
        m_pOwnedDb->Open(GetDefaultConnect());
        m_pDb = m_pOwnedDb.get();
    }
    m_openType = type;
    m_strOpenSql = sql;
    Execute();
    m_bOpen = true;
}

std::string Recordset::BuildSelect(const std::string& sql) const {
    std::string statement;
    if (StartsWithSelect(sql)) {
        statement = sql;
    } else {
        statement = "SELECT ";
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (i > 0)
                statement += ',';
            statement += m_fields[i].name;
        }
        statement += " FROM ";
        statement += sql.empty() ? GetDefaultSQL() : sql;
    }
    if (!m_strFilter.empty())
        statement += " WHERE " + m_strFilter;
    if (!m_strSort.empty())
        statement += " ORDER BY " + m_strSort;
    return m_pDb->TranslateBrackets(statement);
}

long Recordset::GetRowCountHint() const {
    if (!m_bOpen)
        return -1;
    return m_pStatement ? m_nRowCountHint : static_cast<long>(m_rows.size());
}

void Recordset::Execute() {
    m_rows.clear();
    m_deleted.clear();
    m_pBlock.reset();
    m_pStatement.reset();
    m_editMode = EditMode::None;
    m_nCurrent = -1;

    auto statement = std::make_unique<Statement>(*m_pDb);
    statement->SetCursorType(CursorFor(m_openType));
    statement->ExecDirect(BuildSelect(m_strOpenSql));

    if (m_openType == OpenType::ForwardOnly) {
        // Asked before the first fetch, while the cursor is surely open. For a query the
        // count is whatever the driver knows: -1 or 0 when it reads rows as they come.
        const long count = statement->RowCount();
        m_nRowCountHint = count > 0 ? count : -1;
        m_pStatement = std::move(statement);
        std::vector<BlockReader::Column> columns;
        for (const Binding& binding : m_fields)
            columns.push_back({binding.field, binding.maxLength});
        if (BlockReader::Suits(columns))
            m_pBlock = std::make_unique<BlockReader>(*m_pStatement, std::move(columns));
        m_bBOF = false;
        FetchNextStreamed();
        m_bBOF = m_bEOF;
        return;
    }
    while (statement->Fetch()) {
        Row row;
        ReadRow(*statement, row);
        m_rows.push_back(std::move(row));
    }
    m_deleted.assign(m_rows.size(), false);
    ShowBufferedRow(m_rows.empty() ? -1 : 0);
    m_bBOF = m_bEOF;
}

void Recordset::ReadRow(Statement& statement, Row& row) {
    row.resize(m_fields.size());
    for (size_t i = 0; i < m_fields.size(); ++i)
        row[i] = statement.GetValue(static_cast<int>(i + 1), m_fields[i].field->Type(),
                                    m_fields[i].maxLength);
}

void Recordset::LoadRow(const Row& row) {
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].field->Load(row[i]);
}

Recordset::Row Recordset::CurrentValues() const {
    Row row(m_fields.size());
    for (size_t i = 0; i < m_fields.size(); ++i)
        row[i] = m_fields[i].field->Get();
    return row;
}

void Recordset::LoadEmpty() {
    for (auto& binding : m_fields)
        binding.field->Reset();
}

void Recordset::FetchNextStreamed() {
    bool found = false;
    if (m_pBlock) {
        found = m_pBlock->Next();
    } else if (m_pStatement->Fetch()) {
        Row row;
        ReadRow(*m_pStatement, row);
        LoadRow(row);
        found = true;
    }
    if (found) {
        ++m_nCurrent;
        m_bEOF = false;
    } else {
        m_pStatement->CloseCursor();
        m_bEOF = true;
        LoadEmpty();
    }
}

void Recordset::ShowBufferedRow(long index) {
    if (index < 0 || index >= static_cast<long>(m_rows.size())) {
        m_nCurrent = static_cast<long>(m_rows.size());
        m_bEOF = true;
        LoadEmpty();
        return;
    }
    m_nCurrent = index;
    m_bEOF = false;
    LoadRow(m_rows[static_cast<size_t>(index)]);
}

void Recordset::Close() {
    m_pBlock.reset();
    m_pStatement.reset();
    m_rows.clear();
    m_deleted.clear();
    m_bOpen = false;
    m_bEOF = m_bBOF = true;
    m_nCurrent = -1;
    m_editMode = EditMode::None;
}

void Recordset::Requery() {
    if (!m_bOpen)
        throw DbException("The record set is not open");
    Execute();
}

void Recordset::MoveNext() {
    if (!m_bOpen || m_bEOF)
        throw DbException("Attempt to move past the end of the record set", "24000");
    m_editMode = EditMode::None;
    m_bBOF = false;
    if (m_pStatement) {
        FetchNextStreamed();
        return;
    }
    long next = m_nCurrent + 1;
    while (next < static_cast<long>(m_rows.size()) && m_deleted[static_cast<size_t>(next)])
        ++next;
    ShowBufferedRow(next);
}

void Recordset::MoveFirst() {
    if (!m_bOpen || m_pStatement)
        throw DbException("A forward-only record set cannot move back", "HY106");
    m_editMode = EditMode::None;
    long first = 0;
    while (first < static_cast<long>(m_rows.size()) && m_deleted[static_cast<size_t>(first)])
        ++first;
    ShowBufferedRow(first);
}

void Recordset::MoveLast() {
    if (!m_bOpen || m_pStatement)
        throw DbException("A forward-only record set cannot move to the last row", "HY106");
    m_editMode = EditMode::None;
    long last = static_cast<long>(m_rows.size()) - 1;
    while (last >= 0 && m_deleted[static_cast<size_t>(last)])
        --last;
    ShowBufferedRow(last);
}

std::string Recordset::TableName() const {
    const std::string table = GetDefaultSQL();
    const bool single = table.size() > 2 && table.front() == '[' && table.back() == ']' &&
                        table.find('[', 1) == std::string::npos;
    if (!single)
        throw DbException("Rows of a join cannot be written: " + table);
    return table;
}

void Recordset::RequireCurrentRow(const char* operation) const {
    if (!m_bOpen || m_bEOF)
        throw DbException(std::string(operation) + " needs a current row", "24000");
}

void Recordset::AddNew() {
    if (!m_bOpen)
        throw DbException("The record set is not open");
    m_savedRow = CurrentValues();
    LoadEmpty();
    m_editMode = EditMode::Adding;
}

void Recordset::Edit() {
    RequireCurrentRow("Edit");
    // A streamed row is only held in the fields.
    m_savedRow = m_pStatement ? CurrentValues() : m_rows[static_cast<size_t>(m_nCurrent)];
    for (auto& binding : m_fields)
        binding.field->MarkClean();
    m_editMode = EditMode::Editing;
}

void Recordset::CancelUpdate() {
    if (m_editMode == EditMode::Adding || m_editMode == EditMode::Editing)
        LoadRow(m_savedRow);
    m_editMode = EditMode::None;
}

bool Recordset::Update() {
    bool changed = false;
    if (m_editMode == EditMode::Adding) {
        changed = InsertRow();
        LoadRow(m_savedRow); // back to the row that was current before AddNew
    } else if (m_editMode == EditMode::Editing) {
        changed = UpdateRow();
    } else {
        throw DbException("Update without AddNew or Edit");
    }
    m_editMode = EditMode::None;
    return changed;
}

bool Recordset::InsertRow() {
    std::string columns;
    std::string markers;
    std::vector<Value> params;
    std::vector<FieldType> types;
    for (const auto& binding : m_fields) {
        if (!binding.field->IsDirty())
            continue;
        if (!params.empty()) {
            columns += ',';
            markers += ',';
        }
        columns += binding.name;
        markers += '?';
        params.push_back(binding.field->Get());
        types.push_back(binding.field->Type());
    }
    if (params.empty())
        throw DbException("Nothing to insert: no column was given a value");
    Statement statement(*m_pDb);
    statement.Execute(m_pDb->TranslateBrackets("INSERT INTO " + TableName() + " (" + columns +
                                               ") VALUES (" + markers + ")"),
                      params, types);
    return statement.RowCount() != 0;
}

std::string Recordset::KeyCondition(const Row& keyRow, std::vector<Value>& params,
                                    std::vector<FieldType>& types) const {
    if (m_keyIndexes.empty())
        throw DbException("This record set has no key columns to write rows by");
    std::string condition;
    for (size_t index : m_keyIndexes) {
        if (!condition.empty())
            condition += " AND ";
        const Value& value = keyRow[index];
        if (std::holds_alternative<std::monostate>(value)) {
            condition += m_fields[index].name + " IS NULL";
        } else {
            condition += m_fields[index].name + "=?";
            params.push_back(value);
            types.push_back(m_fields[index].field->Type());
        }
    }
    return condition;
}

bool Recordset::UpdateRow() {
    std::string assignments;
    std::vector<Value> params;
    std::vector<FieldType> types;
    for (const auto& binding : m_fields) {
        if (!binding.field->IsDirty())
            continue;
        if (!assignments.empty())
            assignments += ',';
        assignments += binding.name + "=?";
        params.push_back(binding.field->Get());
        types.push_back(binding.field->Type());
    }
    if (params.empty())
        return false;
    const std::string condition = KeyCondition(m_savedRow, params, types);
    Statement statement(*m_pDb);
    statement.Execute(m_pDb->TranslateBrackets("UPDATE " + TableName() + " SET " + assignments +
                                               " WHERE " + condition),
                      params, types);
    const bool changed = statement.RowCount() != 0;
    Row current = CurrentValues();
    if (m_pStatement == nullptr)
        m_rows[static_cast<size_t>(m_nCurrent)] = current;
    m_savedRow = std::move(current);
    for (auto& binding : m_fields)
        binding.field->MarkClean();
    return changed;
}

void Recordset::Delete() {
    RequireCurrentRow("Delete");
    const Row original = m_pStatement ? CurrentValues() : m_rows[static_cast<size_t>(m_nCurrent)];
    std::vector<Value> params;
    std::vector<FieldType> types;
    const std::string condition = KeyCondition(original, params, types);
    Statement statement(*m_pDb);
    statement.Execute(
        m_pDb->TranslateBrackets("DELETE FROM " + TableName() + " WHERE " + condition), params,
        types);
    if (m_pStatement == nullptr)
        m_deleted[static_cast<size_t>(m_nCurrent)] = true;
    m_editMode = EditMode::None;
}

} // namespace ovl::db
