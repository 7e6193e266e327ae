#include "automation/dispatch_call.h"

#include "automation/call_error.h"
#include "automation/date_conversion.h"
#include "automation/member_id_cache.h"
#include "automation/member_path.h"
#include "platform/bstr_owner.h"
#include "platform/com_ref.h"
#include "platform/variant_owner.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace korvat {
namespace {

std::atomic<bool> wideText{false};

constexpr WORD kGetFlags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// The arguments of one segment, in the order Invoke expects (last placeholder
// first). The slots are the plain VARIANTs Invoke reads; the strings the layer
// allocates for them ("S", "s") are owned beside them and freed with the array.
class ArgumentArray {
 public:
  ArgumentArray() {
    for (VARIANT& v : slots_) VariantInit(&v);
  }
  ArgumentArray(const ArgumentArray&) = delete;
  ArgumentArray& operator=(const ArgumentArray&) = delete;

  // The next slot, from the end backwards; the segment scan allows no more than there are.
  VARIANT& Next() { return slots_[--lowest_]; }
  // The current slot holds this string, which the array keeps until it is cleared.
  void Own(BstrOwner text) {
    slots_[lowest_].bstrVal = text.Get();
    owned_[lowest_] = std::move(text);
  }
  UINT Count() const { return static_cast<UINT>(kMaxPlaceholders - lowest_); }
  VARIANT* First() { return Count() ? &slots_[lowest_] : nullptr; }

  void ClearOwned() {
    for (int i = lowest_; i < kMaxPlaceholders; ++i) {
      owned_[i].Reset();
      VariantInit(&slots_[i]);
    }
  }

