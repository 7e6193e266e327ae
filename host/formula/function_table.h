#pragma once
// The built-in functions: one table of name, argument counts and implementation.

#include <string_view>

#include "host/formula/operand.h"

namespace korvat::host::formula {

class FunctionArgs;

struct FunctionEntry {
  std::string_view name;  // upper case
  int minArgs;
  int maxArgs;  // kVariadic for no limit
  Operand (*call)(FunctionArgs& args);
};

inline constexpr int kVariadic = 255;

// The function of that name, ignoring case; null when there is none.
const FunctionEntry* FindFunction(std::string_view name);

}  // namespace korvat::host::formula
