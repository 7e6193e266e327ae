#pragma once
// The state of the host application around a workbook: selection, active sheet, zoom, and the
// pending Copy or Cut (not saved).

#include <string>

#include "host/model/cell_address.h"

namespace korvat::host {

struct PendingTransfer {
  enum class Mode { None, Copy, Cut };
  Mode mode = Mode::None;
  std::string sheet;  // the source sheet's name
  RangeRef range;
};

struct ApplicationState {
  std::string activeSheet;     // name; empty means the first sheet
  std::string selectionSheet;  // the sheet the selection is on; empty means the active sheet
  std::string selection = "A1";
  double zoom = 100.0;
  PendingTransfer clipboard;   // not part of the file
};

}  // namespace korvat::host
