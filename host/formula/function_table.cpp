#include "host/formula/function_table.h"

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula {

namespace {

namespace f = functions;

constexpr FunctionEntry kFunctions[] = {
    {"ABS", 1, 1, f::Abs},
    {"AND", 1, kVariadic, f::And},
    {"AVERAGE", 1, kVariadic, f::Average},
    {"CONCATENATE", 1, kVariadic, f::Concatenate},
    {"COUNT", 1, kVariadic, f::Count},
    {"COUNTA", 1, kVariadic, f::CountA},
    {"FALSE", 0, 0, f::False},
    {"IF", 2, 3, f::If},
    {"IFERROR", 2, 2, f::IfError},
    {"INDEX", 2, 3, f::Index},
    {"INT", 1, 1, f::Int},
    {"ISBLANK", 1, 1, f::IsBlank},
    {"ISERROR", 1, 1, f::IsError},
    {"ISLOGICAL", 1, 1, f::IsLogical},
    {"ISNA", 1, 1, f::IsNA},
    {"ISNUMBER", 1, 1, f::IsNumber},
    {"ISTEXT", 1, 1, f::IsText},
    {"LEN", 1, 1, f::Len},
    {"MATCH", 2, 3, f::Match},
    {"MAX", 1, kVariadic, f::Max},
    {"MIN", 1, kVariadic, f::Min},
    {"MOD", 2, 2, f::Mod},
    {"N", 1, 1, f::N},
    {"NOT", 1, 1, f::Not},
    {"OR", 1, kVariadic, f::Or},
    {"ROUND", 2, 2, f::Round},
    {"ROUNDDOWN", 2, 2, f::RoundDown},
    {"ROUNDUP", 2, 2, f::RoundUp},
    {"SUM", 1, kVariadic, f::Sum},
    {"TRUE", 0, 0, f::True},
};

}  // namespace

const FunctionEntry* FindFunction(std::string_view name) {
  for (const FunctionEntry& entry : kFunctions)
    if (CompareTextIgnoreCase(entry.name, name) == 0) return &entry;
  return nullptr;
}

}  // namespace korvat::host::formula
