#include "host/automation/item_enumerator.h"

namespace korvat::host::automation {
namespace {

class ItemEnumerator final : public IEnumVARIANT {
 public:
  ItemEnumerator(std::shared_ptr<HostContext> context, std::size_t count, ItemFactory item, std::size_t next = 0)
      : context_(std::move(context)), count_(count), item_(std::move(item)), next_(next) {
    context_->ObjectCreated();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IEnumVARIANT)) return E_NOINTERFACE;
    *object = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    if (!items && count) return E_POINTER;
    ULONG n = 0;
    while (n < count && next_ < count_) {
      DispatchRef object = item_(next_++);
      if (!object) continue;
      VariantInit(&items[n]);
      items[n].vt = VT_DISPATCH;
      items[n].pdispVal = object.Detach();  // the caller owns the item
      ++n;
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = count_ - next_;
    next_ += std::min<std::size_t>(left, count);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    *copy = new ItemEnumerator(context_, count_, item_, next_);
    return S_OK;
  }

 private:
  ~ItemEnumerator() { context_->ObjectDestroyed(); }

  std::shared_ptr<HostContext> context_;
  std::size_t count_;
  ItemFactory item_;
  std::size_t next_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

UnknownRef NewItemEnumerator(std::shared_ptr<HostContext> context, std::size_t count, ItemFactory item) {
  return UnknownRef(new ItemEnumerator(std::move(context), count, std::move(item)));
}

}  // namespace korvat::host::automation
