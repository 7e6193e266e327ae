#pragma once
// A scriptable IDispatch for tests: members are registered with handlers, every
// GetIDsOfNames and Invoke is recorded (member, flags, arguments as they arrived,
// named arguments), and AddRef/Release are counted. It never deletes itself: the
// test owns it and checks that references balance.

#include "platform/com.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace korvat::test {

struct RecordedArgument {
  VARTYPE vt = VT_EMPTY;
  std::int64_t integer = 0;
  double real = 0.0;
  WideText text;
  bool nullText = false;
  void* pointer = nullptr;
};

struct RecordedCall {
  WideText member;
  WORD flags = 0;
  std::vector<RecordedArgument> arguments;  // in the order Invoke received them
  std::vector<DISPID> named;
};

class FakeDispatch : public IDispatch {
 public:
  using Handler = std::function<HRESULT(const DISPPARAMS& params, WORD flags, VARIANT* result, EXCEPINFO* info)>;

  FakeDispatch() = default;
  FakeDispatch(const FakeDispatch&) = delete;
  FakeDispatch& operator=(const FakeDispatch&) = delete;
  virtual ~FakeDispatch() = default;

  void On(const WideText& member, Handler handler);
  // A member whose property get returns another object (an AddRef is taken for the caller).
  void OnObject(const WideText& member, IDispatch* object);
  // A member that answers a property get with a copy of value.
  void OnValue(const WideText& member, const VARIANT& value);
  void OnNumber(const WideText& member, double value);
  void OnText(const WideText& member, const WideText& value);
  // A member that accepts anything and does nothing.
  void OnAnything(const WideText& member);
  // The default member (DISPID_VALUE) answers a property get with a number.
  void OnDefaultNumber(double value);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* argErr) override;

  long references = 1;  // the test's own reference
  int addRefs = 0;
  int releases = 0;
  std::vector<RecordedCall> calls;
  std::vector<WideText> lookedUp;

 private:
  std::vector<WideText> names_;
  Handler default_;
  std::vector<Handler> handlers_;
};

// A collection whose _NewEnum hands out the given objects in order.
class FakeCollection : public FakeDispatch {
 public:
  explicit FakeCollection(std::vector<IDispatch*> items);
  std::vector<IDispatch*> items;
};

WideText W(const char* ascii);

}  // namespace korvat::test
