#include "host_formula/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvat::host::formula::testing {

namespace {

struct ErrorSpelling {
  const char* text;
  CellError error;
};

constexpr ErrorSpelling kErrors[] = {
    {"#NULL!", CellError::Null}, {"#DIV/0!", CellError::Div0}, {"#VALUE!", CellError::Value},
    {"#REF!", CellError::Ref},   {"#NAME?", CellError::Name},  {"#NUM!", CellError::Num},
    {"#N/A", CellError::NA},
};

}  // namespace

bool ValueFromText(const std::string& text, CellValue& out) {
  if (text == "empty") {
    out = CellValue::Empty();
    return true;
  }
  if (text == "TRUE" || text == "FALSE") {
    out = CellValue::Boolean(text == "TRUE");
    return true;
  }
  for (const ErrorSpelling& e : kErrors)
    if (text == e.text) {
      out = CellValue::Error(e.error);
      return true;
    }
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    std::string s;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
      s += text[i];
      if (text[i] == '"') ++i;
    }
    out = CellValue::Text(s);
    return true;
  }
  char* end = nullptr;
  double d = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') return false;
  out = CellValue::Number(d);
  return true;
}

std::string ValueToText(const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty: return "empty";
    case CellValue::Kind::Boolean: return v.AsBool() ? "TRUE" : "FALSE";
    case CellValue::Kind::Text: return "\"" + v.text + "\"";
    case CellValue::Kind::Error:
      for (const ErrorSpelling& e : kErrors)
        if (e.error == v.error) return e.text;
      return "#?";
    case CellValue::Kind::Number: {
      char buffer[40];
      std::snprintf(buffer, sizeof buffer, "%.17g", v.number);
      return buffer;
    }
  }
  return "?";
}

bool SameValue(const CellValue& a, const CellValue& b) {
  if (a.IsNumber() && b.IsNumber()) {
    double scale = std::fmax(1.0, std::fmax(std::fabs(a.number), std::fabs(b.number)));
    return std::fabs(a.number - b.number) <= scale * 1e-12;
  }
  return a == b;
}

}  // namespace korvat::host::formula::testing
