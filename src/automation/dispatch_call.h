#pragma once
// The dispatch call layer: one line of text, a member path with printf-like
// placeholders such as ".Cells(%u,%u)" or ".Shapes.AddShape(%e,%e,%e,%e,%e)",
// plus the arguments it names, becomes the GetIDsOfNames and Invoke calls it
// stands for.
//
// Path grammar: an optional leading "."; segments separated by "."; every segment
// but the last is read (property get or method) to reach the next object. In a
// segment the member name ends at the first "(", blank, "=" or "%"; after it only
// placeholders count, literal characters are skipped. A placeholder is "%" and a
// letter, at most 25 per segment:
//
//   d int32 -> I4        u uint32 -> UI4      e double -> R8       b int32 -> BOOL
//   v VARIANT* (shallow, not owned)           B BSTR (not owned)   S const OLECHAR* (copied)
//   s const char* in the system code page (converted)              T text: S or s by wideTextMode
//   o IDispatch* (not owned)                  O IUnknown*          p intptr_t -> I8 / I4
//   D double DATE -> DATE  t int64 seconds -> DATE  f FILETIME* -> DATE  W SYSTEMTIME* -> DATE
//   m no argument: an omitted optional argument
//
// Every operation returns an HRESULT. A failed operation stores nothing through
// its result pointer; the first failure of each outermost call is recorded in the
// thread's CallErrorRecord (call_error.h).
//
// GetValue result letters: d int32, u uint32, e double, b int32 (-1/0), v VARIANT
// (caller clears), B and S BSTR (caller frees), s char* held in a byte-length BSTR
// (caller frees with SysFreeString), T S or s by wideTextMode, o IDispatch* and
// O IUnknown* (caller releases; null fails with E_NOINTERFACE), p intptr_t,
// D double, t int64 seconds, f FILETIME, W SYSTEMTIME; optionally written "%x".

#include "platform/com.h"

#include <cstdarg>

namespace korvat {

constexpr std::size_t kMaxPathLength = 511;
constexpr int kMaxPlaceholders = 25;

HRESULT InitializeCallLayer(bool initializeCom, bool wideTextMode);
void UninitializeCallLayer(bool uninitializeCom);
bool WideTextMode();

HRESULT CallMethod(IDispatch* object, const OLECHAR* path, ...);
HRESULT PutValue(IDispatch* object, const OLECHAR* path, ...);
HRESULT PutRef(IDispatch* object, const OLECHAR* path, ...);
HRESULT GetValue(const OLECHAR* resultType, void* result, IDispatch* object, const OLECHAR* path, ...);
HRESULT Invoke(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* path, ...);

HRESULT CallMethodV(IDispatch* object, const OLECHAR* path, va_list* args);
HRESULT PutValueV(IDispatch* object, const OLECHAR* path, va_list* args);
HRESULT PutRefV(IDispatch* object, const OLECHAR* path, va_list* args);
HRESULT GetValueV(const OLECHAR* resultType, void* result, IDispatch* object, const OLECHAR* path, va_list* args);
HRESULT InvokeV(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* path,
                va_list* args);

// Enumeration over a collection (the object itself when path is null).
HRESULT EnumBegin(IEnumVARIANT** enumerator, IDispatch* object, const OLECHAR* path, ...);
HRESULT EnumBeginV(IEnumVARIANT** enumerator, IDispatch* object, const OLECHAR* path, va_list* args);
// S_FALSE at the end; on S_OK the caller owns the returned reference.
HRESULT EnumNextObject(IEnumVARIANT* enumerator, IDispatch** object);
HRESULT EnumNextVariant(IEnumVARIANT* enumerator, VARIANT* item);

// Object creation and binding. Off Windows no class is registered: these fail
// with the platform's code for an unknown class, recorded like any failure.
HRESULT CreateObject(const OLECHAR* className, const OLECHAR* machine, IDispatch** object);
HRESULT CreateObjectEx(const OLECHAR* className, REFIID riid, DWORD context, COSERVERINFO* serverInfo,
                       void** object);
HRESULT GetObject(const OLECHAR* fileName, const OLECHAR* className, IDispatch** object);
HRESULT GetObjectEx(const OLECHAR* fileName, const OLECHAR* className, REFIID riid, DWORD context,
                    void* reserved, void** object);

}  // namespace korvat
