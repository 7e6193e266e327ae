// The renderer on a generated plan sheet of 10,000 task rows and 15,000 shapes (a bar per
// task, a connector for every other task), as the page and as it is after a filter hid every
// third task row: time per page (best of three) and page size.
//
// render_bench [--save PLAN.json]: also writes the filtered plan as a workbook file, so that
// `korvat render` can be timed on it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/file/workbook_file.h"
#include "host/model/workbook.h"
#include "host/render/workbook_render.h"

namespace {

using korvat::host::CellValue;
using korvat::host::Workbook;
using korvat::host::Worksheet;

constexpr int kTasks = 10000;
constexpr int kFirstTaskRow = 6;
constexpr int kFirstTimelineColumn = 25;  // Y
constexpr int kDays = 5;

void AddTaskTable(Worksheet& ws) {
  const double widths[] = {36, 12, 12, 12, 12, 12, 12, 12, 12, 12, 110, 54, 54, 42, 42, 42, 42, 42, 42, 27, 66, 30, 30, 6};
  for (int c = 1; c <= 24; ++c) ws.SetColumnWidth(c, widths[c - 1]);
  const char* headings[] = {"WBS", "Task", "", "", "", "", "", "", "", "", "", "Type", "Resource", "PV (min)", "AC (min)",
                            "Plan start", "Plan end", "Actual start", "Actual end", "%", "Predecessor", "Load", "Days"};
  for (int c = 1; c <= 23; ++c)
    if (*headings[c - 1]) ws.SetCellFromText(5, c, headings[c - 1]);
  for (int i = 0; i < kTasks; ++i) {
    const int r = kFirstTaskRow + i;
    ws.SetCellFromText(r, 1, std::to_string(i / 100 + 1) + "." + std::to_string(i % 100 + 1));
    ws.SetCellFromText(r, 3, "Task number " + std::to_string(i + 1) + " of the generated plan");
    ws.SetCellFromText(r, 13, i % 2 ? "Anna" : "Ben");
    ws.SetValue(r, 14, CellValue::Number(30 + i % 90));
    ws.SetValue(r, 15, CellValue::Number((30 + i % 90) * 1.1));
    for (int c = 16; c <= 19; ++c) {
      ws.SetValue(r, c, CellValue::Number(0.35 + 0.01 * (c - 16)));
      ws.MutableStyle(r, c)->numberFormat = "hh:mm";
    }
    ws.SetValue(r, 20, CellValue::Number(i % 7 == 0 ? 40 : 100));
    if (i > 0) ws.SetCellFromText(r, 21, std::to_string((i - 1) / 100 + 1) + "." + std::to_string((i - 1) % 100 + 1));
    ws.SetValue(r, 22, CellValue::Number(1.0 / (1 + i % 3)));
    ws.SetValue(r, 23, CellValue::Number(1));
  }
}

// Hour columns 08..17 of each day shown, the night hidden, as the calendar leaves them.
void AddTimeline(Worksheet& ws) {
  for (int d = 0; d < kDays; ++d)
    for (int h = 0; h < 24; ++h) {
      const int c = kFirstTimelineColumn + d * 24 + h;
      ws.SetCellFromText(3, c, (h + 8) % 24 < 10 ? "0" + std::to_string((h + 8) % 24) : std::to_string((h + 8) % 24));
      if (h >= 10) ws.SetColumnHidden(c, true);
    }
}

void AddShapes(Worksheet& ws) {
  const double timeline = ws.ColumnLeft(kFirstTimelineColumn);
  const double dayWidth = 10 * 48.0;
  for (int i = 0; i < kTasks; ++i) {
    const int r = kFirstTaskRow + i;
    const double left = timeline + (i % 100) * dayWidth * kDays / 100.0;
    auto& bar = ws.Shapes().AddAutoShape(1, left, ws.RowTop(r) + 3, 40, 9);
    bar.placement = korvat::host::kPlacementMoveAndSize;
    bar.fill.foreColor = 0xD59B5B;
    ws.Shapes().Rename(bar, "GanntBar" + std::to_string(r));
    if (i % 2 == 1) {
      auto& link = ws.Shapes().AddConnector(2, left - 10, ws.RowTop(r - 1) + 7.5, left, ws.RowTop(r) + 7.5);
      link.placement = korvat::host::kPlacementMoveAndSize;
      ws.Shapes().Rename(link, "TaskConnector" + std::to_string(r));
    }
  }
}

// Every third task row hidden, after the shapes were drawn, as a filter leaves the sheet.
void Filter(Worksheet& ws) {
  for (int i = 0; i < kTasks; i += 3) ws.SetRowHidden(kFirstTaskRow + i, true);
}

struct Timing {
  double seconds = 0;
  size_t bytes = 0;
};

Timing Measure(const Workbook& book) {
  Timing best{1e9, 0};
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    korvat::host::render::RenderResult page = korvat::host::render::RenderWorkbookHtml(book, {{"WBS"}});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!page.ok()) {
      std::fprintf(stderr, "render failed: %s\n", page.error.c_str());
      return {};
    }
    best = {std::min(best.seconds, seconds), page.text.size()};
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  Workbook book;
  Worksheet& ws = *book.AddWorksheet("WBS");
  AddTaskTable(ws);
  AddTimeline(ws);
  AddShapes(ws);
  const Timing all = Measure(book);
  Filter(ws);
  const Timing filtered = Measure(book);
  std::printf("%d rows, %d shapes: %.3f s, %.1f MB; filtered: %.3f s, %.1f MB\n", kTasks, ws.Shapes().Count(),
              all.seconds, all.bytes / 1e6, filtered.seconds, filtered.bytes / 1e6);
  if (argc == 3 && std::strcmp(argv[1], "--save") == 0) {
    std::string error;
    if (!korvat::host::file::SaveWorkbook(book, argv[2], &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  return all.bytes > 0 && filtered.bytes > 0 ? 0 : 1;
}
