#include "automation/call_error.h"

#include "automation/message_box.h"
#include "platform/bstr_owner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace korvat {
namespace {

CallErrorOptions options{};
thread_local int depth = 0;
thread_local CallErrorRecord* threadRecord = nullptr;

void CopyCut(OLECHAR* target, std::size_t capacity, const OLECHAR* source) {
  std::size_t i = 0;
  if (source)
    for (; i + 1 < capacity && source[i]; ++i) target[i] = source[i];
  target[i] = 0;
}

// The record and EXCEPINFO hold plain BSTR fields; freeing one leaves it null.
void FreeString(BSTR& text) { BstrOwner::TakeOver(std::exchange(text, nullptr)); }

void FreeRecordStrings(CallErrorRecord& record) {
  FreeString(record.description);
  FreeString(record.source);
  FreeString(record.helpFile);
}

void FreeExcepInfoStrings(EXCEPINFO* info) {
  if (!info) return;
  FreeString(info->bstrDescription);
  FreeString(info->bstrSource);
  FreeString(info->bstrHelpFile);
}

CallErrorRecord* RecordForFailure() {
  if (!threadRecord) {
    threadRecord = static_cast<CallErrorRecord*>(std::calloc(1, sizeof(CallErrorRecord)));
    return threadRecord;
  }
  if (threadRecord->finished) {
    FreeRecordStrings(*threadRecord);
    std::memset(threadRecord, 0, sizeof *threadRecord);
  }
  return threadRecord;
}

void TakeOverExcepInfo(CallErrorRecord& record, EXCEPINFO* info) {
  if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info);
  record.description = info->bstrDescription;
  record.source = info->bstrSource;
  record.helpFile = info->bstrHelpFile;
  record.helpContext = static_cast<std::int32_t>(info->dwHelpContext);
  record.exceptionCode = info->wCode ? info->wCode : info->scode;
  info->bstrDescription = info->bstrSource = info->bstrHelpFile = nullptr;
}

bool IsEmptyText(BSTR text) { return SysStringLen(text) == 0; }

WideText Composed(const char* format, WideView member, int argument) {
  // format holds at most one %s (the member) and one %d (the argument index).
  WideText out;
  for (const char* p = format; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += member;
      ++p;
    } else if (p[0] == '%' && p[1] == 'd') {
      for (char c : std::to_string(argument)) out += static_cast<OLECHAR>(c);
      ++p;
    } else {
      out += static_cast<OLECHAR>(static_cast<unsigned char>(*p));
    }
  }
  return out;
}

WideText ComposeDescription(const CallErrorRecord& record) {
  const WideView member(record.member);
  switch (static_cast<std::uint32_t>(record.code)) {
    case 0x80004002u:
      return Composed("Object required", member, 0);
    case 0x80020003u:
    case 0x80020006u:
      return Composed("Object doesn't support this property or method: '%s'", member, 0);
    case 0x80020005u:
      if (!member.empty()) return Composed("Type mismatch: '%s'. Argument Index: %d", member, record.argumentError);
      break;
  }
  const std::string system = platform::SystemErrorText(record.code);
  return platform::AnsiToWide(system.empty() ? "Unknown runtime error" : system);
}

WideText WithoutTrailingLineEnd(WideText text) {
  if (text.size() >= 2 && text[text.size() - 2] == u'\r')
    text.resize(text.size() - 2);
  else if (!text.empty() && text.back() == u'\n')
    text.pop_back();
  return text;
}

WideText HexText(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%x", value);
  return platform::AnsiToWide(buffer);
}

WideText Text(const OLECHAR* text) { return text ? WideText(text) : WideText(); }

}  // namespace

void SetErrorDisplay(bool display) {
  options.display = display ? 1 : 0;
  if (display) options.recordingDisabled = 0;
}

HRESULT SetErrorOptions(const CallErrorOptions* newOptions) {
  if (!newOptions) return E_INVALIDARG;
  options = *newOptions;
  return S_OK;
}

HRESULT GetErrorOptions(CallErrorOptions* out) {
  if (!out) return E_INVALIDARG;
  *out = options;
  return S_OK;
}

CallErrorRecord* ThreadErrorRecord() { return threadRecord; }

void ReleaseThreadErrorRecord() {
  if (!threadRecord) return;
  FreeRecordStrings(*threadRecord);
  std::free(threadRecord);
  threadRecord = nullptr;
}

void EnterCall() { ++depth; }

int CallDepth() { return depth; }

void RestoreCallDepth(int savedDepth) { depth = savedDepth; }

