#include "base/text_helpers.h"

#include "base/number_text.h"

namespace korvat {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  std::size_t begin = 0;
  for (;;) {
    const std::size_t at = text.find(separator, begin);
    if (at == std::string_view::npos) break;
    parts.emplace_back(text.substr(begin, at - begin));
    begin = at + separator.size();
  }
  parts.emplace_back(text.substr(begin));
  return parts;
}

std::string JoinText(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
  }
  return joined;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement) {
  return JoinText(SplitText(text, find), replacement);
}

WideText ReplaceFirstWide(WideView text, WideView find, WideView replacement) {
  WideText result(text);
  if (find.empty()) return result;
  const std::size_t at = text.find(find);
  if (at != WideView::npos) result.replace(at, find.size(), replacement);
  return result;
}

bool IsPlainNumber(std::string_view text) { return FormatDouble(Val(text)) == text; }

std::string_view MidText(std::string_view text, std::size_t start, std::size_t count) {
  if (start < 1 || start > text.size()) return {};
  return text.substr(start - 1, count);
}

std::string TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return TrimRight(text.substr(begin));
}

std::string UpperText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

WideText UpperWide(WideView text) {
  WideText upper(text);
  for (OLECHAR& c : upper) {
    const unsigned u = c;
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) c = static_cast<OLECHAR>(u - 0x20);
  }
  return upper;
}

std::string RemoveChar(std::string_view text, char c) {
  std::string kept;
  kept.reserve(text.size());
  for (char x : text)
    if (x != c) kept += x;
  return kept;
}

}  // namespace korvat