 private:
  VARIANT slots_[kMaxPlaceholders];
  BstrOwner owned_[kMaxPlaceholders];
  int lowest_ = kMaxPlaceholders;
};

OLECHAR* FindDot(OLECHAR* text) {
  for (; *text; ++text)
    if (*text == u'.') return text;
  return nullptr;
}

HRESULT DateArgument(HRESULT converted, double date, VARIANT& v) {
  if (FAILED(converted)) return converted;
  v.vt = VT_DATE;
  v.date = date;
  return S_OK;
}

// Fills v from the argument list for one placeholder letter; a string the layer
// allocates for it goes to owned.
HRESULT BuildArgument(OLECHAR letter, va_list* args, VARIANT& v, BstrOwner& owned) {
  if (letter == u'T') letter = WideTextMode() ? u'S' : u's';
  switch (letter) {
    case u'd': v.vt = VT_I4; v.lVal = va_arg(*args, std::int32_t); return S_OK;
    case u'u': v.vt = VT_UI4; v.ulVal = va_arg(*args, std::uint32_t); return S_OK;
    case u'e': v.vt = VT_R8; v.dblVal = va_arg(*args, double); return S_OK;
    case u'b': v.vt = VT_BOOL; v.boolVal = va_arg(*args, std::int32_t) ? VARIANT_TRUE : VARIANT_FALSE; return S_OK;
    case u'D': v.vt = VT_DATE; v.date = va_arg(*args, double); return S_OK;
    case u'o': v.vt = VT_DISPATCH; v.pdispVal = va_arg(*args, IDispatch*); return S_OK;
    case u'O': v.vt = VT_UNKNOWN; v.punkVal = va_arg(*args, IUnknown*); return S_OK;
    case u'B': v.vt = VT_BSTR; v.bstrVal = va_arg(*args, BSTR); return S_OK;
    case u'm': v.vt = VT_ERROR; v.scode = DISP_E_PARAMNOTFOUND; return S_OK;
    case u'p':
      if (sizeof(void*) == 8) {
        v.vt = VT_I8;
        v.llVal = static_cast<LONGLONG>(va_arg(*args, std::intptr_t));
      } else {
        v.vt = VT_I4;
        v.lVal = static_cast<LONG>(va_arg(*args, std::intptr_t));
      }
      return S_OK;
    case u'v': {
      const VARIANT* source = va_arg(*args, const VARIANT*);
      if (!source) return E_INVALIDARG;
      v = *source;  // shallow: the caller keeps ownership
      return S_OK;
    }
    case u'S': {
      const OLECHAR* text = va_arg(*args, const OLECHAR*);
      v.vt = VT_BSTR;
      v.bstrVal = nullptr;
      if (text && !(owned = BstrOwner::Copy(WideView(text)))) return E_OUTOFMEMORY;
      return S_OK;
    }
    case u's': {
      const char* text = va_arg(*args, const char*);
      v.vt = VT_BSTR;
      v.bstrVal = nullptr;
      if (text && !(owned = BstrOwner::Copy(platform::AnsiToWide(text)))) return E_OUTOFMEMORY;
      return S_OK;
    }
    case u't': {
      double date = 0;
      const HRESULT hr = TimeTToDate(va_arg(*args, std::int64_t), &date);
      return DateArgument(hr, date, v);
    }
    case u'f': {
      const FILETIME* ft = va_arg(*args, const FILETIME*);
      double date = 0;
      return DateArgument(ft ? FileTimeToDate(*ft, &date) : E_INVALIDARG, date, v);
    }
    case u'W': {
      const SYSTEMTIME* st = va_arg(*args, const SYSTEMTIME*);
      double date = 0;
      return DateArgument(st ? SystemTimeToDate(*st, &date) : E_INVALIDARG, date, v);
    }
    default:
      return E_INVALIDARG;
  }
}

// Reads the member name of a segment into name and its placeholders into the array.
HRESULT CreateArgumentArray(const OLECHAR* segment, OLECHAR* name, ArgumentArray& arguments, va_list* args) {
  EnterCall();
  const SegmentScan scan = ScanPathSegment(segment);
  std::copy_n(segment, scan.nameLength, name);
  name[scan.nameLength] = 0;
  HRESULT hr = S_OK;
  // The placeholders before a fault take their arguments first, as the path reads.
  for (int k = 0; k < scan.count && SUCCEEDED(hr); ++k) {
    VARIANT& slot = arguments.Next();
    BstrOwner owned;
    hr = BuildArgument(scan.letters[k], args, slot, owned);
    if (owned) arguments.Own(std::move(owned));
  }
  if (SUCCEEDED(hr)) hr = scan.fault;
  if (FAILED(hr)) arguments.ClearOwned();
  return ExitCall({hr, KV_W("CreateArgumentArray"), segment, name});
}

// member is the cache's type of this member on this object (0: ask the host).
HRESULT InvokeArray(WORD flags, VARIANT* result, UINT count, IDispatch* object, OLECHAR* name, VARIANT* arguments,
                    MemberKind member) {
  EnterCall();
  if (!object || !name || !*name || (count != 0 && !arguments))
    return ExitCall({E_INVALIDARG, KV_W("InvokeArray"), name, name});
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = S_OK;
  if (!FindMemberId(member, id)) {
    hr = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return ExitCall({hr, KV_W("InvokeArray"), name, name, true});
    StoreMemberId(member, id);
  }
  if (result) VariantInit(result);
  DISPID namedPut = DISPID_PROPERTYPUT;
  DISPPARAMS params{arguments, nullptr, count, 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &namedPut;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info;
  std::memset(&info, 0, sizeof info);
  UINT argumentError = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &argumentError);
  return ExitCall({hr, KV_W("InvokeArray"), name, name, true, &info, argumentError});
}

// parent is the cache's type of object; *member receives the type of the segment's member.
HRESULT InternalInvokeV(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* segment,
                        va_list* args, MemberKind parent, MemberKind* member) {
  EnterCall();
  OLECHAR name[kMaxPathLength + 1];
  ArgumentArray arguments;
  HRESULT hr = CreateArgumentArray(segment, name, arguments, args);
  if (SUCCEEDED(hr)) {
    *member = KindOfMember(parent, name, arguments.Count());
    hr = InvokeArray(flags, result, arguments.Count(), object, name, arguments.First(), *member);
  }
  arguments.ClearOwned();
  if (SUCCEEDED(hr) && result && returnType != VT_EMPTY && result->vt != returnType) {
    hr = VariantChangeType(result, result, VARIANT_ALPHABOOL, returnType);
    if (FAILED(hr)) VariantOwner::Discard(*result);
  }
  return ExitCall({hr, KV_W("InternalInvokeV"), segment, name});
}

// Walks every segment but the last; on success current holds a reference to the
// object the last segment acts on and rest points at that segment.
// kind follows the cache's type of current.
HRESULT TraverseSubObjects(ComRef<IDispatch>& current, OLECHAR*& rest, va_list* args, MemberKind& kind) {
  EnterCall();
  HRESULT hr = S_OK;
  while (OLECHAR* dot = FindDot(rest)) {
    *dot = 0;
    VariantOwner next;
    MemberKind member = 0;
    hr = InternalInvokeV(kGetFlags, VT_DISPATCH, next.Get(), current.Get(), rest, args, kind, &member);
    kind = KindOfResult(member);
    current.Reset();
    if (FAILED(hr)) return ExitCall({hr, KV_W("TraverseSubObjects"), rest, rest});
    if (!next->pdispVal) return ExitCall({E_NOINTERFACE, KV_W("TraverseSubObjects"), rest, rest});
    current = ComRef<IDispatch>(next.Detach().pdispVal);  // the reference moves out of the VARIANT
    rest = dot + 1;
  }
  return ExitCall({hr, KV_W("TraverseSubObjects"), rest, rest});
}

struct ResultForm {
  VARTYPE type;
  OLECHAR letter;
};

bool ResultTypeOf(const OLECHAR* resultType, ResultForm& form) {
  if (!resultType) return false;
  if (resultType[0] == u'%') ++resultType;
  OLECHAR letter = resultType[0];
  if (letter == 0 || resultType[1] != 0) return false;
  if (letter == u'T') letter = WideTextMode() ? u'S' : u's';
  form.letter = letter;
  switch (letter) {
    case u'd': form.type = VT_I4; return true;
    case u'u': form.type = VT_UI4; return true;
    case u'e': form.type = VT_R8; return true;
    case u'b': form.type = VT_BOOL; return true;
    case u'v': form.type = VT_EMPTY; return true;
    case u'B': case u'S': case u's': form.type = VT_BSTR; return true;
    case u'o': form.type = VT_DISPATCH; return true;
    case u'O': form.type = VT_UNKNOWN; return true;
    case u'p': form.type = sizeof(void*) == 8 ? VT_I8 : VT_I4; return true;
    case u'D': case u't': case u'f': case u'W': form.type = VT_DATE; return true;
    default: return false;
  }
}

// Stores the converted value through result, handing out what the letter hands
// out; on failure stores nothing. value keeps what was not handed out.
HRESULT StoreResult(const ResultForm& form, VariantOwner& owner, void* result) {
  const VARIANT& value = *owner;
  switch (form.letter) {
    case u'd': *static_cast<std::int32_t*>(result) = value.lVal; return S_OK;
    case u'u': *static_cast<std::uint32_t*>(result) = value.ulVal; return S_OK;
    case u'e': *static_cast<double*>(result) = value.dblVal; return S_OK;
    case u'b': *static_cast<std::int32_t*>(result) = value.boolVal; return S_OK;
    case u'D': *static_cast<double*>(result) = value.date; return S_OK;
    case u'p':
      *static_cast<std::intptr_t*>(result) =
          sizeof(void*) == 8 ? static_cast<std::intptr_t>(value.llVal) : static_cast<std::intptr_t>(value.lVal);
      return S_OK;
    case u'v': *static_cast<VARIANT*>(result) = owner.Detach(); return S_OK;
    case u'B': case u'S': *static_cast<BSTR*>(result) = owner.Detach().bstrVal; return S_OK;
    case u'o': case u'O':
      if (!value.punkVal) return E_NOINTERFACE;
      *static_cast<IUnknown**>(result) = owner.Detach().punkVal;
      return S_OK;
    case u's': {
      const std::string narrow = platform::WideToAnsi(WideView(value.bstrVal ? value.bstrVal : KV_W(""),
                                                               SysStringLen(value.bstrVal)));
      BstrOwner bytes = BstrOwner::CopyBytes(narrow);
      if (!bytes) return E_OUTOFMEMORY;
      *static_cast<char**>(result) = reinterpret_cast<char*>(bytes.Detach());
      return S_OK;
    }
    case u't': {
      std::int64_t seconds = 0;
      const HRESULT hr = DateToTimeT(value.date, &seconds);
      if (SUCCEEDED(hr)) *static_cast<std::int64_t*>(result) = seconds;
      return hr;
    }
    case u'f': {
      FILETIME ft;
      const HRESULT hr = DateToFileTime(value.date, &ft);
      if (SUCCEEDED(hr)) *static_cast<FILETIME*>(result) = ft;
      return hr;
    }
    case u'W': {
      SYSTEMTIME st;
      const HRESULT hr = DateToSystemTime(value.date, &st);
      if (SUCCEEDED(hr)) *static_cast<SYSTEMTIME*>(result) = st;
      return hr;
    }
  }
  return E_INVALIDARG;
}

}  // namespace

