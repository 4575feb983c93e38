#include "platform/odbc/OdbcError.h"

#include <sqlext.h>

namespace ovl::db {

SQLHENV OdbcEnvironment() {
    static const SQLHENV env = [] {
        SQLHENV h = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h)))
            throw DbException("Cannot allocate the ODBC environment");
        SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return h;
    }();
    return env;
}

DbException OdbcException(SQLSMALLINT handleType, SQLHANDLE handle, const std::string& context) {
    std::string message;
    std::string firstState = "HY000";
    long firstNative = 0;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR text[SQL_MAX_MESSAGE_LENGTH + 1] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc =
            SQLGetDiagRec(handleType, handle, i, state, &native, text, sizeof text, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        if (i == 1) {
            firstState = reinterpret_cast<const char*>(state);
            firstNative = native;
        } else {
            message += '\n';
        }
        message += reinterpret_cast<const char*>(text);
    }
    if (message.empty())
        message = context + " failed";
    return DbException(message, firstState, firstNative);
}

void CheckOdbc(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const std::string& context) {
    if (!SQL_SUCCEEDED(rc))
        throw OdbcException(handleType, handle, context);
}

} // namespace ovl::db
