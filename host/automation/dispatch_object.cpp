#include "host/automation/dispatch_object.h"

#include <cstring>
#include <new>

#include "host/automation/variant_values.h"
#include "host/automation/wide_utf8.h"

namespace korvat::host::automation {
namespace {

// Answers QueryInterface with the adapter itself, so that an argument can be
// recognised as one of this host's objects.
const IID kHostObjectIid = {0x6b2f1c3a, 0x51d4, 0x4e8e, {0x9a, 0x1f, 0x3c, 0x7d, 0x20, 0x45, 0xb1, 0x6e}};

constexpr const char* kSource = "Workbook host";
constexpr std::string_view kUnknownMember = "(unknown member)";

// Folds ASCII letters; false for characters a member name never holds.
bool FoldName(WideView name, std::string& out) {
  out.clear();
  for (const OLECHAR c : name) {
    if (c == 0 || c > 0x7F) return false;
    char ch = static_cast<char>(c);
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    out += ch;
  }
  return true;
}

std::size_t WideLength(const OLECHAR* text) {
  std::size_t n = 0;
  while (text[n]) ++n;
  return n;
}

// A VARIANT passed by reference, read as the value it points at.
VARIANT Dereferenced(const VARIANT& v) {
  if (!(v.vt & VT_BYREF)) return v;
  const VARTYPE base = static_cast<VARTYPE>(v.vt & ~VT_BYREF);
  VARIANT out;
  VariantInit(&out);
  if (!v.byref) return out;
  switch (base) {
    case VT_VARIANT: return Dereferenced(*v.pvarVal);
    case VT_I2: out.vt = VT_I2; out.iVal = *static_cast<SHORT*>(v.byref); break;
    case VT_I4: out.vt = VT_I4; out.lVal = *static_cast<LONG*>(v.byref); break;
    case VT_R4: out.vt = VT_R4; out.fltVal = *static_cast<float*>(v.byref); break;
    case VT_R8: out.vt = VT_R8; out.dblVal = *static_cast<double*>(v.byref); break;
    case VT_DATE: out.vt = VT_DATE; out.date = *static_cast<DATE*>(v.byref); break;
    case VT_BOOL: out.vt = VT_BOOL; out.boolVal = *static_cast<VARIANT_BOOL*>(v.byref); break;
    case VT_BSTR: out.vt = VT_BSTR; out.bstrVal = *static_cast<BSTR*>(v.byref); break;
    case VT_DISPATCH: out.vt = VT_DISPATCH; out.pdispVal = *static_cast<IDispatch**>(v.byref); break;
    case VT_ERROR: out.vt = VT_ERROR; out.scode = *static_cast<SCODE*>(v.byref); break;
    default: break;
  }
  return out;
}

void FillExcepInfo(EXCEPINFO* info, const Status& status) {
  if (!info) return;
  std::memset(info, 0, sizeof *info);
  info->bstrSource = NewBstr(kSource);
  info->bstrDescription = NewBstr(status.description);
  info->scode = status.scode ? status.scode : kHostError;
}

}  // namespace

Status Fail(std::string description, SCODE scode) { return {DISP_E_EXCEPTION, scode, std::move(description)}; }

Status NoSuchItem(std::string_view what) {
  return Fail("The item " + std::string(what) + " was not found.", kBadIndex);
}

// ---- Call

Call::Call(WORD flags, std::vector<VARIANT> arguments, const VARIANT* putValue, VARIANT* result)
    : flags_(flags), arguments_(std::move(arguments)), putValue_(putValue), result_(result) {}

bool Call::Has(std::size_t i) const { return i < arguments_.size() && !IsMissing(arguments_[i]); }
std::optional<double> Call::Double(std::size_t i) const {
  return i < arguments_.size() ? ToDouble(arguments_[i]) : std::nullopt;
}
std::optional<std::int32_t> Call::Int(std::size_t i) const {
  return i < arguments_.size() ? ToInt(arguments_[i]) : std::nullopt;
}
std::optional<bool> Call::Bool(std::size_t i) const {
  return i < arguments_.size() ? ToBool(arguments_[i]) : std::nullopt;
}
std::optional<std::string> Call::Text(std::size_t i) const {
  return i < arguments_.size() ? ToText(arguments_[i]) : std::nullopt;
}
DispatchObject* Call::Object(std::size_t i) const {
  if (i >= arguments_.size()) return nullptr;
  const VARIANT& v = arguments_[i];
  if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal) return DispatchObject::From(v.punkVal);
  return nullptr;
}

