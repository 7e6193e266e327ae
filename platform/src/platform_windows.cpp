// Platform services on Windows: the system code page, the system's error texts
// and the system message box.

#include "platform/com.h"

namespace korvat::platform {

WideText AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  WideText out(static_cast<std::size_t>(n > 0 ? n : 0), 0);
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string WideToAnsi(WideView text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string SystemErrorText(HRESULT code) {
  char buffer[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 static_cast<DWORD>(code), 0x400, buffer, 255, nullptr);
  std::string text(buffer, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

int ShowSystemMessageBox(void* owner, const OLECHAR* text, const OLECHAR* title, unsigned flags) {
  return MessageBoxW(static_cast<HWND>(owner), text, title, flags);
}

}  // namespace korvat::platform

namespace korvat::platform {

bool BreakDownUtc(std::int64_t seconds, std::tm& out) {
  const __time64_t t = seconds;
  return _gmtime64_s(&out, &t) == 0;
}

bool BreakDownLocal(std::int64_t seconds, std::tm& out) {
  const __time64_t t = seconds;
  return _localtime64_s(&out, &t) == 0;
}

bool MakeLocalTime(std::tm& local, std::int64_t& seconds) {
  const __time64_t t = _mktime64(&local);
  if (t == -1) return false;
  seconds = t;
  return true;
}

}  // namespace korvat::platform
