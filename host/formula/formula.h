#pragma once
// The headless host's formula engine: parse a formula's text once, evaluate it
// against the cells a caller provides, and rewrite its references when rows move
// or the formula is copied. Errors are cell values; nothing here throws.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/values/cell_value.h"

namespace korvat::host::formula {

// What an evaluation reads. The model implements it; tests fake it.
class EvalContext {
 public:
  virtual ~EvalContext() = default;
  // Value of a cell; sheet empty = the sheet the formula stands on. Rows/columns 1-based.
  // A cell holding a formula returns its evaluated value (the context handles recursion/cycles).
  virtual CellValue CellValueAt(std::string_view sheet, int row, int col) = 0;
  virtual int LastUsedRow(std::string_view sheet) = 0;      // bounds whole-column refs like B:B
  virtual int LastUsedColumn(std::string_view sheet) = 0;   // bounds whole-row refs like 5:7
  // A defined name's reference text ("Settings!$B$3", "$A$1:$B$4") or empty when unknown.
  virtual std::string ResolveName(std::string_view name) = 0;
};

namespace detail {
struct Node;
}

// A parsed formula; immutable and shareable between cells and threads.
class Formula {
 public:
  Formula(std::string text, std::shared_ptr<const detail::Node> root, std::string error);

  // The text as given to ParseFormula.
  const std::string& text() const { return text_; }
  // Why the text did not parse; empty when it did.
  const std::string& error() const { return error_; }
  bool ok() const { return error_.empty(); }

  const detail::Node& root() const { return *root_; }

 private:
  std::string text_;
  std::shared_ptr<const detail::Node> root_;
  std::string error_;
};

// Parses text with or without a leading '='. On a syntax error returns a Formula
// whose evaluation gives #NAME? (bad token or structure) or #VALUE! (a function
// given the wrong number of arguments), and error() describes it. Never throws.
std::shared_ptr<const Formula> ParseFormula(std::string_view text);

// The formula's value. A reference to an empty cell yields the number 0, as the
// host shows it; a range where one value is wanted yields #VALUE!.
CellValue Evaluate(const Formula& f, EvalContext& ctx);

// Rewrites references: every row number r (absolute or relative) becomes mapRow(r);
// a result <= 0 (or beyond the last row) turns that reference into #REF!. A range
// whose end row is removed shrinks to the rows that remain, as the host does; it
// becomes #REF! only when all of its rows are removed. Used for row
// insert/delete/cut-and-insert. Text that does not lex is returned unchanged.
std::string RemapRows(std::string_view formulaText, const std::function<int(int)>& mapRow);

// As above, but only references whose sheet qualifier satisfies affectsSheet are
// rewritten. The qualifier is passed unquoted; it is empty for references without
// one (those stand on the formula's own sheet).
std::string RemapRows(std::string_view formulaText, const std::function<int(int)>& mapRow,
                      const std::function<bool(std::string_view sheet)>& affectsSheet);

// Copy/paste: relative row/column parts shift by the deltas, absolute ($) parts
// stay; a shift below row/col 1 (or past the last) gives #REF!.
std::string ShiftRelative(std::string_view formulaText, int rowDelta, int colDelta);

}  // namespace korvat::host::formula
