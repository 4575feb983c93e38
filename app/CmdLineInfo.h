#pragma once

#include <string>
#include <vector>

namespace ovl {

// The program's command line. The only argument it knows is the switch /DB:name, which
// selects the SQL Server data source "OVLSRV" followed by the name.
class CCmdLineInfo {
public:
    virtual ~CCmdLineInfo() = default;

    // Handles one argument; a switch comes without its leading '/' or '-'.
    virtual void ParseParam(const std::string& param, bool isSwitch);

    // Hands each argument (the program name excluded; code page 1252) to ParseParam.
    void ParseCommandLine(const std::vector<std::string>& args);

    std::string m_strDbSubname;
};

} // namespace ovl
