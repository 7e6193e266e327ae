#pragma once
// The lookup rule of MATCH, usable outside formulas (the Automation adapter's
// WorksheetFunction.Match uses it too). Feed the values in order until Visit
// returns false; found() is the 1-based position of the match, 0 when none.

#include <string_view>
#include <vector>

#include "host/values/cell_value.h"

namespace korvat::host::formula {

class MatchScan {
 public:
  // matchType 0: the first equal value (text without regard to case, with the
  // wildcards * ? and ~); 1: the last value <= key in ascending data; -1: the
  // last value >= key in descending data. Other numbers count by their sign.
  // The key must not be an error or empty (nothing matches those).
  MatchScan(CellValue key, int matchType);

  bool Visit(const CellValue& value, int position);
  int found() const { return found_; }

 private:
  CellValue key_;
  int type_;
  int found_ = 0;
};

// MatchScan over a list; 0 when nothing matches.
int MatchPosition(const CellValue& key, const std::vector<CellValue>& values, int matchType);

// '*' any run, '?' one character, '~' escapes the next; case is ignored.
bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace korvat::host::formula
