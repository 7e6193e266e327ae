#pragma once
// The exports the korvat command can call by name, with the arguments each takes.

#include "platform/com.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvat::cli {

enum class ArgumentKind { None, OneInteger, TwoIntegers, Range };

struct ExportCall {
  ArgumentKind kind = ArgumentKind::None;
  // Integers for the integer forms; the range object (on the WBS sheet) for Range.
  std::function<std::string(const std::vector<std::int32_t>& integers, IDispatch* range)> invoke;
};

// The export of that name, or null when the library has none.
const ExportCall* FindExport(std::string_view name);
std::vector<std::string> ExportNames();

}  // namespace korvat::cli
