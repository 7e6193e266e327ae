#pragma once
// The calendar header of the WBS sheet: the timeline area is cleared and
// formatted from the template block of the settings sheet, every timeline
// column gets its date, hour and minute texts in the three header rows,
// columns outside the working windows are hidden, and day and hour boundary
// lines are drawn.

#include "plan/bound_plan.h"
#include "platform/com.h"

#include <cstdint>

namespace korvat {

// Copies the weight, line style and colour index of border sourceIndex of
// source to border targetIndex of target. Nothing is copied when either range
// is missing, so a missing template never writes zeros over the sheet.
void CopyBorder(IDispatch* source, IDispatch* target, std::int32_t sourceIndex, std::int32_t targetIndex);

enum CellFormatParts : int {
  kCopyBorders = 1,       // the six borders 7 to 12
  kCopyNumberFormat = 2,
  kCopyInterior = 4,      // colour index, pattern and pattern colour index
};
void CopyCellFormat(IDispatch* source, IDispatch* target, int parts);

void SetColumnHidden(IDispatch* wbsSheet, std::int64_t column, bool hidden);

// Rebuilds the whole header from the loaded settings and calendar days.
void DrawCalendarHeader(const BoundPlan& plan);

}  // namespace korvat
