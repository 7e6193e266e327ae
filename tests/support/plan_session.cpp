#include "support/plan_session.h"

#include "frame/addin_state.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "frame/settings_loading.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"
#include "wbs/resource_list.h"
#include "wbs/task_scheduling.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace korvat::test {

PlanSession::PlanSession(std::unique_ptr<Workbook> workbook, double now) : host_(std::move(workbook)) {
  SetFixedNow(now);
  previous_ = SetMessageSink([this](const MessageBoxRequest& box) {
    boxes.push_back({platform::WideToAnsi(box.text), box.flags});
    return 1;
  });
  kvInit();
  book_ = host_.NewWorkbookObject();
  IDispatch* book = book_.Get();
  kvSetWorkBook(&book);
}

PlanSession::~PlanSession() {
  if (open_) Close();
}

std::int64_t PlanSession::Close() {
  if (open_) {
    kvQuit();
    book_.Reset();
    SetMessageSink(previous_);
    SetFixedNow(std::nullopt);
    open_ = false;
  }
  return host_.LiveObjects();
}

Worksheet& PlanSession::Sheet(const std::string& codeName) {
  for (Worksheet* sheet : host_.Model().Worksheets())
    if (sheet->codeName == codeName) return *sheet;
  ADD_FAILURE() << "no sheet " << codeName;
  return *host_.Model().Worksheets().front();
}

double PlanSession::Number(int row, int col) {
  const CellValue v = Wbs().Value(row, col);
  return v.IsNumber() ? v.number : 0.0;
}

std::string PlanSession::Text(int row, int col) {
  const CellValue v = Wbs().Value(row, col);
  if (v.IsNumber()) {  // as the host shows a number as text: 15 significant digits
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", v.number);
    return text;
  }
  return v.IsText() ? v.text : std::string();
}

std::string PlanSession::Formula(int row, int col) { return Wbs().Formula(row, col); }

bool PlanSession::Hidden(int row) { return Wbs().Rows().Hidden(row); }

void PlanSession::Reschedule() { kvWBSReschedule(); }

std::unique_ptr<Workbook> LoadSample() {
  const char* examples = std::getenv("KORVAT_EXAMPLES");
  const std::string path = std::string(examples ? examples : KORVAT_EXAMPLES_DIR) + "/sample-plan.json";
  host::file::LoadResult loaded = host::file::LoadWorkbook(path);
  EXPECT_TRUE(loaded.ok()) << loaded.error;
  return std::move(loaded.workbook);
}

}  // namespace korvat::test
