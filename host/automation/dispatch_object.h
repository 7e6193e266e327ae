#pragma once
// The reusable base of every adapter: IUnknown and IDispatch with reference
// counting and a member table per class. Names match without regard to case; each
// member has a stable DISPID (its place in the table, or DISPID_VALUE for the
// default member and DISPID_NEWENUM for "_NewEnum"). Property get and method calls
// run a member's getter, property puts its setter, with the put value taken from
// the named DISPID_PROPERTYPUT argument.
//
// Arguments beyond those a member takes go to the default member of what the member
// returns, as the host's late binding does: "Cells(3,2)" is Cells, then its default
// member with (3, 2); "Cells(3,2)=v" puts v through that default member.
//
// A member that exists but cannot do what was asked answers DISP_E_EXCEPTION with an
// EXCEPINFO (source, description and scode filled). Nothing thrown inside a member
// leaves through Invoke or GetIDsOfNames: an exception becomes the same kind of
// failure ("Out of memory" for an allocation failure).

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/com.h"
#include "platform/com_ref.h"
#include "host/automation/host_context.h"

namespace korvat::host::automation {

// Owning references of the objects the host hands out.
using DispatchRef = ComRef<IDispatch>;
using UnknownRef = ComRef<IUnknown>;

// Codes the host reports inside EXCEPINFO.scode.
inline constexpr SCODE kHostError = static_cast<SCODE>(0x800A03ECu);  // the host's general failure
inline constexpr SCODE kBadIndex = static_cast<SCODE>(0x8002000Bu);   // no such item

struct Status {
  HRESULT code = S_OK;
  SCODE scode = 0;
  std::string description;
  bool ok() const { return SUCCEEDED(code); }
};
inline Status Ok() { return {}; }
// A DISP_E_EXCEPTION failure with the description the caller sees.
Status Fail(std::string description, SCODE scode = kHostError);
Status NoSuchItem(std::string_view what);  // "The item ... was not found", kBadIndex

class DispatchObject;

// One Invoke as a handler sees it: positional arguments in the caller's order
// (optional ones may be omitted), the put value, and where the result goes.
class Call {
 public:
  Call(WORD flags, std::vector<VARIANT> arguments, const VARIANT* putValue, VARIANT* result);

  bool IsPut() const { return putValue_ != nullptr; }
  std::size_t Count() const { return arguments_.size(); }
  bool Has(std::size_t i) const;  // given and not omitted
  const VARIANT& Arg(std::size_t i) const { return arguments_[i]; }
  std::optional<double> Double(std::size_t i) const;
  std::optional<std::int32_t> Int(std::size_t i) const;
  std::optional<bool> Bool(std::size_t i) const;
  std::optional<std::string> Text(std::string::size_type i) const;
  // The argument as one of this host's adapters; null otherwise. No reference is taken.
  DispatchObject* Object(std::size_t i) const;

  const VARIANT& Value() const;  // the put value (VT_EMPTY when this is no put)
  std::optional<double> ValueDouble() const;
  std::optional<std::int32_t> ValueInt() const;
  std::optional<bool> ValueBool() const;
  std::optional<std::string> ValueText() const;

  VARIANT* Result() const { return result_; }
  WORD Flags() const { return flags_; }
  // The first n arguments as a property get into result; the rest with the put value.
  Call Head(std::size_t n, VARIANT* result) const;
  Call Tail(std::size_t from) const;

 private:
  WORD flags_;
  std::vector<VARIANT> arguments_;  // shallow: the caller owns what they point to
  const VARIANT* putValue_;
  VARIANT* result_;
};

struct MemberInfo {
  std::string_view name;
  DISPID id;
  int maxArgs;
  bool writable;
};

class MemberTable {
 public:
  explicit MemberTable(std::vector<MemberInfo> members);
  int IndexOfName(WideView name) const;  // -1 when unknown
  int IndexOfId(DISPID id) const;        // -1 when unknown
  const MemberInfo& At(int index) const { return members_[static_cast<std::size_t>(index)]; }

 private:
  std::vector<MemberInfo> members_;
  std::unordered_map<std::string, int> byName_;  // folded
  std::unordered_map<DISPID, int> byId_;
};

class DispatchObject : public IDispatch {
 public:
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  HostContext& Context() const { return *context_; }
  const std::shared_ptr<HostContext>& SharedContext() const { return context_; }

  // Runs a member (or the default member) for a call without counting it.
  Status Run(int index, Call& call);
  Status RunDefault(Call& call);

  // The adapter behind an IDispatch of this host, or null. No reference is taken.
  static DispatchObject* From(IUnknown* object);

 protected:
  explicit DispatchObject(std::shared_ptr<HostContext> context);
  virtual ~DispatchObject();

  virtual const MemberTable& Table() const = 0;
  virtual Status Get(int index, Call& call) = 0;
  virtual Status Put(int index, Call& call) = 0;

 private:
  HRESULT FindIds(LPOLESTR* names, UINT count, DISPID* ids);
  HRESULT InvokeMember(DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                       UINT* argErr);
  Status Chain(int index, Call& call);

  std::shared_ptr<HostContext> context_;
  std::atomic<ULONG> references_{1};
};

// The typed part: T lists its members as a static span of Entry.
template <class T>
class Adapter : public DispatchObject {
 public:
  using Handler = Status (T::*)(Call&);
  struct Entry {
    const char* name;
    int maxArgs = 0;
    Handler get = nullptr;
    Handler put = nullptr;
    bool isDefault = false;
  };

 protected:
  using DispatchObject::DispatchObject;

  const MemberTable& Table() const override {
    static const MemberTable table = BuildTable();
    return table;
  }
  Status Get(int index, Call& call) override {
    const Handler h = T::Entries()[static_cast<std::size_t>(index)].get;
    if (!h) return Fail(std::string("The property ") + T::Entries()[static_cast<std::size_t>(index)].name +
                        " can only be set");
    return (static_cast<T*>(this)->*h)(call);
  }
  Status Put(int index, Call& call) override {
    return (static_cast<T*>(this)->*T::Entries()[static_cast<std::size_t>(index)].put)(call);
  }

 private:
  static MemberTable BuildTable() {
    std::vector<MemberInfo> members;
    DISPID next = 1;
    for (const Entry& e : T::Entries()) {
      const std::string_view name(e.name);
      const DISPID id = e.isDefault ? DISPID_VALUE : name == "_NewEnum" ? DISPID_NEWENUM : next;
      ++next;
      members.push_back({name, id, e.maxArgs, e.put != nullptr});
    }
    return MemberTable(std::move(members));
  }
};

}  // namespace korvat::host::automation
