#include "host/formula/lexer.h"

#include <charconv>
#include <cstdlib>

namespace korvat::host::formula {

namespace {

struct ErrorName {
  CellError error;
  const char* text;
};

constexpr ErrorName kErrorNames[] = {
    {CellError::Null, "#NULL!"}, {CellError::Div0, "#DIV/0!"}, {CellError::Value, "#VALUE!"},
    {CellError::Ref, "#REF!"},   {CellError::Name, "#NAME?"},  {CellError::Num, "#NUM!"},
    {CellError::NA, "#N/A"},
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) {
  return IsLetter(c) || c == '_' || c == '\\' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c) || c == '.'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

class Lexer {
 public:
  explicit Lexer(std::string_view text) : s_(text) {}

  LexResult Run() {
    LexResult result;
    while (true) {
      SkipSpaces();
      if (pos_ >= s_.size()) break;
      Token t;
      t.begin = pos_;
      if (!Next(t)) {
        result.error = error_;
        return result;
      }
      t.end = pos_;
      result.tokens.push_back(std::move(t));
    }
    Token end;
    end.begin = end.end = s_.size();
    result.tokens.push_back(end);
    return result;
  }

 private:
  char At(size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

  void SkipSpaces() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' ||
                                s_[pos_] == '\n'))
      ++pos_;
  }

  bool Fail(std::string message) {
    error_ = std::move(message) + " at position " + std::to_string(pos_ + 1);
    return false;
  }

  bool Next(Token& t) {
    char c = s_[pos_];
    if (c == '"') return LexText(t);
    if (c == '#') return LexError(t);
    if (c == '\'') return LexQuotedSheet(t);
    if (c == '$' || IsLetter(c)) {
      if (LexCell(t) || LexColumns(t)) return true;
    }
    if (c == '$' || IsDigit(c)) {
      if (LexRows(t)) return true;
    }
    if (IsDigit(c) || (c == '.' && IsDigit(At(pos_ + 1)))) return LexNumber(t);
    if (IsNameStart(c)) return LexIdentifier(t);
    return LexPunctuation(t);
  }

  bool LexText(Token& t) {
    ++pos_;
    std::string value;
    while (true) {
      if (pos_ >= s_.size()) return Fail("unterminated text");
      char c = s_[pos_++];
      if (c == '"') {
        if (At(pos_) != '"') break;
        ++pos_;
      }
      value += c;
    }
    t.kind = TokenKind::Text;
    t.text = std::move(value);
    return true;
  }

  bool LexError(Token& t) {
    for (const ErrorName& e : kErrorNames) {
      std::string_view name(e.text);
      if (s_.size() - pos_ < name.size()) continue;
      bool same = true;
      for (size_t i = 0; i < name.size() && same; ++i) same = Upper(s_[pos_ + i]) == name[i];
      if (!same) continue;
      pos_ += name.size();
      t.kind = TokenKind::Error;
      t.error = e.error;
      return true;
    }
    return Fail("unknown error value");
  }

  bool LexQuotedSheet(Token& t) {
    ++pos_;
    std::string sheet;
    while (true) {
      if (pos_ >= s_.size()) return Fail("unterminated sheet name");
      char c = s_[pos_++];
      if (c == '\'') {
        if (At(pos_) != '\'') break;
        ++pos_;
      }
      sheet += c;
    }
    if (At(pos_) != '!') return Fail("expected '!' after a quoted sheet name");
    ++pos_;
    if (sheet.empty()) return Fail("empty sheet name");
    t.kind = TokenKind::SheetPrefix;
    t.text = std::move(sheet);
    return true;
  }

  // Reads [$]letters at p; returns the column (0 when none) and advances p.
  Coordinate ReadColumn(size_t& p) const {
    Coordinate c;
    size_t q = p;
    if (At(q) == '$') {
      c.absolute = true;
      ++q;
    }
    size_t start = q;
    while (IsLetter(At(q))) ++q;
    c.value = ColumnFromLetters(s_.substr(start, q - start));
    if (c.value != 0) p = q;
    return c;
  }

  // Reads [$]digits at p; returns the row (0 when none or out of the grid) and advances p.
  Coordinate ReadRow(size_t& p) const {
    Coordinate r;
    size_t q = p;
    if (At(q) == '$') {
      r.absolute = true;
      ++q;
    }
    size_t start = q;
    while (IsDigit(At(q))) ++q;
    if (q == start || q - start > 7) return r;
    int value = std::atoi(std::string(s_.substr(start, q - start)).c_str());
    if (value < 1 || value > kMaxRow) return r;
    r.value = value;
    p = q;
    return r;
  }

