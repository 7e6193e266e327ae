#include "host/automation/adapters.h"

#include "host/automation/variant_values.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {

Status ReturnObject(Call& call, DispatchRef object) {
  if (!object) return Fail("Object required");
  SetObject(call.Result(), std::move(object));
  return Ok();
}

Status ReturnEnumerator(Call& call, UnknownRef enumerator) {
  if (!enumerator) return Fail("Object required");
  SetUnknown(call.Result(), std::move(enumerator));
  return Ok();
}

Status ReturnActiveSheet(const ContextRef& context, Call& call) {
  Workbook& book = context->Book();
  Sheet* active = book.FindSheet(book.App().activeSheet);
  if (!active && book.SheetCount() > 0) active = book.SheetAt(0);
  if (!active) return Fail("There is no active sheet");
  return ReturnObject(call, NewSheetObject(context, book.SharedSheet(*active)));
}

Status Deleted(std::string_view what) {
  return Fail("The " + std::string(what) + " object has been deleted.");
}

LiveWorksheet LockWorksheet(const SheetWeak& sheet) {
  LiveWorksheet live;
  live.hold = sheet.lock();
  if (live.hold && live.hold->Kind() == SheetKind::Worksheet) live.sheet = static_cast<Worksheet*>(live.hold.get());
  return live;
}

namespace {

void Raise(const ContextRef& context, RangeEventHandler handler, const LiveWorksheet& sheet,
           const RangeRef& range) {
  const DispatchRef target = NewRangeObject(context, sheet.hold, range);
  IDispatch* argument = target.Get();  // the handler reads the range from this variable
  handler(&argument);
}

}  // namespace

void RaiseChange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range) {
  if (sheet && context->WantsChange(*sheet.sheet)) Raise(context, context->ChangeHandler(), sheet, range);
}

void RaiseSelectionChange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range) {
  if (sheet && context->WantsSelectionChange(*sheet.sheet))
    Raise(context, context->SelectionChangeHandler(), sheet, range);
}

void SelectRange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range) {
  ApplicationState& app = context->Book().App();
  app.activeSheet = sheet->Name();
  app.selectionSheet = sheet->Name();
  app.selection = FormatRangeRef(range);
  RaiseSelectionChange(context, sheet, range);
}

}  // namespace korvat::host::automation

namespace korvat::host::automation {

LiveShape LockShape(const SheetWeak& sheet, const std::weak_ptr<Shape>& shape) {
  LiveShape live;
  live.sheet = LockWorksheet(sheet);
  if (live.sheet) live.shape = shape.lock();
  return live;
}

}  // namespace korvat::host::automation
