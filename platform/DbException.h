#pragma once

#include <stdexcept>
#include <string>

namespace ovl::db {

// A failure of the database layer: the driver's diagnostic text, its SQLSTATE and its native
// error code. Every ODBC failure raises one.
class DbException : public std::runtime_error {
public:
    DbException(std::string message, std::string sqlState = "HY000", long nativeError = 0);

    const std::string& Message() const { return m_strMessage; }
    const std::string& SqlState() const { return m_strSqlState; }
    long NativeError() const { return m_nNativeError; }

private:
    std::string m_strMessage;
    std::string m_strSqlState;
    long m_nNativeError;
};

} // namespace ovl::db
