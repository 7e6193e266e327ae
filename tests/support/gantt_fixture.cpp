#include "support/gantt_fixture.h"

#include "automation/message_box.h"
#include "base/clock.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <cstdio>

namespace korvat::test {

void GanttTest::Open(const ChartPlan& plan, double now) {
  host_ = std::make_unique<host::WorkbookHost>(plan.Build());
  SetMessageSink([this](const MessageBoxRequest& request) {
    messages_.emplace_back(request.text.begin(), request.text.end());
    return 1;
  });
  SetFixedNow(now);
  kvInit();
  book_ = host_->NewWorkbookObject();
  IDispatch* book = book_.Get();
  kvSetWorkBook(&book);
}

void GanttTest::Close() {
  if (!host_ || !book_) return;
  kvQuit();
  book_.Reset();
  EXPECT_EQ(host_->LiveObjects(), 0);
}

void GanttTest::TearDown() {
  Close();
  SetMessageSink({});
  SetFixedNow(std::nullopt);
}

host::Worksheet& GanttTest::Wbs() const { return *host_->Model().FindWorksheet("WBS"); }

const host::Shape* GanttTest::Shape(const std::string& name) const {
  for (const auto& s : Wbs().Shapes().InZOrder())
    if (s->name == name) return s.get();
  return nullptr;
}

std::vector<std::string> GanttTest::ShapeNames() const {
  std::vector<std::string> names;
  for (const auto& s : Wbs().Shapes().InZOrder()) names.push_back(s->name);
  return names;
}

std::vector<std::string> GanttTest::ShapeNamesStartingWith(const std::string& prefix) const {
  std::vector<std::string> names;
  for (const auto& s : Wbs().Shapes().InZOrder())
    if (s->name.rfind(prefix, 0) == 0) names.push_back(s->name);
  return names;
}

std::string GanttTest::Text(int row, int column) const {
  const host::CellValue v = Wbs().Value(row, column);
  if (v.IsText()) return v.text;
  if (v.IsNumber()) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v.number);
    return text;
  }
  return {};
}

double GanttTest::ColumnLeft(int column) const { return Wbs().ColumnLeft(column); }
double GanttTest::RowTop(int row) const { return Wbs().RowTop(row); }
bool GanttTest::ColumnHidden(int column) const { return Wbs().Columns().Hidden(column); }

}  // namespace korvat::test
