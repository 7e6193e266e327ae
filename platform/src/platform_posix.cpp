// Platform services off Windows: the system code page is UTF-8, the error texts
// are those the Windows system gives for the codes this library meets, and a
// message box with no user interface to show it in is written to standard error.

#include "platform/com.h"
#include "platform/utf8_text.h"

#include <cstdio>

namespace korvat::platform {

WideText AnsiToWide(std::string_view text) { return Utf8ToWide(text); }

std::string WideToAnsi(WideView text) { return WideToUtf8(text); }

std::string SystemErrorText(HRESULT code) {
  struct Entry {
    std::uint32_t code;
    const char* text;
  };
  static const Entry kTexts[] = {
      {0x80004001u, "Not implemented"},
      {0x80004002u, "No such interface supported"},
      {0x80004003u, "Invalid pointer"},
      {0x80004004u, "Operation aborted"},
      {0x80004005u, "Unspecified error"},
      {0x8000FFFFu, "Catastrophic failure"},
      {0x80070005u, "Access is denied."},
      {0x8007000Eu, "Not enough memory resources are available to complete this operation."},
      {0x80070057u, "The parameter is incorrect."},
      {0x80020001u, "Unknown interface."},
      {0x80020003u, "Member not found."},
      {0x80020004u, "Parameter not found."},
      {0x80020005u, "Type mismatch."},
      {0x80020006u, "Unknown name."},
      {0x80020007u, "No named arguments."},
      {0x80020008u, "Bad variable type."},
      {0x80020009u, "Exception occurred."},
      {0x8002000Au, "Out of present range."},
      {0x8002000Bu, "Invalid index."},
      {0x8002000Eu, "Invalid number of parameters."},
      {0x8002000Fu, "Parameter not optional."},
      {0x80040154u, "Class not registered"},
      {0x800401E3u, "Operation unavailable"},
      {0x800401E4u, "Invalid syntax"},
      {0x800401F3u, "Invalid class string"},
  };
  for (const Entry& e : kTexts)
    if (e.code == static_cast<std::uint32_t>(code)) return e.text;
  return {};
}

int ShowSystemMessageBox(void*, const OLECHAR* text, const OLECHAR* title, unsigned) {
  const std::string t = title ? WideToAnsi(title) : std::string("Error");
  const std::string m = text ? WideToAnsi(text) : std::string();
  std::fprintf(stderr, "%s: %s\n", t.c_str(), m.c_str());
  return 1;  // IDOK
}

}  // namespace korvat::platform

namespace korvat::platform {

bool BreakDownUtc(std::int64_t seconds, std::tm& out) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  return gmtime_r(&t, &out) != nullptr;
}

bool BreakDownLocal(std::int64_t seconds, std::tm& out) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  return localtime_r(&t, &out) != nullptr;
}

bool MakeLocalTime(std::tm& local, std::int64_t& seconds) {
  const std::time_t t = std::mktime(&local);
  if (t == static_cast<std::time_t>(-1)) return false;
  seconds = static_cast<std::int64_t>(t);
  return true;
}

}  // namespace korvat::platform
