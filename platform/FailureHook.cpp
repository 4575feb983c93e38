#include "platform/FailureHook.h"

#include "platform/DbException.h"

#include <string>

namespace ovl::db {

namespace {
long g_nFailAt = 0;
long g_nExecuted = 0;
std::string g_strSqlState = "HY000";
} // namespace

void FailureHook::FailAtStatement(long n, const char* sqlState) {
    g_nFailAt = n;
    g_strSqlState = sqlState;
    g_nExecuted = 0;
    s_bArmed = true;
}

void FailureHook::Disarm() {
    g_nFailAt = 0;
    g_nExecuted = 0;
    s_bArmed = false;
}

long FailureHook::ExecutedCount() {
    return g_nExecuted;
}

void FailureHook::CountStatement() {
    ++g_nExecuted;
    if (g_nFailAt > 0 && g_nExecuted == g_nFailAt)
        throw DbException("Injected failure at statement " + std::to_string(g_nExecuted),
                          g_strSqlState, -1);
}

} // namespace ovl::db
