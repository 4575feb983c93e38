#include "cli/Command.h"

#include <stdexcept>

namespace ovl::cli {

std::string Command::Usage() const {
    std::string usage = std::string("usage: ovlnutriimport ") + Name();
    if (*Synopsis())
        usage += std::string(" ") + Synopsis();
    return usage + m_usageNote;
}

int Command::Run(Console&, Session&) {
    throw std::logic_error(std::string("the command ") + Name() + " runs without databases");
}

int Command::RunOffline(Console&) {
    throw std::logic_error(std::string("the command ") + Name() + " needs the databases");
}

} // namespace ovl::cli
