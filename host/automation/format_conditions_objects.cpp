// FormatConditions of a range: the sheet's conditional formats that touch it.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

// Positions in the sheet's list of the formats touching the range, in list order.
std::vector<int> Touching(const Worksheet& ws, const RangeRef& range) {
  std::vector<int> out;
  const auto& all = ws.ConditionalFormats();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].range.Intersects(range)) out.push_back(static_cast<int>(i));
  return out;
}

// One conditional format, or its font or interior (which differ only in the colour they hold).
class FormatConditionObject : public Adapter<FormatConditionObject> {
 public:
  enum class Part { Condition, Font, Interior };
  FormatConditionObject(ContextRef context, SheetWeak sheet, int position, Part part)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), position_(position), part_(part) {}
  static std::span<const Entry> Entries();

  Status GetFont(Call& call) { return Sub(call, Part::Font); }
  Status GetInterior(Call& call) { return Sub(call, Part::Interior); }
  Status GetColorIndex(Call& call) {
    ConditionalFormat* f = Find();
    if (!f) return Deleted("FormatCondition");
    SetInt(call.Result(), part_ == Part::Interior ? f->interiorColorIndex : f->fontColorIndex);
    return Ok();
  }
  Status PutColorIndex(Call& call) {
    ConditionalFormat* f = Find();
    if (!f) return Deleted("FormatCondition");
    const auto v = call.ValueInt();
    if (!v || part_ == Part::Condition) return Fail("Unable to set the ColorIndex property");
    (part_ == Part::Interior ? f->interiorColorIndex : f->fontColorIndex) = *v;
    return Ok();
  }
  Status GetFormula1(Call& call) {
    ConditionalFormat* f = Find();
    if (!f) return Deleted("FormatCondition");
    SetText(call.Result(), "=" + f->formula1);
    return Ok();
  }
  Status GetOperator(Call& call) {
    ConditionalFormat* f = Find();
    if (!f) return Deleted("FormatCondition");
    SetInt(call.Result(), f->op);
    return Ok();
  }
  Status Delete(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!Find()) return Deleted("FormatCondition");
    ws->ConditionalFormats().erase(ws->ConditionalFormats().begin() + position_);
    return Ok();
  }

 private:
  ConditionalFormat* Find() const {
    auto ws = LockWorksheet(sheet_);
    if (!ws || position_ < 0 || position_ >= static_cast<int>(ws->ConditionalFormats().size())) return nullptr;
    return &ws->ConditionalFormats()[static_cast<std::size_t>(position_)];
  }
  Status Sub(Call& call, Part part) {
    if (!Find() || part_ != Part::Condition) return Deleted("FormatCondition");
    return ReturnObject(call, DispatchRef(new FormatConditionObject(SharedContext(), sheet_, position_, part)));
  }

  SheetWeak sheet_;
  int position_;
  Part part_;
};

constexpr FormatConditionObject::Entry kConditionMembers[] = {
    {"Font", 0, &FormatConditionObject::GetFont},
    {"Interior", 0, &FormatConditionObject::GetInterior},
    {"ColorIndex", 0, &FormatConditionObject::GetColorIndex, &FormatConditionObject::PutColorIndex},
    {"Formula1", 0, &FormatConditionObject::GetFormula1},
    {"Operator", 0, &FormatConditionObject::GetOperator},
    {"Delete", 0, &FormatConditionObject::Delete},
};
std::span<const FormatConditionObject::Entry> FormatConditionObject::Entries() { return kConditionMembers; }

class FormatConditionsObject : public Adapter<FormatConditionsObject> {
 public:
  FormatConditionsObject(ContextRef context, SheetWeak sheet, const RangeRef& range)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), range_(range) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("FormatConditions");
    const auto index = call.Int(0);
    const std::vector<int> touching = Touching(*ws.sheet, range_);
    if (!index || *index < 1 || *index > static_cast<int>(touching.size())) return NoSuchItem("FormatCondition");
    return ReturnObject(call, DispatchRef(new FormatConditionObject(SharedContext(), sheet_,
                                                        touching[static_cast<std::size_t>(*index - 1)],
                                                        FormatConditionObject::Part::Condition)));
  }
  Status GetCount(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("FormatConditions");
    SetInt(call.Result(), static_cast<std::int32_t>(Touching(*ws.sheet, range_).size()));
    return Ok();
  }
  // Add(type, operator, formula1, formula2): a condition on the whole range.
  Status Add(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("FormatConditions");
    const auto type = call.Int(0);
    if (!type) return Fail("Add method of FormatConditions class failed");
    ConditionalFormat f;
    f.range = range_;
    f.type = *type;
    f.op = call.Int(1).value_or(1);
    auto formula = [&](std::size_t i) {
      std::string text = call.Text(i).value_or("");
      return !text.empty() && text[0] == '=' ? text.substr(1) : text;
    };
    f.formula1 = formula(2);
    f.formula2 = formula(3);
    ws->ConditionalFormats().push_back(f);
    return ReturnObject(call, DispatchRef(new FormatConditionObject(SharedContext(), sheet_,
                                                        static_cast<int>(ws->ConditionalFormats().size()) - 1,
                                                        FormatConditionObject::Part::Condition)));
  }
  Status Delete(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("FormatConditions");
    ws->DeleteConditionalFormats(range_);
    return Ok();
  }

 private:
  SheetWeak sheet_;
  RangeRef range_;
};

constexpr FormatConditionsObject::Entry kConditionsMembers[] = {
    {"Item", 1, &FormatConditionsObject::GetItem, nullptr, true},
    {"Count", 0, &FormatConditionsObject::GetCount},
    {"Add", 4, &FormatConditionsObject::Add},
    {"Delete", 0, &FormatConditionsObject::Delete},
};
std::span<const FormatConditionsObject::Entry> FormatConditionsObject::Entries() { return kConditionsMembers; }

}  // namespace

DispatchRef NewFormatConditionsObject(ContextRef context, SheetWeak sheet, const RangeRef& range) {
  return DispatchRef(new FormatConditionsObject(std::move(context), std::move(sheet), range));
}

}  // namespace korvat::host::automation
