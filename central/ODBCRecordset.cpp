#include "central/ODBCRecordset.h"

#include "platform/DbException.h"

#include <stdexcept>

namespace ovl {

namespace {

DBFieldKind KindOf(db::ColumnType type) {
    switch (type) {
    case db::ColumnType::Integer:
        return DBFieldKind::Long;
    case db::ColumnType::SmallInt:
        return DBFieldKind::Short;
    case db::ColumnType::Real:
        return DBFieldKind::Single;
    case db::ColumnType::Double:
        return DBFieldKind::Double;
    case db::ColumnType::DateTime:
        return DBFieldKind::Date;
    case db::ColumnType::Bit:
        return DBFieldKind::Boolean;
    case db::ColumnType::TinyInt:
        return DBFieldKind::Byte;
    case db::ColumnType::LongData:
        return DBFieldKind::ByteBlock;
    case db::ColumnType::Character:
    case db::ColumnType::Numeric:
        return DBFieldKind::Text;
    case db::ColumnType::Other:
        break;
    }
    return DBFieldKind::None;
}

// Column names are ASCII identifiers; other bytes stay as they are.
std::string ToUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

CODBCRecordset::CODBCRecordset(db::Connection* db) : m_pDb(db) {}

CODBCRecordset::~CODBCRecordset() {
    Close();
}

void CODBCRecordset::Open(const std::string& statement, db::OpenType type, unsigned int options) {
    // Rows are only ever read forward, so every open type streams them with a forward-only
    // cursor; and no option applies to a read-only record set.
    (void)type;
    (void)options;
    Close();
    if (m_pDb == nullptr)
        throw db::DbException("The connection is not open", "08003");
    auto pStatement = std::make_unique<db::Statement>(*m_pDb);
    pStatement->SetCursorType(db::CursorType::ForwardOnly);
    pStatement->ExecDirect(m_pDb->TranslateBrackets(statement));
    m_pStatement = std::move(pStatement);
    m_bRebind = true;
    try {
        Move();
    } catch (...) {
        Close();
        throw;
    }
}

void CODBCRecordset::Close() {
    m_pStatement.reset();
    m_bEOF = true;
}

void CODBCRecordset::MoveNext() {
    if (!IsOpen() || m_bEOF)
        throw db::DbException("Attempt to move past the end of the record set", "24000");
    Move();
}

const CDBField& CODBCRecordset::GetField(int index) const {
    if (index < 0 || index >= m_nFields)
        throw std::out_of_range("No field " + std::to_string(index) + " in the record set");
    return m_fields[static_cast<size_t>(index)];
}

void CODBCRecordset::Move() {
    if (m_bRebind) {
        RebindColumns();
        m_bRebind = false;
    }
    if (m_pStatement->Fetch()) {
        m_bEOF = false;
        ExchangeFields();
    } else {
        m_pStatement->CloseCursor();
        m_bEOF = true;
        ClearValues();
    }
}

void CODBCRecordset::RebindColumns() {
    m_mapNames.clear();
    const int n = m_pStatement->ColumnCount();
    if (n > kMaxFields)
        throw db::DbException("The statement returns more than " + std::to_string(kMaxFields) +
                              " columns");
    m_nFields = n;
    // The fields of the last statement stay when there is room for this one.
    if (m_fields.size() < static_cast<size_t>(n))
        m_fields.assign(static_cast<size_t>(n), CDBField{});
    m_textLimits.assign(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i)
        BindColumn(i, m_pStatement->DescribeColumn(i + 1));
}

void CODBCRecordset::BindColumn(int index, const db::ColumnInfo& info) {
    CDBField& field = m_fields[static_cast<size_t>(index)];
    field.SetKind(KindOf(info.type));
    field.SetNull(false);
    // Only character columns have a length in characters; the precision of exact numbers
    // counts digits, not the sign and decimal point of their text, so those are read whole.
    if (info.type == db::ColumnType::Character)
        m_textLimits[static_cast<size_t>(index)] = info.size;
    std::string name = FreeName(ToUpper(info.name));
    m_mapNames.emplace(name, index);
    field.SetName(std::move(name));
}

// The name itself when free, else the name followed by 2, 3, ...: a second NAME_1 is NAME_12.
std::string CODBCRecordset::FreeName(const std::string& columnName) const {
    std::string name = columnName;
    for (int suffix = 2; m_mapNames.count(name) != 0; ++suffix)
        name = columnName + std::to_string(suffix);
    return name;
}

void CODBCRecordset::ExchangeFields() {
    for (int i = 0; i < m_nFields; ++i) {
        CDBField& field = m_fields[static_cast<size_t>(i)];
        const int column = i + 1;
        bool read = false;
        switch (field.GetKind()) {
        // A column of no kind is counted but never read: it stays empty and not NULL.
        case DBFieldKind::None:
            continue;
        case DBFieldKind::Boolean: {
            bool v = false;
            read = m_pStatement->GetBool(column, v);
            field.SetValue(v);
            break;
        }
        case DBFieldKind::Byte: {
            std::uint8_t v = 0;
            read = m_pStatement->GetByte(column, v);
            field.SetValue(v);
            break;
        }
        // A short column is read as a long one and stays long.
        case DBFieldKind::Short:
        case DBFieldKind::Long: {
            std::int32_t v = 0;
            read = m_pStatement->GetLong(column, v);
            field.SetValue(v);
            break;
        }
        case DBFieldKind::Single: {
            float v = 0;
            read = m_pStatement->GetSingle(column, v);
            field.SetValue(v);
            break;
        }
        case DBFieldKind::Double: {
            double v = 0;
            read = m_pStatement->GetDouble(column, v);
            field.SetValue(v);
            break;
        }
        case DBFieldKind::Date: {
            db::DateTime v;
            read = m_pStatement->GetDate(column, v);
            field.SetValue(read ? v : db::DateTime{});
            break;
        }
        case DBFieldKind::Text: {
            std::string v;
            read = m_pStatement->GetText(column, v, m_textLimits[static_cast<size_t>(i)]);
            field.SetValue(std::move(v));
            break;
        }
        case DBFieldKind::ByteBlock: {
            db::Bytes v;
            read = m_pStatement->GetBinary(column, v, 0);
            field.SetValue(std::move(v));
            break;
        }
        }
        // A NULL column leaves the kind's empty value: 0, empty text or block, zeroed date.
        field.SetNull(!read);
    }
}

// Past the last row every field is NULL with its kind's empty value.
void CODBCRecordset::ClearValues() {
    for (int i = 0; i < m_nFields; ++i) {
        CDBField& field = m_fields[static_cast<size_t>(i)];
        field.SetKind(field.GetKind());
        field.SetNull(field.GetKind() != DBFieldKind::None);
    }
}

} // namespace ovl
