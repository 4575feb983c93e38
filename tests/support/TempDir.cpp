#include "tests/support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace ovl::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovltest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace ovl::test
