// Application: the selection, the active window and sheet, the worksheet functions
// and the switches a macro sets around its work.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {
namespace {

class ApplicationObject : public Adapter<ApplicationObject> {
 public:
  explicit ApplicationObject(ContextRef context) : Adapter(std::move(context)) {}
  static std::span<const Entry> Entries();

  // The selected range, on the sheet it was made on (the active sheet when none is named).
  Status GetSelection(Call& call) {
    Workbook& book = Context().Book();
    const ApplicationState& app = book.App();
    const std::string& name = app.selectionSheet.empty() ? app.activeSheet : app.selectionSheet;
    Worksheet* sheet = name.empty() ? book.ActiveWorksheet() : book.FindWorksheet(name);
    const auto range = ParseRangeRef(app.selection);
    if (!sheet || !range) return Fail("There is no selection");
    return ReturnObject(call, NewRangeObject(SharedContext(), book.SharedSheet(*sheet), *range));
  }
  Status GetActiveWindow(Call& call) { return ReturnObject(call, NewWindowObject(SharedContext())); }
  Status GetWorksheetFunction(Call& call) { return ReturnObject(call, NewWorksheetFunctionObject(SharedContext())); }
  Status GetActiveSheet(Call& call) { return ReturnActiveSheet(SharedContext(), call); }
  Status GetActiveWorkbook(Call& call) { return ReturnObject(call, NewWorkbookAdapter(SharedContext())); }
  Status GetSwitch(Call& call) {
    SetBool(call.Result(), true);
    return Ok();
  }
  // ScreenUpdating and DisplayAlerts change nothing a headless host shows.
  Status PutSwitch(Call& call) {
    if (!call.ValueBool()) return Fail("Unable to set the property of the Application class");
    return Ok();
  }
  Status GetEnableEvents(Call& call) {
    SetBool(call.Result(), Context().applicationEvents);
    return Ok();
  }
  Status PutEnableEvents(Call& call) {
    const auto on = call.ValueBool();
    if (!on) return Fail("Unable to set the EnableEvents property of the Application class");
    Context().applicationEvents = *on;
    return Ok();
  }
  Status GetApplication(Call& call) { return ReturnObject(call, NewApplicationObject(SharedContext())); }
};

constexpr ApplicationObject::Entry kApplicationMembers[] = {
    {"Selection", 0, &ApplicationObject::GetSelection},
    {"ActiveWindow", 0, &ApplicationObject::GetActiveWindow},
    {"WorksheetFunction", 0, &ApplicationObject::GetWorksheetFunction},
    {"ActiveSheet", 0, &ApplicationObject::GetActiveSheet},
    {"ActiveWorkbook", 0, &ApplicationObject::GetActiveWorkbook},
    {"ThisWorkbook", 0, &ApplicationObject::GetActiveWorkbook},
    {"ScreenUpdating", 0, &ApplicationObject::GetSwitch, &ApplicationObject::PutSwitch},
    {"DisplayAlerts", 0, &ApplicationObject::GetSwitch, &ApplicationObject::PutSwitch},
    {"EnableEvents", 0, &ApplicationObject::GetEnableEvents, &ApplicationObject::PutEnableEvents},
    {"Application", 0, &ApplicationObject::GetApplication},
};
std::span<const ApplicationObject::Entry> ApplicationObject::Entries() { return kApplicationMembers; }

}  // namespace

DispatchRef NewApplicationObject(ContextRef context) {
  return DispatchRef(new ApplicationObject(std::move(context)));
}

}  // namespace korvat::host::automation