const VARIANT& Call::Value() const {
  static const VARIANT kEmpty{};
  return putValue_ ? *putValue_ : kEmpty;
}
std::optional<double> Call::ValueDouble() const { return ToDouble(Value()); }
std::optional<std::int32_t> Call::ValueInt() const { return ToInt(Value()); }
std::optional<bool> Call::ValueBool() const { return ToBool(Value()); }
std::optional<std::string> Call::ValueText() const { return ToText(Value()); }

Call Call::Head(std::size_t n, VARIANT* result) const {
  std::vector<VARIANT> head(arguments_.begin(), arguments_.begin() + static_cast<std::ptrdiff_t>(n));
  return Call(DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(head), nullptr, result);
}

Call Call::Tail(std::size_t from) const {
  std::vector<VARIANT> tail(arguments_.begin() + static_cast<std::ptrdiff_t>(from), arguments_.end());
  return Call(flags_, std::move(tail), putValue_, result_);
}

// ---- MemberTable

MemberTable::MemberTable(std::vector<MemberInfo> members) : members_(std::move(members)) {
  for (std::size_t i = 0; i < members_.size(); ++i) {
    std::string folded;
    for (char c : members_[i].name) folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    byName_.emplace(folded, static_cast<int>(i));
    byId_.emplace(members_[i].id, static_cast<int>(i));
  }
}

int MemberTable::IndexOfName(WideView name) const {
  thread_local std::string folded;
  if (!FoldName(name, folded)) return -1;
  const auto it = byName_.find(folded);
  return it == byName_.end() ? -1 : it->second;
}

int MemberTable::IndexOfId(DISPID id) const {
  const auto it = byId_.find(id);
  return it == byId_.end() ? -1 : it->second;
}

// ---- DispatchObject

DispatchObject::DispatchObject(std::shared_ptr<HostContext> context) : context_(std::move(context)) {
  context_->ObjectCreated();
}

DispatchObject::~DispatchObject() { context_->ObjectDestroyed(); }

DispatchObject* DispatchObject::From(IUnknown* object) {
  if (!object) return nullptr;
  void* found = nullptr;
  if (FAILED(object->QueryInterface(kHostObjectIid, &found)) || !found) return nullptr;
  auto* adapter = static_cast<DispatchObject*>(found);
  adapter->Release();  // the caller's own reference keeps it alive
  return adapter;
}

HRESULT STDMETHODCALLTYPE DispatchObject::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kHostObjectIid)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DispatchObject::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE DispatchObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  try {
    return FindIds(names, count, ids);
  } catch (...) {
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return E_OUTOFMEMORY;
  }
}

HRESULT DispatchObject::FindIds(LPOLESTR* names, UINT count, DISPID* ids) {
  const int index = names[0] ? Table().IndexOfName(WideView(names[0], WideLength(names[0]))) : -1;
  std::string_view counted;
  if (index >= 0) {
    counted = Table().At(index).name;
  } else {
    const std::string given = names[0] ? WideToUtf8(WideView(names[0], WideLength(names[0]))) : std::string();
    counted = context_->Intern(given);
  }
  context_->Count(counted);
  context_->CountLookup(counted);
  ids[0] = index >= 0 ? Table().At(index).id : DISPID_UNKNOWN;
  // Named arguments are not supported: every further name is unknown.
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return index >= 0 && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE DispatchObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                                 VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  Status failed;
  try {
    return InvokeMember(member, flags, params, result, excepInfo, argErr);
  } catch (const std::bad_alloc&) {
    failed = Fail("Out of memory", E_OUTOFMEMORY);
  } catch (...) {
    failed = Fail("The host failed inside this member");
  }
  if (result) VariantOwner::Discard(*result);
  FillExcepInfo(excepInfo, failed);
  return failed.code;
}

