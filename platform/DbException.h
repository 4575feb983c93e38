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

// Whether the error leaves the transaction unable to go on: a deadlock or serialization
// failure (SQLSTATE 40xxx, after which the server may already have rolled it back), a lost
// connection (08xxx) or a timeout (HYT00, HYT01). Work that ignores a statement's own failure
// must not ignore these.
bool EndsTransaction(const DbException& e);

} // namespace ovl::db
