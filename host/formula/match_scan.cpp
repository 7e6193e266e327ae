#include "host/formula/match_scan.h"

#include "host/formula/value_coercion.h"

namespace korvat::host::formula {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool HasWildcard(std::string_view s) { return s.find_first_of("*?~") != std::string_view::npos; }

bool ExactMatch(const CellValue& key, const CellValue& v) {
  if (key.kind != v.kind) return false;
  if (key.IsText() && HasWildcard(key.text)) return WildcardMatch(key.text, v.text);
  return CompareValues(key, v) == 0;
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
  size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starT = t;
      continue;
    }
    if (p < pattern.size()) {
      bool escaped = pattern[p] == '~' && p + 1 < pattern.size();
      char pc = escaped ? pattern[p + 1] : pattern[p];
      if ((!escaped && pc == '?') || Lower(pc) == Lower(text[t])) {
        p += escaped ? 2 : 1;
        ++t;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP;
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

MatchScan::MatchScan(CellValue key, int matchType)
    : key_(std::move(key)), type_(matchType > 0 ? 1 : (matchType < 0 ? -1 : 0)) {}

bool MatchScan::Visit(const CellValue& value, int position) {
  if (key_.IsEmpty() || key_.IsError()) return false;
  if (type_ == 0) {
    if (ExactMatch(key_, value)) found_ = position;
    return found_ == 0;
  }
  if (key_.kind != value.kind) return true;  // other kinds are skipped in sorted data
  int c = CompareValues(value, key_);
  if (type_ == 1 ? c <= 0 : c >= 0) {
    found_ = position;  // the last of equal values wins, as in sorted data
    return true;
  }
  return false;  // passed the place where the key would stand
}

int MatchPosition(const CellValue& key, const std::vector<CellValue>& values, int matchType) {
  MatchScan scan(key, matchType);
  for (size_t i = 0; i < values.size(); ++i)
    if (!scan.Visit(values[i], static_cast<int>(i) + 1)) break;
  return scan.found();
}

}  // namespace korvat::host::formula
