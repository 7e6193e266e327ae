// Sheets, Worksheets and Charts of the workbook: count, items by 1-based position or
// name, Add (the new sheet goes before the active one and becomes active), enumeration.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/item_enumerator.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {
namespace {

class SheetsObject : public Adapter<SheetsObject> {
 public:
  SheetsObject(ContextRef context, SheetsKind kind) : Adapter(std::move(context)), kind_(kind) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    Workbook& book = Context().Book();
    std::shared_ptr<Sheet> found;
    if (call.Has(0) && call.Arg(0).vt == VT_BSTR) {
      const std::string name = call.Text(0).value_or("");
      Sheet* sheet = book.FindSheet(name);
      if (sheet && Includes(*sheet)) found = book.SharedSheet(*sheet);
      if (!found) return NoSuchItem("'" + name + "'");
    } else {
      const auto index = call.Int(0);
      const auto list = Members();
      if (!index || *index < 1 || *index > static_cast<int>(list.size())) return Fail("Subscript out of range", kBadIndex);
      found = list[static_cast<std::size_t>(*index - 1)];
    }
    return ReturnObject(call, NewSheetObject(SharedContext(), found));
  }
  Status GetCount(Call& call) {
    SetInt(call.Result(), static_cast<std::int32_t>(Members().size()));
    return Ok();
  }
  // Add(Before, After, Count, Type).
  Status Add(Call& call) {
    Workbook& book = Context().Book();
    int position = ActivePosition();
    SheetWeak anchor;
    if (DispatchObject* before = call.Object(0); before && SheetOf(before, &anchor)) {
      if (auto s = anchor.lock()) position = book.IndexOf(*s);
    } else if (DispatchObject* after = call.Object(1); after && SheetOf(after, &anchor)) {
      if (auto s = anchor.lock()) position = book.IndexOf(*s) + 1;
    }
    Sheet* added = kind_ == SheetsKind::Charts ? static_cast<Sheet*>(book.AddChartSheet({}, position))
                                               : static_cast<Sheet*>(book.AddWorksheet({}, position));
    if (!added) return Fail("Add method of Sheets class failed");
    ApplicationState& app = book.App();
    app.activeSheet = added->Name();
    app.selectionSheet = added->Name();
    app.selection = "A1";
    return ReturnObject(call, NewSheetObject(SharedContext(), book.SharedSheet(*added)));
  }
  Status NewEnum(Call& call) {
    auto list = Members();
    auto context = SharedContext();
    UnknownRef e = NewItemEnumerator(context, list.size(), [context, list](std::size_t i) -> DispatchRef {
      // A sheet deleted since the enumeration began is skipped.
      if (context->Book().IndexOf(*list[i]) < 0) return {};
      return NewSheetObject(context, list[i]);
    });
    return ReturnEnumerator(call, std::move(e));
  }
  Status GetParent(Call& call) { return ReturnObject(call, NewWorkbookAdapter(SharedContext())); }

 private:
  bool Includes(const Sheet& s) const {
    return kind_ == SheetsKind::All || (kind_ == SheetsKind::Worksheets) == (s.Kind() == SheetKind::Worksheet);
  }
  std::vector<std::shared_ptr<Sheet>> Members() const {
    Workbook& book = Context().Book();
    std::vector<std::shared_ptr<Sheet>> out;
    for (int i = 0; i < book.SheetCount(); ++i)
      if (Includes(*book.SheetAt(i))) out.push_back(book.SharedSheet(*book.SheetAt(i)));
    return out;
  }
  int ActivePosition() const {
    Workbook& book = Context().Book();
    const Sheet* active = book.FindSheet(book.App().activeSheet);
    return active ? book.IndexOf(*active) : 0;
  }

  SheetsKind kind_;
};

constexpr SheetsObject::Entry kSheetsMembers[] = {
    {"Item", 1, &SheetsObject::GetItem, nullptr, true},
    {"Count", 0, &SheetsObject::GetCount},
    {"Add", 4, &SheetsObject::Add},
    {"_NewEnum", 0, &SheetsObject::NewEnum},
    {"Parent", 0, &SheetsObject::GetParent},
};
std::span<const SheetsObject::Entry> SheetsObject::Entries() { return kSheetsMembers; }

}  // namespace

DispatchRef NewSheetsObject(ContextRef context, SheetsKind kind) {
  return DispatchRef(new SheetsObject(std::move(context), kind));
}

}  // namespace korvat::host::automation