HRESULT DispatchObject::InvokeMember(DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excepInfo, UINT* argErr) {
  const int index = Table().IndexOfId(member);
  context_->Count(index >= 0 ? Table().At(index).name : kUnknownMember);
  if (index < 0) return DISP_E_MEMBERNOTFOUND;
  if (result) VariantInit(result);
  if (argErr) *argErr = 0;

  const std::optional<FaultKind> fault = context_->FaultFor(Table().At(index).name);
  if (fault && *fault != FaultKind::OutOfMemory) {
    if (*fault == FaultKind::MemberNotFound) return DISP_E_MEMBERNOTFOUND;
    const Status injected =
        Fail("Method '" + std::string(Table().At(index).name) + "' failed (injected fault).");
    FillExcepInfo(excepInfo, injected);
    return injected.code;
  }

  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const VARIANT* putValue = nullptr;
  VARIANT putHolder;
  VariantInit(&putHolder);
  std::vector<VARIANT> arguments;
  if (params) {
    UINT named = params->cNamedArgs;
    if (put) {
      if (named != 1 || !params->rgdispidNamedArgs || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT ||
          params->cArgs == 0)
        return DISP_E_PARAMNOTOPTIONAL;
    } else if (named != 0) {
      return DISP_E_NONAMEDARGS;
    }
    if (put) {
      putHolder = Dereferenced(params->rgvarg[0]);
      putValue = &putHolder;
    }
    // Positional arguments arrive last first.
    for (UINT i = params->cArgs; i > named; --i) arguments.push_back(Dereferenced(params->rgvarg[i - 1]));
  } else if (put) {
    return DISP_E_PARAMNOTOPTIONAL;
  }

  Call call(flags, std::move(arguments), putValue, result);
  if (fault == FaultKind::OutOfMemory) throw std::bad_alloc();  // as if the member could not allocate
  const Status status = Run(index, call);
  if (status.ok()) return S_OK;
  if (result) VariantOwner::Discard(*result);
  if (status.code == DISP_E_EXCEPTION) FillExcepInfo(excepInfo, status);
  return status.code;
}

Status DispatchObject::Run(int index, Call& call) {
  const MemberInfo& m = Table().At(index);
  const bool fits = call.Count() <= static_cast<std::size_t>(m.maxArgs);
  if (call.IsPut()) return m.writable && fits ? Put(index, call) : Chain(index, call);
  return fits ? Get(index, call) : Chain(index, call);
}

Status DispatchObject::RunDefault(Call& call) {
  const int index = Table().IndexOfId(DISPID_VALUE);
  if (index < 0) return Fail("Object doesn't support this property or method");
  return Run(index, call);
}

// The member's result takes the remaining arguments (and the put value) through its
// default member.
Status DispatchObject::Chain(int index, Call& call) {
  const MemberInfo& m = Table().At(index);
  const std::size_t taken = std::min(call.Count(), static_cast<std::size_t>(m.maxArgs));
  if (call.IsPut() && taken == call.Count() && m.writable) return Put(index, call);
  VariantOwner inner;
  Call head = call.Head(taken, inner.Get());
  const Status status = Get(index, head);
  if (!status.ok()) return status;
  DispatchObject* next = inner.Type() == VT_DISPATCH ? From(inner->pdispVal) : nullptr;
  if (!next)
    return Fail(call.IsPut() ? "Unable to set the " + std::string(m.name) + " property"
                             : "Wrong number of arguments or invalid property assignment");
  Call tail = call.Tail(taken);
  return next->RunDefault(tail);
}

}  // namespace korvat::host::automation
