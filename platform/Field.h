#pragma once

#include "platform/DateTime.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace ovl::db {

using Bytes = std::vector<std::uint8_t>;

// The column types a record set binds.
enum class FieldType { Long, Byte, Bool, Single, Double, Date, Text, Binary };

// One value as it travels between a field and the driver; monostate is NULL.
using Value = std::variant<std::monostate, std::int32_t, std::uint8_t, bool, float, double,
                           DateTime, std::string, Bytes>;

// A bound column's member. It remembers whether it is NULL and whether it was assigned since
// the last AddNew or Edit, so that an update writes exactly the assigned columns.
class FieldBase {
public:
    virtual ~FieldBase() = default;
    virtual FieldType Type() const = 0;
    virtual Value Get() const = 0;
    // Sets the value as read from the database; leaves the field clean.
    virtual void Load(const Value& value) = 0;
    // Sets a text or binary value from a driver buffer without a temporary copy; leaves the
    // field clean. Other types ignore it.
    virtual void LoadBytes(const char* data, size_t length) = 0;
    // Back to the initial value, NULL, clean.
    virtual void Reset() = 0;

    bool IsNull() const { return m_bNull; }
    bool IsDirty() const { return m_bDirty; }
    // Setting NULL also counts as an assignment.
    void SetNull(bool null = true) {
        m_bNull = null;
        m_bDirty = true;
    }
    void MarkClean() { m_bDirty = false; }

protected:
    bool m_bNull = false;
    bool m_bDirty = false;
};

template <class T> class Field final : public FieldBase {
public:
    explicit Field(T initial = T{}) : m_value(initial), m_initial(std::move(initial)) {}
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    Field& operator=(T value) {
        m_value = std::move(value);
        m_bNull = false;
        m_bDirty = true;
        return *this;
    }

    operator const T&() const { return m_value; }
    const T& Value() const { return m_value; }
    // For in-place changes of text and byte values; counts as an assignment.
    T& Mutable() {
        m_bNull = false;
        m_bDirty = true;
        return m_value;
    }

    template <class U> bool operator==(const U& other) const { return m_value == other; }

    FieldType Type() const override;
    db::Value Get() const override {
        if (m_bNull)
            return std::monostate{};
        return m_value;
    }
    void Load(const db::Value& value) override {
        if (const T* v = std::get_if<T>(&value)) {
            m_value = *v;
            m_bNull = false;
        } else {
            m_value = m_initial;
            m_bNull = true;
        }
        m_bDirty = false;
    }
    void LoadBytes(const char* data, size_t length) override {
        if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, Bytes>) {
            m_value.assign(data, data + length);
            m_bNull = false;
            m_bDirty = false;
        }
    }
    void Reset() override {
        m_value = m_initial;
        m_bNull = true;
        m_bDirty = false;
    }

private:
    T m_value;
    T m_initial;
};

template <> inline FieldType Field<std::int32_t>::Type() const {
    return FieldType::Long;
}
template <> inline FieldType Field<std::uint8_t>::Type() const {
    return FieldType::Byte;
}
template <> inline FieldType Field<bool>::Type() const {
    return FieldType::Bool;
}
template <> inline FieldType Field<float>::Type() const {
    return FieldType::Single;
}
template <> inline FieldType Field<double>::Type() const {
    return FieldType::Double;
}
template <> inline FieldType Field<DateTime>::Type() const {
    return FieldType::Date;
}
template <> inline FieldType Field<std::string>::Type() const {
    return FieldType::Text;
}
template <> inline FieldType Field<Bytes>::Type() const {
    return FieldType::Binary;
}

using LongField = Field<std::int32_t>;
using ByteField = Field<std::uint8_t>;
using BoolField = Field<bool>;
using SingleField = Field<float>;
using DoubleField = Field<double>;
using DateField = Field<DateTime>;
using TextField = Field<std::string>;
using BinaryField = Field<Bytes>;

} // namespace ovl::db
