#pragma once
// Text helpers shared across the library. None reads beyond the text it is
// given: positions past the end give empty parts, never an out-of-range read.

#include "platform/com.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvat {

// The parts between the occurrences of separator, numbered from 0; a text
// without the separator (or an empty separator) is one part.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);
// The parts in order with separator between them.
std::string JoinText(const std::vector<std::string>& parts, std::string_view separator);
// Every occurrence of find replaced; an empty find leaves the text as it is.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement);
// The first occurrence only, on wide text; an empty find leaves the text as it is.
WideText ReplaceFirstWide(WideView text, WideView find, WideView replacement);

// True when the text's numeric value, written back in the double form, equals
// the text: "7" is plain, " 7", "07" and "" are not.
bool IsPlainNumber(std::string_view text);

// Up to count characters from the 1-based position start; what lies past the
// end of the text is simply not there.
std::string_view MidText(std::string_view text, std::size_t start, std::size_t count);

std::string TrimRight(std::string_view text);  // trailing blanks removed
std::string Trim(std::string_view text);       // leading and trailing blanks removed
std::string UpperText(std::string_view text);  // ASCII letters upper-cased
// ASCII and Latin-1 letters upper-cased.
WideText UpperWide(WideView text);
std::string RemoveChar(std::string_view text, char c);

}  // namespace korvat
