#pragma once

#include "platform/DateTime.h"
#include "platform/Field.h"

#include <cstdint>
#include <string>
#include <variant>

namespace ovl {

// The kinds of value a dynamic field holds; the numbers are the variant's alternatives.
enum class DBFieldKind {
    None = 0,
    Boolean = 1,
    Byte = 2,
    Short = 3,
    Long = 4,
    Single = 5,
    Double = 6,
    Date = 7,
    Text = 8,
    ByteBlock = 9
};

// One column of a record set whose columns are found at run time: its kind and value, its
// unique upper-case name and whether the current row holds NULL. It converts itself to an
// integer or to text whatever its kind.
class CDBField {
public:
    using Value = std::variant<std::monostate, bool, std::uint8_t, std::int16_t, std::int32_t,
                               float, double, db::DateTime, std::string, db::Bytes>;

    DBFieldKind GetKind() const { return static_cast<DBFieldKind>(m_value.index()); }
    const Value& GetValue() const { return m_value; }
    const std::string& GetName() const { return m_strName; }
    bool IsNull() const { return m_bNull != 0; }

    // The value as an integer; 0 for NULL, dates, byte blocks and fields of no kind.
    long AsInt() const;
    // The value as text, in the same form whether the row is NULL or not.
    std::string AsText() const;

    // Sets the kind with its empty value: zero, empty text, empty block, a zeroed timestamp.
    void SetKind(DBFieldKind kind);
    void SetName(std::string name) { m_strName = std::move(name); }
    void SetValue(Value value) { m_value = std::move(value); }
    void SetNull(bool null) { m_bNull = null ? 1 : 0; }

private:
    Value m_value;
    std::string m_strName;
    std::uint8_t m_bNull = 0;
};

} // namespace ovl
