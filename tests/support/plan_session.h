#pragma once
// One bound session of the library against a headless workbook: kvInit,
// kvSetWorkBook with a fresh workbook object, a fixed clock and recorded
// message boxes; Close() ends it with kvQuit and releases the workbook object.

#include "automation/message_box.h"
#include "host/automation/workbook_host.h"
#include "host/model/worksheet.h"

#include <memory>
#include <string>
#include <vector>

namespace korvat::test {

using host::CellValue;
using host::Workbook;
using host::Worksheet;

struct RecordedBox {
  std::string text;
  unsigned flags = 0;
};

class PlanSession {
 public:
  PlanSession(std::unique_ptr<Workbook> workbook, double now);
  ~PlanSession();

  // kvQuit, release of the workbook object; returns the host's live objects after.
  std::int64_t Close();

  host::WorkbookHost& Host() { return host_; }
  Worksheet& Sheet(const std::string& codeName);
  Worksheet& Wbs() { return Sheet("wsWBS"); }
  std::vector<RecordedBox> boxes;

  // The cell as the host shows it: its number, or its text.
  double Number(int row, int col);
  std::string Text(int row, int col);
  std::string Formula(int row, int col);
  bool Hidden(int row);

  // kvWBSReschedule.
  void Reschedule();

 private:
  host::WorkbookHost host_;
  ComRef<IDispatch> book_;
  MessageSink previous_;
  bool open_ = true;
};

std::unique_ptr<Workbook> LoadSample();

}  // namespace korvat::test