HRESULT InitializeCallLayer(bool initializeCom, bool wideTextMode) {
  wideText = wideTextMode;
  return initializeCom ? CoInitialize(nullptr) : S_OK;
}

void UninitializeCallLayer(bool uninitializeCom) {
  ReleaseThreadErrorRecord();
  if (uninitializeCom) CoUninitialize();
}

bool WideTextMode() { return wideText; }

namespace {

// InvokeV that tells the cache's type of the path's last member.
HRESULT InvokeKindV(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* path,
                    va_list* args, MemberKind& member) {
  EnterCall();
  if (!object || !path) return ExitCall({E_INVALIDARG, KV_W("InvokeV"), path, path});
  const std::size_t length = std::char_traits<OLECHAR>::length(path);
  if (length > kMaxPathLength) return ExitCall({E_INVALIDARG, KV_W("InvokeV"), path, path});
  OLECHAR buffer[kMaxPathLength + 1];
  std::memcpy(buffer, path, (length + 1) * sizeof(OLECHAR));
  OLECHAR* rest = buffer[0] == u'.' ? buffer + 1 : buffer;
  MemberKind kind = KindOfObject(object);
  object->AddRef();
  ComRef<IDispatch> current(object);
  HRESULT hr = TraverseSubObjects(current, rest, args, kind);
  if (SUCCEEDED(hr)) hr = InternalInvokeV(flags, returnType, result, current.Get(), rest, args, kind, &member);
  return ExitCall({hr, KV_W("InvokeV"), path, path});
}

}  // namespace

