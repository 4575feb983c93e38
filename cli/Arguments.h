#pragma once

#include <cstdint>
#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace ovl::cli {

// An identifier argument (a positional when `name` has no dashes): a whole decimal number
// that fits 32 bits, refused as a parse error otherwise.
CLI::Option* AddIdArgument(CLI::App& command, const std::string& name, std::int32_t& target,
                           const std::string& description);

} // namespace ovl::cli
