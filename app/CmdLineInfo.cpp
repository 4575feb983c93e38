#include "app/CmdLineInfo.h"

namespace ovl {

void CCmdLineInfo::ParseParam(const std::string& param, bool isSwitch) {
    // Compared exactly: /db:name is not this switch.
    if (isSwitch && param.starts_with("DB:"))
        m_strDbSubname = param.substr(3);
}

void CCmdLineInfo::ParseCommandLine(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        const bool isSwitch = !arg.empty() && (arg.front() == '/' || arg.front() == '-');
        ParseParam(isSwitch ? arg.substr(1) : arg, isSwitch);
    }
}

} // namespace ovl
