#pragma once
// The value a cell holds or a formula produces. Plain data; no COM in it.

#include <string>
#include <utility>

namespace korvat::host {

// The host's error values, in the order of their text forms below.
enum class CellError { Null, Div0, Value, Ref, Name, Num, NA };

const char* CellErrorText(CellError e);  // "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A"

struct CellValue {
  enum class Kind { Empty, Number, Text, Boolean, Error };

  Kind kind = Kind::Empty;
  double number = 0.0;     // Number; Boolean as 0 or 1
  std::string text;        // Text, UTF-8
  CellError error = CellError::Value;

  static CellValue Empty() { return {}; }
  static CellValue Number(double d) { CellValue v; v.kind = Kind::Number; v.number = d; return v; }
  static CellValue Text(std::string s) { CellValue v; v.kind = Kind::Text; v.text = std::move(s); return v; }
  static CellValue Boolean(bool b) { CellValue v; v.kind = Kind::Boolean; v.number = b ? 1.0 : 0.0; return v; }
  static CellValue Error(CellError e) { CellValue v; v.kind = Kind::Error; v.error = e; return v; }

  bool IsEmpty() const { return kind == Kind::Empty; }
  bool IsNumber() const { return kind == Kind::Number; }
  bool IsText() const { return kind == Kind::Text; }
  bool IsBoolean() const { return kind == Kind::Boolean; }
  bool IsError() const { return kind == Kind::Error; }
  bool AsBool() const { return number != 0.0; }

  friend bool operator==(const CellValue& a, const CellValue& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
      case Kind::Empty: return true;
      case Kind::Number:
      case Kind::Boolean: return a.number == b.number;
      case Kind::Text: return a.text == b.text;
      case Kind::Error: return a.error == b.error;
    }
    return false;
  }
};

}  // namespace korvat::host
