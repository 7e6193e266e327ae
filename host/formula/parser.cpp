#include "host/formula/parser.h"

#include <vector>

#include "host/formula/function_table.h"
#include "host/formula/lexer.h"

namespace korvat::host::formula {

using detail::BinaryOp;
using detail::Node;
using detail::NodeKind;

namespace {

// Deeper nesting than the host accepts is refused before it can exhaust the stack.
constexpr int kMaxNesting = 100;

std::unique_ptr<Node> MakeNode(NodeKind kind) {
  auto n = std::make_unique<Node>();
  n->kind = kind;
  return n;
}

std::unique_ptr<Node> MakeBinary(BinaryOp op, std::unique_ptr<Node> l, std::unique_ptr<Node> r) {
  auto n = MakeNode(NodeKind::Binary);
  n->op = op;
  n->children.push_back(std::move(l));
  n->children.push_back(std::move(r));
  return n;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  ParseResult Run() {
    ParseResult result;
    auto root = Comparison();
    if (root && Peek().kind != TokenKind::End) Fail("unexpected text after the expression");
    if (!error_.empty()) {
      result.error = error_;
      result.errorValue = errorValue_;
      return result;
    }
    result.root = std::move(root);
    return result;
  }

 private:
  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }

  bool PeekOperator(std::string_view op) const {
    return Peek().kind == TokenKind::Operator && Peek().text == op;
  }

  std::unique_ptr<Node> Fail(std::string message, CellError value = CellError::Name) {
    if (error_.empty()) {
      error_ = std::move(message);
      errorValue_ = value;
    }
    return nullptr;
  }

  // comparison := concat (('=' | '<>' | '<' | '<=' | '>' | '>=') concat)*
  std::unique_ptr<Node> Comparison() {
    auto left = Concat();
    while (left) {
      BinaryOp op;
      if (PeekOperator("=")) op = BinaryOp::Equal;
      else if (PeekOperator("<>")) op = BinaryOp::NotEqual;
      else if (PeekOperator("<")) op = BinaryOp::Less;
      else if (PeekOperator("<=")) op = BinaryOp::LessEqual;
      else if (PeekOperator(">")) op = BinaryOp::Greater;
      else if (PeekOperator(">=")) op = BinaryOp::GreaterEqual;
      else break;
      Take();
      auto right = Concat();
      if (!right) return nullptr;
      left = MakeBinary(op, std::move(left), std::move(right));
    }
    return left;
  }

  // concat := additive ('&' additive)*
  std::unique_ptr<Node> Concat() {
    auto left = Additive();
    while (left && PeekOperator("&")) {
      Take();
      auto right = Additive();
      if (!right) return nullptr;
      left = MakeBinary(BinaryOp::Concat, std::move(left), std::move(right));
    }
    return left;
  }

  // additive := multiplicative (('+' | '-') multiplicative)*
  std::unique_ptr<Node> Additive() {
    auto left = Multiplicative();
    while (left && (PeekOperator("+") || PeekOperator("-"))) {
      BinaryOp op = Take().text == "+" ? BinaryOp::Add : BinaryOp::Subtract;
      auto right = Multiplicative();
      if (!right) return nullptr;
      left = MakeBinary(op, std::move(left), std::move(right));
    }
    return left;
  }

  // multiplicative := power (('*' | '/') power)*
  std::unique_ptr<Node> Multiplicative() {
    auto left = Power();
    while (left && (PeekOperator("*") || PeekOperator("/"))) {
      BinaryOp op = Take().text == "*" ? BinaryOp::Multiply : BinaryOp::Divide;
      auto right = Power();
      if (!right) return nullptr;
      left = MakeBinary(op, std::move(left), std::move(right));
    }
    return left;
  }

  // power := percent ('^' percent)*   (left-associative, as in the host)
  std::unique_ptr<Node> Power() {
    auto left = Percent();
    while (left && PeekOperator("^")) {
      Take();
      auto right = Percent();
      if (!right) return nullptr;
      left = MakeBinary(BinaryOp::Power, std::move(left), std::move(right));
    }
    return left;
  }

  // percent := unary '%'*
  std::unique_ptr<Node> Percent() {
    auto operand = Unary();
    while (operand && PeekOperator("%")) {
      Take();
      auto n = MakeNode(NodeKind::Percent);
      n->children.push_back(std::move(operand));
      operand = std::move(n);
    }
    return operand;
  }

  // unary := ('+' | '-') unary | range   (binds tighter than '^': -2^2 is 4)
  std::unique_ptr<Node> Unary() {
    if (PeekOperator("+") || PeekOperator("-")) {
      if (++depth_ > kMaxNesting) return Fail("formula nested too deeply");
      char op = Take().text[0];
      auto operand = Unary();
      --depth_;
      if (!operand) return nullptr;
      auto n = MakeNode(NodeKind::Unary);
      n->unaryOp = op;
      n->children.push_back(std::move(operand));
      return n;
    }
    return Range();
  }

  // range := primary (':' primary)*
  std::unique_ptr<Node> Range() {
    auto left = Primary();
    while (left && PeekOperator(":")) {
      Take();
      auto right = Primary();
      if (!right) return nullptr;
      // "Sheet2!A1:B5": the end of the range stands on the start's sheet.
      if (left->kind == NodeKind::Reference && right->kind == NodeKind::Reference &&
          right->sheet.empty())
        right->sheet = left->sheet;
      left = MakeBinary(BinaryOp::Range, std::move(left), std::move(right));
    }
    return left;
  }