HRESULT InvokeV(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* path,
                va_list* args) {
  MemberKind member = 0;
  return InvokeKindV(flags, returnType, result, object, path, args, member);
}

HRESULT CallMethodV(IDispatch* object, const OLECHAR* path, va_list* args) {
  EnterCall();
  return ExitCall({InvokeV(DISPATCH_METHOD, VT_EMPTY, nullptr, object, path, args), KV_W("CallMethodV"), path, path});
}

HRESULT PutValueV(IDispatch* object, const OLECHAR* path, va_list* args) {
  EnterCall();
  return ExitCall(
      {InvokeV(DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, object, path, args), KV_W("PutValueV"), path, path});
}

HRESULT PutRefV(IDispatch* object, const OLECHAR* path, va_list* args) {
  EnterCall();
  return ExitCall(
      {InvokeV(DISPATCH_PROPERTYPUTREF, VT_EMPTY, nullptr, object, path, args), KV_W("PutRefV"), path, path});
}

HRESULT GetValueV(const OLECHAR* resultType, void* result, IDispatch* object, const OLECHAR* path, va_list* args) {
  EnterCall();
  ResultForm form{};
  if (!result || !ResultTypeOf(resultType, form)) return ExitCall({E_INVALIDARG, KV_W("GetValueV"), path, path});
  VariantOwner value;
  MemberKind member = 0;
  HRESULT hr = InvokeKindV(kGetFlags, form.type, value.Get(), object, path, args, member);
  if (SUCCEEDED(hr)) hr = StoreResult(form, value, result);
  if (SUCCEEDED(hr) && form.letter == u'o') NoteObjectKind(*static_cast<IDispatch**>(result), member);
  return ExitCall({hr, KV_W("GetValueV"), path, path});
}

