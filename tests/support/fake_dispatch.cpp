#include "support/fake_dispatch.h"

#include <cstring>

namespace korvat::test {

WideText W(const char* ascii) {
  WideText out;
  for (const char* p = ascii; *p; ++p) out += static_cast<OLECHAR>(static_cast<unsigned char>(*p));
  return out;
}

namespace {

RecordedArgument Record(const VARIANT& v) {
  RecordedArgument a;
  a.vt = v.vt;
  switch (v.vt) {
    case VT_I4: a.integer = v.lVal; break;
    case VT_UI4: a.integer = v.ulVal; break;
    case VT_I8: a.integer = v.llVal; break;
    case VT_BOOL: a.integer = v.boolVal; break;
    case VT_ERROR: a.integer = v.scode; break;
    case VT_R8: a.real = v.dblVal; break;
    case VT_DATE: a.real = v.date; break;
    case VT_BSTR:
      a.nullText = v.bstrVal == nullptr;
      if (v.bstrVal) a.text.assign(v.bstrVal, SysStringLen(v.bstrVal));
      a.pointer = v.bstrVal;
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN: a.pointer = v.punkVal; break;
    default: break;
  }
  return a;
}

// The enumerator a FakeCollection hands out; it deletes itself at its last release.
class FakeEnumerator : public IEnumVARIANT {
 public:
  explicit FakeEnumerator(std::vector<IDispatch*> items) : items_(std::move(items)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumVARIANT)) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    ULONG n = 0;
    for (; n < count && next_ < items_.size(); ++n, ++next_) {
      VariantInit(&out[n]);
      out[n].vt = VT_DISPATCH;
      out[n].pdispVal = items_[next_];
      items_[next_]->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    next_ += count;
    return next_ <= items_.size() ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    *copy = new FakeEnumerator(items_);
    return S_OK;
  }

 private:
  virtual ~FakeEnumerator() = default;
  std::vector<IDispatch*> items_;
  std::size_t next_ = 0;
  ULONG refs_ = 1;
};

}  // namespace

void FakeDispatch::On(const WideText& member, Handler handler) {
  names_.push_back(member);
  handlers_.push_back(std::move(handler));
}

void FakeDispatch::OnObject(const WideText& member, IDispatch* object) {
  On(member, [object](const DISPPARAMS&, WORD, VARIANT* result, EXCEPINFO*) {
    if (result) {
      result->vt = VT_DISPATCH;
      result->pdispVal = object;
      if (object) object->AddRef();
    }
    return S_OK;
  });
}

void FakeDispatch::OnValue(const WideText& member, const VARIANT& value) {
  VARIANT copy = value;  // shallow: tests pass values they keep alive
  On(member, [copy](const DISPPARAMS&, WORD, VARIANT* result, EXCEPINFO*) mutable {
    return result ? VariantCopy(result, &copy) : S_OK;
  });
}

void FakeDispatch::OnNumber(const WideText& member, double value) {
  On(member, [value](const DISPPARAMS&, WORD, VARIANT* result, EXCEPINFO*) {
    if (result) {
      result->vt = VT_R8;
      result->dblVal = value;
    }
    return S_OK;
  });
}

void FakeDispatch::OnText(const WideText& member, const WideText& value) {
  On(member, [value](const DISPPARAMS&, WORD, VARIANT* result, EXCEPINFO*) {
    if (result) {
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    }
    return S_OK;
  });
}

void FakeDispatch::OnAnything(const WideText& member) {
  On(member, [](const DISPPARAMS&, WORD, VARIANT*, EXCEPINFO*) { return S_OK; });
}

void FakeDispatch::OnDefaultNumber(double value) {
  default_ = [value](const DISPPARAMS&, WORD, VARIANT* result, EXCEPINFO*) {
    if (result) {
      result->vt = VT_R8;
      result->dblVal = value;
    }
    return S_OK;
  };
}

HRESULT FakeDispatch::QueryInterface(REFIID riid, void** object) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeDispatch::AddRef() {
  ++addRefs;
  return static_cast<ULONG>(++references);
}

ULONG FakeDispatch::Release() {
  ++releases;
  return static_cast<ULONG>(--references);
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT FakeDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT FakeDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) return E_INVALIDARG;
  lookedUp.emplace_back(names[0]);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == names[0]) {
      ids[0] = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* info, UINT*) {
  if (member == DISPID_NEWENUM) {
    if (auto* collection = dynamic_cast<FakeCollection*>(this)) {
      result->vt = VT_UNKNOWN;
      result->punkVal = new FakeEnumerator(collection->items);
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }
  if (member == DISPID_VALUE && default_) return default_(*params, flags, result, info);
  if (member < 1 || static_cast<std::size_t>(member) > handlers_.size()) return DISP_E_MEMBERNOTFOUND;
  RecordedCall call;
  call.member = names_[static_cast<std::size_t>(member - 1)];
  call.flags = flags;
  for (UINT i = 0; i < params->cArgs; ++i) call.arguments.push_back(Record(params->rgvarg[i]));
  for (UINT i = 0; i < params->cNamedArgs; ++i) call.named.push_back(params->rgdispidNamedArgs[i]);
  calls.push_back(std::move(call));
  return handlers_[static_cast<std::size_t>(member - 1)](*params, flags, result, info);
}

FakeCollection::FakeCollection(std::vector<IDispatch*> list) : items(std::move(list)) {}

}  // namespace korvat::test