  // A reference must not run on into a name, a call or a sheet qualifier.
  bool EndsReference(size_t p) const {
    char c = At(p);
    return !(IsNameChar(c) || c == '(' || c == '!' || c == '$');
  }

  bool LexCell(Token& t) {
    size_t p = pos_;
    Coordinate col = ReadColumn(p);
    if (col.value == 0) return false;
    Coordinate row = ReadRow(p);
    if (row.value == 0 || !EndsReference(p)) return false;
    t.kind = TokenKind::Reference;
    t.span.shape = RefShape::Cell;
    t.span.col1 = col;
    t.span.row1 = row;
    pos_ = p;
    return true;
  }

  bool LexColumns(Token& t) {
    size_t p = pos_;
    Coordinate first = ReadColumn(p);
    if (first.value == 0 || At(p) != ':') return false;
    ++p;
    Coordinate second = ReadColumn(p);
    if (second.value == 0 || !EndsReference(p)) return false;
    t.kind = TokenKind::Reference;
    t.span.shape = RefShape::Columns;
    t.span.col1 = first;
    t.span.col2 = second;
    pos_ = p;
    return true;
  }

  bool LexRows(Token& t) {
    size_t p = pos_;
    Coordinate first = ReadRow(p);
    if (first.value == 0 || At(p) != ':') return false;
    ++p;
    Coordinate second = ReadRow(p);
    if (second.value == 0 || !EndsReference(p) || At(p) == '.') return false;
    t.kind = TokenKind::Reference;
    t.span.shape = RefShape::Rows;
    t.span.row1 = first;
    t.span.row2 = second;
    pos_ = p;
    return true;
  }

  bool LexNumber(Token& t) {
    size_t p = pos_;
    while (IsDigit(At(p))) ++p;
    if (At(p) == '.') {
      ++p;
      while (IsDigit(At(p))) ++p;
    }
    if (Upper(At(p)) == 'E') {
      size_t q = p + 1;
      if (At(q) == '+' || At(q) == '-') ++q;
      if (IsDigit(At(q))) {
        while (IsDigit(At(q))) ++q;
        p = q;
      }
    }
    double value = 0.0;
    const char* first = s_.data() + pos_;
    auto [ptr, ec] = std::from_chars(first, s_.data() + p, value);
    if (ec != std::errc() || ptr != s_.data() + p) return Fail("number out of range");
    t.kind = TokenKind::Number;
    t.number = value;
    pos_ = p;
    return true;
  }

  bool LexIdentifier(Token& t) {
    size_t p = pos_;
    while (IsNameChar(At(p))) ++p;
    t.text = std::string(s_.substr(pos_, p - pos_));
    pos_ = p;
    if (At(pos_) == '!') {
      ++pos_;
      t.kind = TokenKind::SheetPrefix;
    } else {
      t.kind = TokenKind::Identifier;
    }
    return true;
  }

  bool LexPunctuation(Token& t) {
    char c = s_[pos_];
    char d = At(pos_ + 1);
    t.kind = TokenKind::Operator;
    if ((c == '<' && (d == '=' || d == '>')) || (c == '>' && d == '=')) {
      t.text = std::string{c, d};
      pos_ += 2;
      return true;
    }
    switch (c) {
      case '+': case '-': case '*': case '/': case '^': case '&': case '%':
      case '=': case '<': case '>': case ':':
        t.text = std::string(1, c);
        break;
      case '(': t.kind = TokenKind::LeftParen; break;
      case ')': t.kind = TokenKind::RightParen; break;
      case ',': t.kind = TokenKind::Comma; break;
      default: return Fail(std::string("unexpected character '") + c + "'");
    }
    ++pos_;
    return true;
  }

  std::string_view s_;
  size_t pos_ = 0;
  std::string error_;
};

}  // namespace

LexResult Lex(std::string_view text) { return Lexer(text).Run(); }

bool ErrorFromText(std::string_view text, CellError& out) {
  for (const ErrorName& e : kErrorNames) {
    std::string_view name(e.text);
    if (name.size() != text.size()) continue;
    bool same = true;
    for (size_t i = 0; i < name.size() && same; ++i) same = Upper(text[i]) == name[i];
    if (same) {
      out = e.error;
      return true;
    }
  }
  return false;
}

const char* ErrorText(CellError e) {
  for (const ErrorName& n : kErrorNames)
    if (n.error == e) return n.text;
  return "#VALUE!";
}

}  // namespace korvat::host::formula
