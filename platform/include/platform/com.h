#pragma once
// The one place that decides the platform. On Windows the system's COM and
// Automation headers; elsewhere the project's own compatibility layer with the
// same names, layouts and behaviour. Everything above this header is the same
// code on both.

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <objbase.h>
// The wingdi macro would rename the call layer's GetObject.
#undef GetObject
#undef CreateObject
#define KV_W(text) L##text
#else
#include "platform/compat/com_compat.h"
#define KV_W(text) u##text
#endif

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// Wide text as the host sees it: UTF-16 code units on every platform.
using WideText = std::basic_string<OLECHAR>;
using WideView = std::basic_string_view<OLECHAR>;

static_assert(sizeof(OLECHAR) == 2, "BSTR text must be UTF-16 on every platform");

namespace korvat::platform {

// System code page conversions (the ANSI code page on Windows, UTF-8 elsewhere).
WideText AnsiToWide(std::string_view text);
std::string WideToAnsi(WideView text);

// The system's text for an error code, without a trailing line end; empty when
// the system has none.
std::string SystemErrorText(HRESULT code);

// Thread-safe calendar breakdowns of 64-bit seconds since 1970; false when the
// platform cannot represent the time.
bool BreakDownUtc(std::int64_t seconds, std::tm& out);
bool BreakDownLocal(std::int64_t seconds, std::tm& out);
// mktime on a local breakdown; false when it fails.
bool MakeLocalTime(std::tm& local, std::int64_t& seconds);

// A message box with no owner window; returns the button pressed.
int ShowSystemMessageBox(void* owner, const OLECHAR* text, const OLECHAR* title, unsigned flags);

}  // namespace korvat::platform
