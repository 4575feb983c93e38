#include "platform/DbException.h"

namespace ovl::db {

DbException::DbException(std::string message, std::string sqlState, long nativeError)
    : std::runtime_error(message), m_strMessage(std::move(message)),
      m_strSqlState(std::move(sqlState)), m_nNativeError(nativeError) {}

bool EndsTransaction(const DbException& e) {
    const std::string& state = e.SqlState();
    return state.rfind("40", 0) == 0 || state.rfind("08", 0) == 0 || state == "HYT00" ||
           state == "HYT01";
}

} // namespace ovl::db
