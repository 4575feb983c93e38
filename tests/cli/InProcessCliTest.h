#pragma once

#include "app/Language.h"
#include "cli/CommandLine.h"
#include "tests/support/CliFixture.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace ovl::test {

// Runs the command line inside the test process, on the same settings, central database and
// lock folder as CliTest::Run, so that a test can add commands of its own.
class InProcessCliTest : public CliTest {
protected:
    // `args` as typed (UTF-8), without the program name.
    RunResult RunHere(const std::vector<std::string>& args,
                      std::unique_ptr<cli::Command> extra = nullptr) {
        const ScopedVariable central("OVLNUTRI_CENTRAL", m_strCentralConnect);
        const ScopedVariable config("XDG_CONFIG_HOME", (Folder() / "config").string());
        const ScopedVariable runtime("XDG_RUNTIME_DIR", Folder().string());
        std::ostringstream out, err;
        cli::Console console(out, err);
        cli::CommandLine commandLine;
        if (extra)
            commandLine.Add(std::move(extra));
        RunResult result;
        result.exitCode = commandLine.Run(console, args);
        result.out = out.str();
        result.err = err.str();
        SetLanguage(0); // the start-up set the process's language
        return result;
    }

private:
    class ScopedVariable {
    public:
        ScopedVariable(const char* name, const std::string& value) : m_name(name) {
            if (const char* previous = std::getenv(name))
                m_previous = previous;
            setenv(name, value.c_str(), 1);
        }
        ~ScopedVariable() {
            if (m_previous)
                setenv(m_name, m_previous->c_str(), 1);
            else
                unsetenv(m_name);
        }
        ScopedVariable(const ScopedVariable&) = delete;
        ScopedVariable& operator=(const ScopedVariable&) = delete;

    private:
        const char* m_name;
        std::optional<std::string> m_previous;
    };
};

} // namespace ovl::test
