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
  Status GetActiveSheet(Call& call) {
    Workbook& book = Context().Book();
    Sheet* active = book.FindSheet(book.App().activeSheet);
    if (!active && book.SheetCount() > 0) active = book.SheetAt(0);
    if (!active) return Fail("There is no active sheet");
    return ReturnObject(call, NewSheetObject(SharedContext(), book.SharedSheet(*active)));
  }
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

class WindowObject : public Adapter<WindowObject> {
 public:
  explicit WindowObject(ContextRef context) : Adapter(std::move(context)) {}
  static std::span<const Entry> Entries();

  Status GetZoom(Call& call) {
    SetNumber(call.Result(), Context().Book().App().zoom);
    return Ok();
  }
  Status PutZoom(Call& call) {
    const auto zoom = call.ValueDouble();
    if (!zoom || *zoom < 10 || *zoom > 400) return Fail("Unable to set the Zoom property of the Window class");
    Context().Book().App().zoom = *zoom;
    return Ok();
  }
  Status GetScrollRow(Call& call) {
    SetInt(call.Result(), Context().scrollRow);
    return Ok();
  }
  Status PutScrollRow(Call& call) {
    const auto row = call.ValueInt();
    if (!row || *row < 1 || *row > kMaxRows) return Fail("Unable to set the ScrollRow property of the Window class");
    Context().scrollRow = *row;
    return Ok();
  }
  Status GetScrollColumn(Call& call) {
    SetInt(call.Result(), Context().scrollColumn);
    return Ok();
  }
  Status PutScrollColumn(Call& call) {
    const auto col = call.ValueInt();
    if (!col || *col < 1 || *col > kMaxColumns)
      return Fail("Unable to set the ScrollColumn property of the Window class");
    Context().scrollColumn = *col;
    return Ok();
  }
};

constexpr WindowObject::Entry kWindowMembers[] = {
    {"Zoom", 0, &WindowObject::GetZoom, &WindowObject::PutZoom},
    {"ScrollRow", 0, &WindowObject::GetScrollRow, &WindowObject::PutScrollRow},
    {"ScrollColumn", 0, &WindowObject::GetScrollColumn, &WindowObject::PutScrollColumn},
};
std::span<const WindowObject::Entry> WindowObject::Entries() { return kWindowMembers; }

}  // namespace

IDispatch* NewApplicationObject(ContextRef context) { return new ApplicationObject(std::move(context)); }
IDispatch* NewWindowObject(ContextRef context) { return new WindowObject(std::move(context)); }

}  // namespace korvat::host::automation
