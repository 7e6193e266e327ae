#pragma once
// Names of sheets, shapes and defined names compare without regard to case, as the host does
// (ASCII letters fold; other bytes compare as they are).

#include <string>
#include <string_view>

namespace korvat::host {

std::string FoldCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace korvat::host
