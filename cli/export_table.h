#pragma once
// The exports the korvat command can call by name, with the arguments each takes
// and what it does in a line.

#include "platform/com.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvat::cli {

enum class ArgumentKind { None, OneInteger, TwoIntegers, Range };

struct ExportCall {
  ArgumentKind kind = ArgumentKind::None;
  std::string arguments;  // how the command line writes them, e.g. "UNIT" or "KIND,STEP"
  std::string summary;    // one line: what the export does
  // Integers for the integer forms; the range object (on the WBS sheet) for Range. The
  // text returned is the export's result; empty for exports that return nothing.
  std::function<std::string(const std::vector<std::int32_t>& integers, IDispatch* range)> invoke;
};

// The export of that name, or null when the library has none.
const ExportCall* FindExport(std::string_view name);
// Every name, in alphabetical order.
std::vector<std::string> ExportNames();

}  // namespace korvat::cli
