#pragma once
// The per-thread record of the first failure of a call layer operation, the
// process-wide options for showing it, and its text.
//
// Every layer operation enters and exits through EnterCall/ExitCall. Only the
// first failure of one outermost call is recorded; when the outermost call ends
// the record is marked finished, and the next failure on the thread empties it
// before filling it again.

#include "platform/com.h"

namespace korvat {

struct CallErrorRecord {
  const OLECHAR* initialFunction;  // outermost operation of the failed call
  const OLECHAR* errorFunction;    // operation in which the failure was first seen
  HRESULT code;
  OLECHAR member[64];              // member being processed, cut to 63 characters
  OLECHAR completeMember[256];     // path given to the outermost operation, cut to 255
  std::int32_t exceptionCode;      // from EXCEPINFO: wCode, else scode
  BSTR description;                // owned
  BSTR source;                     // owned
  BSTR helpFile;                   // owned
  std::int32_t helpContext;
  std::int32_t argumentError;
  std::int32_t dispatchError;      // failure came from GetIDsOfNames, Invoke or _NewEnum
  std::int32_t finished;           // the outermost operation has completed since the record was filled
};

using CallErrorCallback = void (*)(CallErrorRecord* record);

struct CallErrorOptions {
  void* ownerWindow;
  const OLECHAR* title;  // none: the system's default title
  std::int32_t display;
  std::int32_t recordingDisabled;
  CallErrorCallback callback;
};

// Switches the error box on or off; switching it on also re-enables recording.
void SetErrorDisplay(bool display);
HRESULT SetErrorOptions(const CallErrorOptions* options);
HRESULT GetErrorOptions(CallErrorOptions* options);

// This thread's record, or null when nothing has failed on it yet.
CallErrorRecord* ThreadErrorRecord();
void ReleaseThreadErrorRecord();

// Composes the error text of the record (null: this thread's) into the buffer,
// cut to length characters and always terminated. Layout 0 aligns with tabs,
// any other value with blanks. Fills an empty source and description of the
// record as it goes.
HRESULT FormatErrorText(CallErrorRecord* record, OLECHAR* buffer, UINT length, int layout);
HRESULT FormatErrorTextAnsi(CallErrorRecord* record, char* buffer, UINT length, int layout);
HRESULT ShowErrorBox(CallErrorRecord* record);

// Nesting and capture, used by every layer operation.
struct CallExit {
  HRESULT code = S_OK;
  const OLECHAR* function = nullptr;       // this operation's name
  const OLECHAR* completeMember = nullptr;  // the path given to this operation
  const OLECHAR* member = nullptr;          // the member name or segment being processed
  bool dispatchError = false;
  EXCEPINFO* excepInfo = nullptr;           // its strings are taken over or freed
  UINT argumentError = 0;
};
void EnterCall();
HRESULT ExitCall(const CallExit& exit);
int CallDepth();
// Sets this thread's nesting depth back to a depth read before: an exception
// that unwound through layer operations skipped their exits.
void RestoreCallDepth(int savedDepth);

}  // namespace korvat