HRESULT Invoke(WORD flags, VARTYPE returnType, VARIANT* result, IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = InvokeV(flags, returnType, result, object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("Invoke"), path, path});
}

HRESULT CallMethod(IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = CallMethodV(object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("CallMethod"), path, path});
}

HRESULT PutValue(IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = PutValueV(object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("PutValue"), path, path});
}

HRESULT PutRef(IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = PutRefV(object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("PutRef"), path, path});
}

HRESULT GetValue(const OLECHAR* resultType, void* result, IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = GetValueV(resultType, result, object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("GetValue"), path, path});
}

HRESULT EnumBeginV(IEnumVARIANT** enumerator, IDispatch* object, const OLECHAR* path, va_list* args) {
  EnterCall();
  const CallExit failed{E_INVALIDARG, KV_W("EnumBeginV"), path, path};
  if (!enumerator || !object) return ExitCall(failed);
  ComRef<IDispatch> obtained;  // the collection when the path names one
  if (path) {
    const HRESULT hr = GetValueV(KV_W("o"), obtained.Put(), object, path, args);
    if (FAILED(hr)) return ExitCall({hr, KV_W("EnumBeginV"), path, path});
  }
  IDispatch* collection = path ? obtained.Get() : object;
  VariantOwner result;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXCEPINFO info;
  std::memset(&info, 0, sizeof info);
  UINT argumentError = 0;
  HRESULT hr = collection->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, kGetFlags, &none, result.Get(),
                                  &info, &argumentError);
  obtained.Reset();
  if (FAILED(hr))
    return ExitCall({hr, KV_W("EnumBeginV"), path, KV_W("_NewEnum"), true, &info, argumentError});
  if ((result.Type() != VT_DISPATCH && result.Type() != VT_UNKNOWN) || !result->punkVal)
    return ExitCall({E_NOINTERFACE, KV_W("EnumBeginV"), path, KV_W("_NewEnum"), false, &info});
  IEnumVARIANT* found = nullptr;
  hr = result->punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&found));
  result.Reset();
  if (SUCCEEDED(hr)) *enumerator = found;
  return ExitCall({hr, KV_W("EnumBeginV"), path, KV_W("_NewEnum"), false, &info});
}

HRESULT EnumBegin(IEnumVARIANT** enumerator, IDispatch* object, const OLECHAR* path, ...) {
  EnterCall();
  va_list args;
  va_start(args, path);
  const HRESULT hr = EnumBeginV(enumerator, object, path, &args);
  va_end(args);
  return ExitCall({hr, KV_W("EnumBegin"), path, path});
}

HRESULT EnumNextObject(IEnumVARIANT* enumerator, IDispatch** object) {
  EnterCall();
  const OLECHAR* kName = KV_W("EnumNextObject");
  const OLECHAR* kMember = KV_W("Enumerator");
  if (!enumerator || !object) return ExitCall({E_INVALIDARG, kName, kMember, kMember});
  VariantOwner item;
  ULONG fetched = 0;
  HRESULT hr = enumerator->Next(1, item.Get(), &fetched);
  if (hr == S_OK && item.Type() != VT_DISPATCH) hr = item.ChangeType(VT_DISPATCH);
  if (hr == S_OK) *object = item.Detach().pdispVal;  // the reference moves to the caller
  return ExitCall({hr, kName, kMember, kMember});
}

