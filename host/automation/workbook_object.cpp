// Workbook: its sheet collections, the application and the active sheet.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {
namespace {

// The name a workbook that was never saved under a name of its own carries.
constexpr const char* kWorkbookName = "Book1";

class WorkbookObject : public Adapter<WorkbookObject> {
 public:
  explicit WorkbookObject(ContextRef context) : Adapter(std::move(context)) {}
  static std::span<const Entry> Entries();

  Status GetWorksheets(Call& call) { return ReturnObject(call, NewSheetsObject(SharedContext(), SheetsKind::Worksheets)); }
  Status GetSheets(Call& call) { return ReturnObject(call, NewSheetsObject(SharedContext(), SheetsKind::All)); }
  Status GetCharts(Call& call) { return ReturnObject(call, NewSheetsObject(SharedContext(), SheetsKind::Charts)); }
  Status GetApplication(Call& call) { return ReturnObject(call, NewApplicationObject(SharedContext())); }
  Status GetName(Call& call) {
    SetText(call.Result(), kWorkbookName);
    return Ok();
  }
  Status GetActiveSheet(Call& call) { return ReturnActiveSheet(SharedContext(), call); }

 private:
};

constexpr WorkbookObject::Entry kWorkbookMembers[] = {
    {"Worksheets", 0, &WorkbookObject::GetWorksheets},
    {"Sheets", 0, &WorkbookObject::GetSheets},
    {"Charts", 0, &WorkbookObject::GetCharts},
    {"Application", 0, &WorkbookObject::GetApplication},
    {"Parent", 0, &WorkbookObject::GetApplication},
    {"Name", 0, &WorkbookObject::GetName},
    {"ActiveSheet", 0, &WorkbookObject::GetActiveSheet},
};
std::span<const WorkbookObject::Entry> WorkbookObject::Entries() { return kWorkbookMembers; }

}  // namespace

DispatchRef NewWorkbookAdapter(ContextRef context) { return DispatchRef(new WorkbookObject(std::move(context))); }

}  // namespace korvat::host::automation
