#include "cli/Arguments.h"

#include "app/Identifier.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

CLI::Option* AddIdArgument(CLI::App& command, const std::string& name, std::int32_t& target,
                           const std::string& description) {
    auto store = [name, &target](const std::string& text) {
        const auto id = ParseId(text);
        if (!id)
            throw CLI::ValidationError(name, "not a whole number: " + text);
        target = *id;
    };
    return command.add_option_function<std::string>(name, store, description)->type_name("ID");
}

} // namespace ovl::cli
