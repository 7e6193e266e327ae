#pragma once
// The conditional formats of a sheet as the cells show them: a "cell value" condition
// (between, not between, equal, not equal, greater, less, greater or equal, less or equal) that
// holds for a cell's value sets its font colour and fill. The thresholds are evaluated once,
// against the sheet; other condition types are not drawn.

#include <vector>

#include "host/model/worksheet.h"

namespace korvat::host::render {

class ConditionalStyles {
 public:
  explicit ConditionalStyles(const Worksheet& sheet);
  bool Empty() const { return rules_.empty(); }
  // The style as shown: `style` with the colours of the first matching rule of each kind.
  CellStyle Apply(int row, int col, const CellValue& value, const CellStyle& style) const;

 private:
  struct Rule {
    const ConditionalFormat* format;
    CellValue first, second;
  };
  std::vector<Rule> rules_;
};

}  // namespace korvat::host::render