HRESULT EnumNextVariant(IEnumVARIANT* enumerator, VARIANT* item) {
  EnterCall();
  const OLECHAR* kName = KV_W("EnumNextVariant");
  const OLECHAR* kMember = KV_W("Enumerator");
  if (!enumerator || !item) return ExitCall({E_INVALIDARG, kName, kMember, kMember});
  ULONG fetched = 0;
  return ExitCall({enumerator->Next(1, item, &fetched), kName, kMember, kMember});
}

HRESULT CreateObjectEx(const OLECHAR* className, REFIID riid, DWORD context, COSERVERINFO* serverInfo,
                       void** object) {
  EnterCall();
  const OLECHAR* kName = KV_W("CreateObjectEx");
  if (!className || !object) return ExitCall({E_INVALIDARG, kName, className, className});
  CLSID clsid;
  HRESULT hr = className[0] == u'{' ? CLSIDFromString(className, &clsid) : CLSIDFromProgID(className, &clsid);
  if (FAILED(hr)) return ExitCall({hr, kName, className, className});
  ComRef<IClassFactory> factory;
  hr = CoGetClassObject(clsid, context, serverInfo, IID_IClassFactory, reinterpret_cast<void**>(factory.Put()));
  if (FAILED(hr)) return ExitCall({hr, kName, className, className});
  void* created = nullptr;
  hr = factory->CreateInstance(nullptr, riid, &created);
  if (SUCCEEDED(hr)) *object = created;
  return ExitCall({hr, kName, className, className});
}

HRESULT CreateObject(const OLECHAR* className, const OLECHAR* machine, IDispatch** object) {
  EnterCall();
  COSERVERINFO server;
  std::memset(&server, 0, sizeof server);
  server.pwszName = const_cast<OLECHAR*>(machine);
  const HRESULT hr =
      machine ? CreateObjectEx(className, IID_IDispatch, CLSCTX_REMOTE_SERVER, &server, reinterpret_cast<void**>(object))
              : CreateObjectEx(className, IID_IDispatch, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, nullptr,
                               reinterpret_cast<void**>(object));
  return ExitCall({hr, KV_W("CreateObject"), className, className});
}

HRESULT GetObjectEx(const OLECHAR* fileName, const OLECHAR* className, REFIID riid, DWORD context, void* reserved,
                    void** object) {
  EnterCall();
  const OLECHAR* kName = KV_W("GetObjectEx");
  const OLECHAR* member = fileName ? fileName : className;
  if ((!fileName && !className) || reserved || !object) return ExitCall({E_INVALIDARG, kName, member, member});
  HRESULT hr;
  if (fileName && !className) {
    hr = CoGetObject(fileName, nullptr, riid, object);
  } else if (fileName) {
    ComRef<IPersistFile> file;
    hr = CreateObjectEx(className, IID_IPersistFile, context, nullptr, reinterpret_cast<void**>(file.Put()));
    if (SUCCEEDED(hr)) {
      hr = file->Load(fileName, 0);
      if (SUCCEEDED(hr)) hr = file->QueryInterface(riid, object);
    }
  } else {
    CLSID clsid;
    hr = className[0] == u'{' ? CLSIDFromString(className, &clsid) : CLSIDFromProgID(className, &clsid);
    ComRef<IUnknown> running;
    if (SUCCEEDED(hr)) hr = GetActiveObject(clsid, nullptr, running.Put());
    if (SUCCEEDED(hr)) hr = running->QueryInterface(riid, object);
  }
  return ExitCall({hr, kName, member, member});
}

HRESULT GetObject(const OLECHAR* fileName, const OLECHAR* className, IDispatch** object) {
  EnterCall();
  const HRESULT hr = GetObjectEx(fileName, className, IID_IDispatch, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                 nullptr, reinterpret_cast<void**>(object));
  return ExitCall({hr, KV_W("GetObject"), fileName ? fileName : className, fileName ? fileName : className});
}

}  // namespace korvat
