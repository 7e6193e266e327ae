#include "host/values/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/values/serial_date.h"

namespace korvat::host {
namespace {

enum class TokenKind { Literal, Date, Elapsed, AmPm, Digit, Point, Comma, Percent, Exponent, TextAt, General };

struct Token {
  TokenKind kind;
  std::string text;  // Literal: the text; Date: the code ("yyyy", "mm"); Elapsed: "h", "m", "s"
                     // (repeated for padding); AmPm: "AM/PM" or "A/P"; Digit: "0", "#" or "?";
                     // Exponent: "E+" or "E-"
  bool minutes = false;  // a Date "m"/"mm" that means minutes
};

using Section = std::vector<Token>;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view s, size_t i, std::string_view word) {
  if (s.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (Lower(s[i + k]) != Lower(word[k])) return false;
  return true;
}

std::vector<std::string_view> SplitSections(std::string_view format) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  bool quoted = false, bracket = false;
  for (size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (quoted) {
      quoted = c != '"';
    } else if (bracket) {
      bracket = c != ']';
    } else if (c == '\\') {
      ++i;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracket = true;
    } else if (c == ';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(format.substr(start));
  return sections;
}

void AddLiteral(Section& out, std::string_view text) {
  if (!out.empty() && out.back().kind == TokenKind::Literal) out.back().text += text;
  else out.push_back({TokenKind::Literal, std::string(text)});
}

// "[h]", "[mm]", "[ss]": elapsed time; "[$EUR-407]": a currency literal; colours, conditions
// and locales are dropped.
void AddBracket(Section& out, std::string_view content) {
  if (!content.empty()) {
    char first = Lower(content[0]);
    bool sameLetter = first == 'h' || first == 'm' || first == 's';
    for (char c : content) sameLetter = sameLetter && Lower(c) == first;
    if (sameLetter) {
      out.push_back({TokenKind::Elapsed, std::string(content.size(), first)});
      return;
    }
    if (content[0] == '$') {
      size_t dash = content.find('-');
      AddLiteral(out, content.substr(1, dash == std::string_view::npos ? std::string_view::npos : dash - 1));
    }
  }
}

size_t RunLength(std::string_view s, size_t i) {
  size_t n = 1;
  while (i + n < s.size() && Lower(s[i + n]) == Lower(s[i])) ++n;
  return n;
}

Section Tokenize(std::string_view s) {
  Section out;
  for (size_t i = 0; i < s.size();) {
    char c = s[i];
    char lc = Lower(c);
    if (c == '"') {
      size_t end = s.find('"', i + 1);
      if (end == std::string_view::npos) end = s.size();
      AddLiteral(out, s.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (c == '\\') {
      if (i + 1 < s.size()) AddLiteral(out, s.substr(i + 1, 1));
      i += 2;
    } else if (c == '_') {
      AddLiteral(out, " ");
      i += 2;
    } else if (c == '*') {
      i += 2;
    } else if (c == '[') {
      size_t end = s.find(']', i);
      if (end == std::string_view::npos) end = s.size();
      AddBracket(out, s.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (StartsWithNoCase(s, i, "general")) {
      out.push_back({TokenKind::General, {}});
      i += 7;
    } else if (StartsWithNoCase(s, i, "am/pm")) {
      out.push_back({TokenKind::AmPm, "AM/PM"});
      i += 5;
    } else if (StartsWithNoCase(s, i, "a/p")) {
      out.push_back({TokenKind::AmPm, "A/P"});
      i += 3;
    } else if (lc == 'y' || lc == 'm' || lc == 'd' || lc == 'h' || lc == 's') {
      size_t n = RunLength(s, i);
      out.push_back({TokenKind::Date, std::string(n, lc)});
      i += n;
    } else if (lc == 'e' && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
      out.push_back({TokenKind::Exponent, std::string("E") + s[i + 1]});
      i += 2;
    } else if (c == '0' || c == '#' || c == '?') {
      out.push_back({TokenKind::Digit, std::string(1, c)});
      ++i;
    } else if (c == '.') {
      out.push_back({TokenKind::Point, "."});
      ++i;
    } else if (c == ',') {
      out.push_back({TokenKind::Comma, ","});
      ++i;
    } else if (c == '%') {
      out.push_back({TokenKind::Percent, "%"});
      ++i;
    } else if (c == '@') {
      out.push_back({TokenKind::TextAt, "@"});
      ++i;
    } else {
      AddLiteral(out, s.substr(i, 1));
      ++i;
    }
  }
  return out;
}

bool IsTimeToken(const Token& t, char letter) {
  return (t.kind == TokenKind::Date || t.kind == TokenKind::Elapsed) && t.text[0] == letter;
}

// "m" and "mm" mean minutes right after an hour or right before a second.
void MarkMinutes(Section& section) {
  int previous = -1;
  for (size_t i = 0; i < section.size(); ++i) {
    Token& t = section[i];
    if (t.kind != TokenKind::Date && t.kind != TokenKind::Elapsed) continue;
    if (t.kind == TokenKind::Date && t.text[0] == 'm' && t.text.size() <= 2) {
      bool afterHour = previous >= 0 && IsTimeToken(section[static_cast<size_t>(previous)], 'h');
      bool beforeSecond = false;
      for (size_t k = i + 1; k < section.size(); ++k) {
        const Token& n = section[k];
        if (n.kind != TokenKind::Date && n.kind != TokenKind::Elapsed) continue;
        beforeSecond = IsTimeToken(n, 's');
        break;
      }
      t.minutes = afterHour || beforeSecond;
    }
    previous = static_cast<int>(i);
  }
}

bool HasKind(const Section& s, TokenKind kind) {
  for (const Token& t : s)
    if (t.kind == kind) return true;
  return false;
}

bool IsDateSection(const Section& s) {
  return HasKind(s, TokenKind::Date) || HasKind(s, TokenKind::Elapsed) || HasKind(s, TokenKind::AmPm);
}

std::string Padded(int64_t value, size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string DateToken(const Token& t, const DateParts& p, bool twelveHour) {
  size_t n = t.text.size();
  switch (t.text[0]) {
    case 'y': return n <= 2 ? Padded(p.year % 100, 2) : Padded(p.year, 4);
    case 'd':
      if (n <= 2) return Padded(p.day, n);
      return n == 3 ? std::string(kWeekdays[p.weekday]).substr(0, 3) : kWeekdays[p.weekday];
    case 'h': {
      int h = p.hour;
      if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
      return Padded(h, n >= 2 ? 2 : 1);
    }
    case 's': return Padded(p.second, n >= 2 ? 2 : 1);
    case 'm':
      if (t.minutes) return Padded(p.minute, n);
      if (n <= 2) return Padded(p.month, n);
      if (n == 3) return std::string(kMonths[p.month - 1]).substr(0, 3);
      if (n == 4) return kMonths[p.month - 1];
      return std::string(kMonths[p.month - 1]).substr(0, 1);
  }
  return {};
}

std::string ElapsedToken(const Token& t, const DateParts& p, bool negative) {
  int64_t total = t.text[0] == 'h' ? p.totalSeconds / 3600 : t.text[0] == 'm' ? p.totalSeconds / 60 : p.totalSeconds;
  return (negative ? "-" : "") + Padded(total, t.text.size());
}

std::string FormatDate(const Section& section, double value) {
  bool negative = value < 0;
  bool elapsedOnly = !HasKind(section, TokenKind::Date) && HasKind(section, TokenKind::Elapsed);
  DateParts p;
  // Elapsed times may be negative; a date may not.
  if (!SplitSerial(elapsedOnly ? std::fabs(value) : value, &p)) return "########";
  bool twelveHour = HasKind(section, TokenKind::AmPm);
  std::string out;
  for (const Token& t : section) {
    switch (t.kind) {
      case TokenKind::Date: out += DateToken(t, p, twelveHour); break;
      case TokenKind::Elapsed: out += ElapsedToken(t, p, negative && elapsedOnly && out.empty()); break;
      case TokenKind::AmPm:
        out += t.text == "A/P" ? (p.hour < 12 ? "A" : "P") : (p.hour < 12 ? "AM" : "PM");
        break;
      case TokenKind::General: out += FormatGeneral(value); break;
      case TokenKind::TextAt: break;
      default: out += t.text; break;
    }
  }
  return out;
}

// What the digit placeholders of a numeric section ask for.
struct NumberShape {
  int integerDigits = 0;   // placeholders before the point
  int minIntegerDigits = 0;  // '0' placeholders before the point
  std::string fraction;    // placeholders after the point, in order
  int exponentDigits = 0;
  bool grouping = false;
  int scaleCommas = 0;
  int percents = 0;
  bool exponent = false;
};

NumberShape ShapeOf(const Section& s) {
  NumberShape shape;
  enum { Integer, Fraction, Exponent } part = Integer;
  for (size_t i = 0; i < s.size(); ++i) {
    const Token& t = s[i];
    if (t.kind == TokenKind::Point && part == Integer) part = Fraction;
    else if (t.kind == TokenKind::Exponent) part = Exponent, shape.exponent = true;
    else if (t.kind == TokenKind::Percent) ++shape.percents;
    else if (t.kind == TokenKind::Digit) {
      if (part == Integer) {
        ++shape.integerDigits;
        if (t.text == "0") ++shape.minIntegerDigits;
      } else if (part == Fraction) {
        shape.fraction += t.text;
      } else {
        ++shape.exponentDigits;
      }
    } else if (t.kind == TokenKind::Comma && part == Integer && shape.integerDigits > 0) {
      bool digitFollows = false;
      for (size_t k = i + 1; k < s.size() && s[k].kind != TokenKind::Point && s[k].kind != TokenKind::Exponent; ++k)
        digitFollows = digitFollows || s[k].kind == TokenKind::Digit;
      if (digitFollows) shape.grouping = true;
      else ++shape.scaleCommas;
    }
  }
  return shape;
}

std::string Grouped(const std::string& digits) {
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

// The digits of a non-negative value rounded to `decimals` places, halves away from zero, on
// the 15 significant digits the host keeps (so 2.5 gives 3 and 1.005 gives 1.01).
void FixedDigits(double x, int decimals, std::string* integer, std::string* fraction) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
  int pointAt = std::atoi(buf + 17) + 1;  // digits before the decimal point
  int keep = pointAt + decimals;
  if (keep < 0) {
    digits = "0", pointAt = 1;
  } else if (keep < static_cast<int>(digits.size())) {
    bool up = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    for (int i = keep - 1; up && i >= 0; --i) {
      char& d = digits[static_cast<size_t>(i)];
      up = d == '9';
      d = up ? '0' : static_cast<char>(d + 1);
    }
    if (up) digits.insert(0, "1"), ++pointAt;
  }
  if (pointAt <= 0) digits.insert(0, static_cast<size_t>(1 - pointAt), '0'), pointAt = 1;
  if (static_cast<int>(digits.size()) < pointAt + decimals)
    digits.append(static_cast<size_t>(pointAt + decimals) - digits.size(), '0');
  *integer = digits.substr(0, static_cast<size_t>(pointAt));
  size_t nonZero = integer->find_first_not_of('0');
  *integer = nonZero == std::string::npos ? "0" : integer->substr(nonZero);
  *fraction = digits.substr(static_cast<size_t>(pointAt), static_cast<size_t>(decimals));
}

std::string FixedWithoutTrailingZeros(double x, int decimals) {
  std::string integer, fraction;
  FixedDigits(x, decimals, &integer, &fraction);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? integer : integer + '.' + fraction;
}

// x / 10^exponent, also where 10^exponent itself is out of range (subnormal x).
double Scaled(double x, int exponent) {
  return exponent < -300 ? x * 1e300 / std::pow(10.0, exponent + 300) : x / std::pow(10.0, exponent);
}

// x > 0 as d.dddE+nn with at most `decimals` mantissa decimals, rounded half away from zero.
std::string ScientificWithoutTrailingZeros(double x, int decimals) {
  int exponent = static_cast<int>(std::floor(std::log10(x)));
  std::string mantissa = FixedWithoutTrailingZeros(Scaled(x, exponent), decimals);
  // The logarithm can miss by one at a power of ten; so can rounding up to 10.
  if (mantissa[0] == '0') --exponent;
  else if (mantissa.size() >= 2 && mantissa[1] != '.') ++exponent;
  else return mantissa + (exponent < 0 ? "E-" : "E+") + Padded(std::abs(exponent), 2);
  mantissa = FixedWithoutTrailingZeros(Scaled(x, exponent), decimals);
  return mantissa + (exponent < 0 ? "E-" : "E+") + Padded(std::abs(exponent), 2);
}

std::string FormatDigits(const Section& section, double x) {
  NumberShape shape = ShapeOf(section);
  for (int i = 0; i < shape.percents; ++i) x *= 100.0;
  for (int i = 0; i < shape.scaleCommas; ++i) x /= 1000.0;
  int decimals = static_cast<int>(shape.fraction.size());
  int exponent = 0;
  if (shape.exponent && x != 0.0) {
    int lead = shape.integerDigits > 0 ? shape.integerDigits : 1;
    exponent = static_cast<int>(std::floor(std::log10(x))) - (lead - 1);
    double scale = std::pow(10.0, decimals);
    double mantissa = std::round(x / std::pow(10.0, exponent) * scale) / scale;
    if (mantissa >= std::pow(10.0, lead)) ++exponent;  // rounding carried into a new digit
    x /= std::pow(10.0, exponent);
  }
  if (x >= 1e300) return "#NUM!";
  std::string integer, fraction;
  FixedDigits(x, decimals, &integer, &fraction);
  if (integer == "0" && shape.minIntegerDigits == 0) integer.clear();
  if (static_cast<int>(integer.size()) < shape.minIntegerDigits)
    integer.insert(0, static_cast<size_t>(shape.minIntegerDigits) - integer.size(), '0');
  if (shape.grouping) integer = Grouped(integer);
  // Trailing zeros under '#' go, under '?' become blanks.
  for (size_t k = fraction.size(); k-- > 0 && fraction[k] == '0' && shape.fraction[k] != '0';) {
    if (shape.fraction[k] == '#') fraction.erase(k);
    else fraction[k] = ' ';
  }

  std::string out;
  enum { Integer, Fraction, Exponent } part = Integer;
  bool integerWritten = false;
  size_t fractionAt = 0;
  for (const Token& t : section) {
    switch (t.kind) {
      case TokenKind::Digit:
        if (part == Integer && !integerWritten) out += integer, integerWritten = true;
        else if (part == Fraction && fractionAt < fraction.size()) out += fraction[fractionAt++];
        break;
      case TokenKind::Point:
        if (part == Integer) {
          if (!integerWritten) out += integer, integerWritten = true;
          out += '.';
          part = Fraction;
        } else {
          out += '.';
        }
        break;
      case TokenKind::Exponent: {
        part = Exponent;
        out += 'E';
        if (exponent < 0) out += '-';
        else if (t.text == "E+") out += '+';
        out += Padded(std::abs(exponent), static_cast<size_t>(shape.exponentDigits));
        break;
      }
      case TokenKind::Percent: out += '%'; break;
      case TokenKind::Comma:
      case TokenKind::TextAt: break;
      case TokenKind::General: out += FormatGeneral(x); break;
      default: out += t.text; break;
    }
  }
  return out;
}

std::string FormatTextSection(const Section& section, const std::string& text) {
  std::string out;
  for (const Token& t : section) {
    if (t.kind == TokenKind::TextAt) out += text;
    else if (t.kind == TokenKind::Literal) out += t.text;
  }
  return out;
}

bool IsGeneralOnly(const Section& s) {
  bool general = false;
  for (const Token& t : s) {
    if (t.kind == TokenKind::General) general = true;
    else if (t.kind != TokenKind::Literal) return false;
  }
  return general || s.empty();
}

std::string FormatWithSection(Section section, double value, bool writeSign) {
  MarkMinutes(section);
  if (IsDateSection(section)) return FormatDate(section, value);
  bool hasDigits = HasKind(section, TokenKind::Digit);
  if (!hasDigits && (HasKind(section, TokenKind::TextAt) || IsGeneralOnly(section))) {
    if (HasKind(section, TokenKind::General)) {
      std::string out;
      for (const Token& t : section) out += t.kind == TokenKind::General ? FormatGeneral(writeSign ? value : std::fabs(value)) : t.text;
      return out;
    }
    if (section.empty() || HasKind(section, TokenKind::TextAt)) return FormatGeneral(writeSign ? value : std::fabs(value));
  }
  std::string digits = FormatDigits(section, std::fabs(value));
  return (writeSign && value < 0 ? "-" : "") + digits;
}

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return "#NUM!";
  if (value == 0.0) return "0";
  const int width = value < 0 ? 10 : 11;
  const std::string sign = value < 0 ? "-" : "";
  double a = std::fabs(value);
  char buf[64];
  if (a >= 1e-4 && a < 1e11) {
    int integerDigits = a >= 1.0 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 1;
    int decimals = std::max(0, width - integerDigits - 1);
    std::snprintf(buf, sizeof buf, "%.*f", decimals, a);
    std::string s = buf;
    if (s.find('.') != std::string::npos) {
      while (s.back() == '0') s.pop_back();
      if (s.back() == '.') s.pop_back();
    }
    if (static_cast<int>(s.size()) <= width) return sign + s;
  }
  // Scientific: the mantissa gets what the exponent leaves of the width.
  int exponent = static_cast<int>(std::floor(std::log10(a)));
  int exponentChars = std::abs(exponent) >= 100 ? 5 : 4;
  int decimals = std::max(0, width - exponentChars - 2);
  std::snprintf(buf, sizeof buf, "%.*E", decimals, a);
  std::string s = buf;
  size_t e = s.find('E');
  std::string mantissa = s.substr(0, e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return sign + mantissa + s.substr(e);
}

bool IsGeneralFormat(std::string_view numberFormat) {
  return numberFormat.empty() || (numberFormat.size() == 7 && StartsWithNoCase(numberFormat, 0, "general"));
}

std::string FormatGeneralToFit(double value, const std::function<bool(std::string_view)>& fits) {
  std::string full = FormatGeneral(value);
  if (fits(full)) return full;
  if (!std::isfinite(value) || value == 0.0) return {};
  const std::string sign = value < 0 ? "-" : "";
  const double a = std::fabs(value);
  if (full.find('E') == std::string::npos) {
    size_t point = full.find('.');
    int decimals = point == std::string::npos ? 0 : static_cast<int>(full.size() - point - 1);
    for (int d = decimals - 1; d >= 0; --d) {
      std::string shown = FixedWithoutTrailingZeros(a, d);
      if (shown == "0") break;  // the digits left say nothing about the number
      if (fits(sign + shown)) return sign + shown;
    }
  }
  for (int d = 5; d >= 0; --d) {
    std::string shown = sign + ScientificWithoutTrailingZeros(a, d);
    if (fits(shown)) return shown;
  }
  return {};
}

std::string FormatNumber(double value, std::string_view numberFormat) {
  std::vector<std::string_view> sections = SplitSections(numberFormat);
  if (sections.size() == 1) return FormatWithSection(Tokenize(sections[0]), value, true);
  size_t chosen = value > 0 || (value == 0 && sections.size() < 3) ? 0 : value < 0 ? 1 : 2;
  // An empty section of a format with several hides the value.
  if (sections[chosen].empty()) return {};
  return FormatWithSection(Tokenize(sections[chosen]), value, false);
}

std::string FormatCellValue(const CellValue& value, std::string_view numberFormat) {
  switch (value.kind) {
    case CellValue::Kind::Empty: return {};
    case CellValue::Kind::Number: return FormatNumber(value.number, numberFormat);
    case CellValue::Kind::Boolean: return value.AsBool() ? "TRUE" : "FALSE";
    case CellValue::Kind::Error: return CellErrorText(value.error);
    case CellValue::Kind::Text: break;
  }
  std::vector<std::string_view> sections = SplitSections(numberFormat);
  if (sections.size() >= 4) return FormatTextSection(Tokenize(sections[3]), value.text);
  Section first = Tokenize(sections[0]);
  if (HasKind(first, TokenKind::TextAt)) return FormatTextSection(first, value.text);
  return value.text;
}

std::string PlainNumberText(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", number);
  return buffer;
}

}  // namespace korvat::host
