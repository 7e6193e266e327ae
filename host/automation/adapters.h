#pragma once
// Factories of the adapters, each returning the new reference in an owning handle.
// Adapters refer to sheets and shapes through weak references, so one whose
// object was deleted fails its calls instead of touching freed memory.

#include <memory>
#include <vector>

#include "platform/com.h"
#include "platform/com_ref.h"
#include "host/automation/dispatch_object.h"
#include "host/automation/host_context.h"
#include "host/model/cell_address.h"
#include "host/model/chart.h"
#include "host/model/shape.h"
#include "host/model/sheet.h"

namespace korvat::host::automation {

using ContextRef = std::shared_ptr<HostContext>;
using SheetWeak = std::weak_ptr<Sheet>;

// How a range counts and indexes its parts: by cells (row-major), whole rows, or columns.
enum class RangeView { Cells, Rows, Columns };

enum class SheetsKind { All, Worksheets, Charts };

// Where a chart lives: on a chart sheet, or embedded as a shape of a worksheet.
struct ChartPlace {
  std::shared_ptr<Chart> chart;
  SheetWeak chartSheet;  // set while the chart is on its own sheet
  SheetWeak hostSheet;   // the worksheet of the chart shape
  int shapeId = 0;
};

DispatchRef NewApplicationObject(ContextRef context);
DispatchRef NewWorkbookAdapter(ContextRef context);
DispatchRef NewWindowObject(ContextRef context);
DispatchRef NewWorksheetFunctionObject(ContextRef context);
DispatchRef NewSheetsObject(ContextRef context, SheetsKind kind);
DispatchRef NewSheetObject(ContextRef context, const std::shared_ptr<Sheet>& sheet);  // worksheet or chart
DispatchRef NewWorksheetObject(ContextRef context, SheetWeak sheet);
DispatchRef NewRangeObject(ContextRef context, SheetWeak sheet, const RangeRef& range,
                          RangeView view = RangeView::Cells);
// A range of several areas of one sheet (a Range when there is only one).
DispatchRef NewRangeAreasObject(ContextRef context, SheetWeak sheet, std::vector<RangeRef> areas);
DispatchRef NewShapesObject(ContextRef context, SheetWeak sheet);
DispatchRef NewShapeObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);
DispatchRef NewFreeformBuilder(ContextRef context, SheetWeak sheet, int editingType, double x, double y);
DispatchRef NewChartObject(ContextRef context, ChartPlace place);

// Shape parts (fill, line, text frame, adjustments, connector format).
DispatchRef NewFillObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);
DispatchRef NewLineObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);
DispatchRef NewTextFrameObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);
DispatchRef NewAdjustmentsObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);
DispatchRef NewConnectorFormatObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape);

// Range parts.
DispatchRef NewBordersObject(ContextRef context, SheetWeak sheet, const RangeRef& range);
DispatchRef NewInteriorObject(ContextRef context, SheetWeak sheet, const RangeRef& range);
DispatchRef NewFontObject(ContextRef context, SheetWeak sheet, const RangeRef& range);
DispatchRef NewFormatConditionsObject(ContextRef context, SheetWeak sheet, const RangeRef& range);

// Puts an object into the call's result (or releases it when the call wants none).
Status ReturnObject(Call& call, DispatchRef object);
// Puts a collection's enumerator into the call's result the same way.
Status ReturnEnumerator(Call& call, UnknownRef enumerator);

// The message of a call on an adapter whose object was deleted.
Status Deleted(std::string_view what);

// ActiveSheet of the application and the workbook: the active sheet, else the first one.
Status ReturnActiveSheet(const ContextRef& context, Call& call);

}  // namespace korvat::host::automation

namespace korvat::host {
class Worksheet;
}

namespace korvat::host::automation {

// A sheet held for the length of one call; null when it was deleted (or is no worksheet).
struct LiveWorksheet {
  std::shared_ptr<Sheet> hold;
  Worksheet* sheet = nullptr;
  explicit operator bool() const { return sheet != nullptr; }
  Worksheet* operator->() const { return sheet; }
};
LiveWorksheet LockWorksheet(const SheetWeak& sheet);

// Events of writes and selections through the object model (see WorkbookHost).
void RaiseChange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range);
void RaiseSelectionChange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range);

// Pastes the pending Copy or Cut with the top-left corner at the range (Worksheet.Paste).
Status PasteOnSheet(const ContextRef& context, const SheetWeak& sheet, const RangeRef& at, Call& call);
// The sheet and rectangle of a Range adapter of this host; false for anything else (also a
// range of several areas).
bool RangeOf(IUnknown* object, SheetWeak* sheet, RangeRef* range);
// The sheet and areas of a Range adapter of this host, of one area or several; false for
// anything else.
bool AreasOf(IUnknown* object, SheetWeak* sheet, std::vector<RangeRef>* areas);

// The sheet of a Worksheet adapter of this host; false for anything else.
bool SheetOf(IUnknown* object, SheetWeak* sheet);

// Selects the range: the sheet becomes active and the selection is the range.
void SelectRange(const ContextRef& context, const LiveWorksheet& sheet, const RangeRef& range);

}  // namespace korvat::host::automation

namespace korvat::host::automation {

// A shape held for the length of one call, with its sheet; empty when either was deleted.
struct LiveShape {
  LiveWorksheet sheet;
  std::shared_ptr<Shape> shape;
  explicit operator bool() const { return shape != nullptr && sheet; }
  Shape* operator->() const { return shape.get(); }
};
LiveShape LockShape(const SheetWeak& sheet, const std::weak_ptr<Shape>& shape);

// The sheet and shape of a Shape adapter of this host; false for anything else.
bool ShapeOf(IUnknown* object, SheetWeak* sheet, std::weak_ptr<Shape>* shape);

// Sizes a shape whose text frame sizes itself to its text (an estimate from the font size,
// the longest line and the margins); other shapes are left alone.
void FitShapeToText(Shape& shape);

}  // namespace korvat::host::automation
