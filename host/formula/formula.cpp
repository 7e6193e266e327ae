#include "host/formula/formula.h"

#include "host/formula/interpreter.h"
#include "host/formula/parser.h"

namespace korvat::host::formula {

namespace {

// The host refuses longer formulas; refusing them here bounds the work per cell.
constexpr size_t kMaxFormulaLength = 8192;

std::shared_ptr<const Formula> Broken(std::string_view text, std::string error, CellError value) {
  auto root = std::make_shared<detail::Node>();
  root->kind = detail::NodeKind::Literal;
  root->value = CellValue::Error(value);
  return std::make_shared<const Formula>(std::string(text), std::move(root), std::move(error));
}

}  // namespace

Formula::Formula(std::string text, std::shared_ptr<const detail::Node> root, std::string error)
    : text_(std::move(text)), root_(std::move(root)), error_(std::move(error)) {}

std::shared_ptr<const Formula> ParseFormula(std::string_view text) {
  if (text.size() > kMaxFormulaLength)
    return Broken(text, "formula longer than " + std::to_string(kMaxFormulaLength) + " characters",
                  CellError::Value);
  std::string_view expr = text;
  if (!expr.empty() && expr.front() == '=') expr.remove_prefix(1);
  ParseResult parsed = ParseExpression(expr);
  if (!parsed.error.empty()) return Broken(text, std::move(parsed.error), parsed.errorValue);
  return std::make_shared<const Formula>(std::string(text), std::move(parsed.root), std::string());
}

CellValue Evaluate(const Formula& f, EvalContext& ctx) {
  Interpreter interpreter(ctx);
  CellValue v = interpreter.EvalScalar(f.root());
  if (v.IsEmpty()) return CellValue::Number(0);  // =A1 over an empty A1 shows 0
  return v;
}

}  // namespace korvat::host::formula
