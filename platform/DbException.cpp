#include "platform/DbException.h"

namespace ovl::db {

DbException::DbException(std::string message, std::string sqlState, long nativeError)
    : std::runtime_error(message), m_strMessage(std::move(message)),
      m_strSqlState(std::move(sqlState)), m_nNativeError(nativeError) {}

} // namespace ovl::db