  // primary := literal | [sheet!] reference | [sheet!] name | call | '(' comparison ')'
  std::unique_ptr<Node> Primary() {
    const Token& t = Peek();
    switch (t.kind) {
      case TokenKind::Number: Take(); return Literal(CellValue::Number(t.number));
      case TokenKind::Text: Take(); return Literal(CellValue::Text(t.text));
      case TokenKind::Error: Take(); return Literal(CellValue::Error(t.error));
      case TokenKind::Reference: Take(); return Reference(t, "");
      case TokenKind::SheetPrefix: return Qualified();
      case TokenKind::Identifier: return NameOrCall();
      case TokenKind::LeftParen: return Parenthesised();
      case TokenKind::End: return Fail("the formula ends where a value is expected");
      default: return Fail("unexpected '" + TokenText(t) + "' where a value is expected");
    }
  }

  static std::string TokenText(const Token& t) {
    switch (t.kind) {
      case TokenKind::RightParen: return ")";
      case TokenKind::LeftParen: return "(";
      case TokenKind::Comma: return ",";
      default: return t.text;
    }
  }

  std::unique_ptr<Node> Literal(CellValue v) {
    auto n = MakeNode(NodeKind::Literal);
    n->value = std::move(v);
    return n;
  }

  std::unique_ptr<Node> Reference(const Token& t, std::string sheet) {
    auto n = MakeNode(NodeKind::Reference);
    n->span = t.span;
    n->sheet = std::move(sheet);
    return n;
  }

  std::unique_ptr<Node> Qualified() {
    std::string sheet = Take().text;
    const Token& t = Peek();
    if (t.kind == TokenKind::Reference) {
      Take();
      return Reference(t, std::move(sheet));
    }
    if (t.kind == TokenKind::Error && t.error == CellError::Ref) {
      Take();
      return Literal(CellValue::Error(CellError::Ref));
    }
    if (t.kind == TokenKind::Identifier && tokens_[pos_ + 1].kind != TokenKind::LeftParen) {
      Take();
      auto n = MakeNode(NodeKind::Name);
      n->text = t.text;
      n->sheet = std::move(sheet);
      return n;
    }
    return Fail("expected a reference after '" + sheet + "!'");
  }

  std::unique_ptr<Node> NameOrCall() {
    const Token& t = Take();
    if (Peek().kind == TokenKind::LeftParen && Peek().begin == t.end) return Call(t.text);
    if (EqualsIgnoreCase(t.text, "TRUE")) return Literal(CellValue::Boolean(true));
    if (EqualsIgnoreCase(t.text, "FALSE")) return Literal(CellValue::Boolean(false));
    auto n = MakeNode(NodeKind::Name);
    n->text = t.text;
    return n;
  }

  std::unique_ptr<Node> Call(const std::string& name) {
    Take();  // '('
    if (++depth_ > kMaxNesting) return Fail("formula nested too deeply");
    auto n = MakeNode(NodeKind::Call);
    n->text = name;
    n->function = FindFunction(name);
    if (Peek().kind != TokenKind::RightParen) {
      while (true) {
        if (Peek().kind == TokenKind::Comma || Peek().kind == TokenKind::RightParen) {
          n->children.push_back(MakeNode(NodeKind::Missing));
        } else {
          auto arg = Comparison();
          if (!arg) return nullptr;
          n->children.push_back(std::move(arg));
        }
        if (Peek().kind != TokenKind::Comma) break;
        Take();
      }
    }
    if (Peek().kind != TokenKind::RightParen) return Fail("expected ')' to close " + name + "(");
    Take();
    --depth_;
    if (n->function) {
      int count = static_cast<int>(n->children.size());
      if (count < n->function->minArgs || count > n->function->maxArgs)
        return Fail(std::string(n->function->name) + " takes " + ArgumentCountText(*n->function) +
                        ", not " + std::to_string(count),
                    CellError::Value);
    }
    return n;
  }

  static std::string ArgumentCountText(const FunctionEntry& f) {
    if (f.maxArgs == kVariadic) return "at least " + std::to_string(f.minArgs) + " arguments";
    if (f.minArgs == f.maxArgs) return std::to_string(f.minArgs) + " arguments";
    return std::to_string(f.minArgs) + " to " + std::to_string(f.maxArgs) + " arguments";
  }

  std::unique_ptr<Node> Parenthesised() {
    Take();
    if (++depth_ > kMaxNesting) return Fail("formula nested too deeply");
    auto inner = Comparison();
    if (!inner) return nullptr;
    if (Peek().kind != TokenKind::RightParen) return Fail("expected ')'");
    Take();
    --depth_;
    return inner;
  }

  std::vector<Token> tokens_;
  size_t pos_ = 0;
  int depth_ = 0;
  std::string error_;
  CellError errorValue_ = CellError::Name;
};

}  // namespace

ParseResult ParseExpression(std::string_view text) {
  LexResult lexed = Lex(text);
  if (!lexed.error.empty()) {
    ParseResult result;
    result.error = lexed.error;
    return result;
  }
  return Parser(std::move(lexed.tokens)).Run();
}

}  // namespace korvat::host::formula