HRESULT ExitCall(const CallExit& exit) {
  const bool outermost = depth == 1;
  if (depth > 0) --depth;
  bool taken = false;
  if (FAILED(exit.code) && !options.recordingDisabled) {
    CallErrorRecord* record = RecordForFailure();
    if (!record) {
      FreeExcepInfoStrings(exit.excepInfo);
      return exit.code;
    }
    if (record->code == 0) {
      record->code = exit.code;
      record->dispatchError = exit.dispatchError ? 1 : 0;
      record->argumentError = static_cast<std::int32_t>(exit.argumentError);
      record->errorFunction = exit.function;
      CopyCut(record->member, 64, exit.member);
      if (exit.code == DISP_E_EXCEPTION && exit.excepInfo) {
        TakeOverExcepInfo(*record, exit.excepInfo);
        taken = true;
      }
    }
  }
  if (outermost && threadRecord && threadRecord->code != 0 && !threadRecord->finished) {
    threadRecord->finished = 1;
    threadRecord->initialFunction = exit.function;
    CopyCut(threadRecord->completeMember, 256, exit.completeMember);
    if (options.display) ShowErrorBox(threadRecord);
    if (options.callback) options.callback(threadRecord);
  }
  if (!taken) FreeExcepInfoStrings(exit.excepInfo);
  return exit.code;
}

HRESULT FormatErrorText(CallErrorRecord* record, OLECHAR* buffer, UINT length, int layout) {
  if (!buffer && length != 0) return E_INVALIDARG;
  if (!record) record = threadRecord;
  WideText text;
  if (!record) {
    text = KV_W("No error information available.");
  } else {
    std::uint32_t shownCode = static_cast<std::uint32_t>(record->code);
    if (record->code == DISP_E_EXCEPTION && record->exceptionCode != 0)
      shownCode = static_cast<std::uint32_t>(record->exceptionCode);
    if (IsEmptyText(record->source)) {
      FreeString(record->source);
      record->source = SysAllocString(record->dispatchError ? KV_W("IDispatch Interface") : KV_W("Application"));
    }
    if (IsEmptyText(record->description)) {
      FreeString(record->description);
      const WideText composed = ComposeDescription(*record).substr(0, 255);
      record->description = SysAllocStringLen(composed.data(), static_cast<UINT>(composed.size()));
    }
    const WideText description = WithoutTrailingLineEnd(Text(record->description));
    const bool tabs = layout == 0;
    text = (tabs ? WideText(KV_W("Member:\t  ")) : WideText(KV_W("Member:   "))) + Text(record->completeMember) +
           (tabs ? WideText(KV_W("\r\nFunction:\t  ")) : WideText(KV_W("\r\nFunction: "))) +
           Text(record->initialFunction) +
           (tabs ? WideText(KV_W("\t\t\r\nError In:\t  ")) : WideText(KV_W("\r\nError In: "))) +
           Text(record->errorFunction) + (tabs ? WideText(KV_W("\r\nError:\t  ")) : WideText(KV_W("\r\nError:    "))) +
           description + (tabs ? WideText(KV_W("\r\nCode:\t  ")) : WideText(KV_W("\r\nCode:     "))) +
           HexText(shownCode) + (tabs ? WideText(KV_W("\r\nSource:\t  ")) : WideText(KV_W("\r\nSource:   "))) +
           Text(record->source);
  }
  if (length == 0) return S_OK;
  const std::size_t n = text.size() < length - 1 ? text.size() : length - 1;
  std::memcpy(buffer, text.data(), n * sizeof(OLECHAR));
  buffer[n] = 0;
  return S_OK;
}

HRESULT FormatErrorTextAnsi(CallErrorRecord* record, char* buffer, UINT length, int layout) {
  if (!buffer && length != 0) return E_INVALIDARG;
  OLECHAR wide[1024];
  const HRESULT hr = FormatErrorText(record, wide, 1024, layout);
  if (FAILED(hr)) return hr;
  if (length == 0) return S_OK;
  const std::string narrow = platform::WideToAnsi(wide);
  const std::size_t n = narrow.size() < length - 1 ? narrow.size() : length - 1;
  std::memcpy(buffer, narrow.data(), n);
  buffer[n] = 0;
  return S_OK;
}

HRESULT ShowErrorBox(CallErrorRecord* record) {
  OLECHAR text[512];
  const HRESULT hr = FormatErrorText(record, text, 512, 0);
  if (FAILED(hr)) return hr;
  ShowMessageBox(options.ownerWindow, text, options.title, MB_ICONHAND | MB_SETFOREGROUND);
  return S_OK;
}

}  // namespace korvat
