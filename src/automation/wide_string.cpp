#include "automation/wide_string.h"

namespace korvat {

std::string WideString::HexKey() const { return korvat::HexKey(View()); }

std::string HexKey(WideView text) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string key;
  key.reserve(text.size() * 4);
  for (OLECHAR unit : text) {
    const unsigned low = unit & 0xFFu, high = (unit >> 8) & 0xFFu;
    key += kDigits[low >> 4];
    key += kDigits[low & 0xF];
    key += kDigits[high >> 4];
    key += kDigits[high & 0xF];
  }
  return key;
}

}  // namespace korvat
