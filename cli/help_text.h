#pragma once
// What `korvat --help` and `korvat help COMMAND` print.

#include <string>
#include <string_view>

namespace korvat::cli {

// The overview of every command.
std::string GeneralHelp();
// The options of one command; empty when there is no such command.
std::string CommandHelp(std::string_view command);
// The commands the help knows.
const char* const* CommandNames();

}  // namespace korvat::cli
