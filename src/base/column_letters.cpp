#include "base/column_letters.h"

namespace korvat {

std::int32_t ColumnNumber(std::string_view letters) {
  if (letters.size() > 7) return 0;
  std::int64_t number = 0;
  for (char c : letters) number = number * 26 + (static_cast<unsigned char>(c) - 64);
  return static_cast<std::int32_t>(number);
}

std::string ColumnLetters(std::int64_t number) {
  if (number < 1) return {};
  if (number < 27) return std::string(1, static_cast<char>(number + 64));
  const std::int64_t q = number / 26, r = number % 26;
  if (r != 0) return ColumnLetters(q) + ColumnLetters(r);
  return ColumnLetters(q - 1) + "Z";
}

}  // namespace korvat
