// Chart (on a chart sheet or embedded in a chart shape), its title and its axes.
// Location(2, name) moves a chart sheet's chart onto a worksheet as a chart shape.

#include <optional>
#include <span>
#include <vector>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {
namespace {

constexpr int kLocationAsNewSheet = 1;
constexpr int kLocationAsObject = 2;

// "Report!$B$2:$E$9", quoting a sheet name that is not a plain word.
std::string Qualified(const std::string& sheet, const RangeRef& range) {
  bool plain = !sheet.empty();
  for (char c : sheet)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') plain = false;
  std::string name = sheet;
  if (!plain) {
    name.clear();
    for (char c : sheet) name += c == '\'' ? std::string("''") : std::string(1, c);
    name = "'" + name + "'";
  }
  return name + "!" + FormatRangeRef(range, true);
}

// The lines of a source, one per column (rows) of each area in order; the areas of a source
// of several must span the same rows (columns) so that their lines are as long.
std::optional<std::vector<RangeRef>> LinesOf(const std::vector<RangeRef>& areas, bool byColumns) {
  std::vector<RangeRef> lines;
  for (const RangeRef& r : areas) {
    const RangeRef& first = areas.front();
    if (byColumns ? (r.firstRow != first.firstRow || r.lastRow != first.lastRow)
                  : (r.firstCol != first.firstCol || r.lastCol != first.lastCol))
      return std::nullopt;
    if (byColumns)
      for (int c = r.firstCol; c <= r.lastCol; ++c) lines.push_back({r.firstRow, c, r.lastRow, c});
    else
      for (int row = r.firstRow; row <= r.lastRow; ++row) lines.push_back({row, r.firstCol, row, r.lastCol});
  }
  return lines;
}

// Series of a source: the first item of each line names its series and the first line holds
// the categories, when the source has room for them (two lines and two items at least).
std::vector<ChartSeries> SeriesOf(const Worksheet& ws, const std::vector<RangeRef>& lines, bool byColumns) {
  std::vector<ChartSeries> out;
  const int length = byColumns ? lines.front().RowCount() : lines.front().ColumnCount();
  const bool labelled = lines.size() >= 2 && length >= 2;
  auto items = [&](const RangeRef& line, int from) {
    return byColumns ? RangeRef{line.firstRow + from, line.firstCol, line.lastRow, line.lastCol}
                     : RangeRef{line.firstRow, line.firstCol + from, line.lastRow, line.lastCol};
  };
  for (std::size_t i = labelled ? 1 : 0; i < lines.size(); ++i) {
    ChartSeries s;
    if (labelled) {
      const CellValue v = ws.Value(lines[i].firstRow, lines[i].firstCol);
      s.name = v.IsText() ? v.text : v.IsNumber() ? std::to_string(v.number) : std::string();
      s.categories = Qualified(ws.Name(), items(lines.front(), 1));
    }
    s.values = Qualified(ws.Name(), items(lines[i], labelled ? 1 : 0));
    out.push_back(std::move(s));
  }
  return out;
}

// Title of the chart or of one axis.
class TitleObject : public Adapter<TitleObject> {
 public:
  TitleObject(ContextRef context, std::shared_ptr<Chart> chart, int axisType, int axisGroup)
      : Adapter(std::move(context)), chart_(std::move(chart)), axisType_(axisType), axisGroup_(axisGroup) {}
  static std::span<const Entry> Entries();

  Status GetText(Call& call) {
    SetText(call.Result(), axisType_ ? chart_->Axis(axisType_, axisGroup_)->title : chart_->title);
    return Ok();
  }
  Status PutText(Call& call) {
    const auto text = call.ValueText();
    if (!text) return Fail("Unable to set the Text property");
    if (axisType_) {
      ChartAxis* axis = chart_->Axis(axisType_, axisGroup_);
      axis->title = *text;
      axis->hasTitle = true;
    } else {
      chart_->title = *text;
      chart_->hasTitle = true;
    }
    return Ok();
  }
  // Characters.Text is the same text.
  Status GetCharacters(Call& call) { return ReturnObject(call, DispatchRef(new TitleObject(SharedContext(), chart_, axisType_, axisGroup_))); }

 private:
  std::shared_ptr<Chart> chart_;
  int axisType_;  // 0: the chart's own title
  int axisGroup_;
};

constexpr TitleObject::Entry kTitleMembers[] = {
    {"Text", 0, &TitleObject::GetText, &TitleObject::PutText, true},
    {"Caption", 0, &TitleObject::GetText, &TitleObject::PutText},
    {"Characters", 2, &TitleObject::GetCharacters},
};
std::span<const TitleObject::Entry> TitleObject::Entries() { return kTitleMembers; }

class AxisObject : public Adapter<AxisObject> {
 public:
  AxisObject(ContextRef context, std::shared_ptr<Chart> chart, int type, int group)
      : Adapter(std::move(context)), chart_(std::move(chart)), type_(type), group_(group) {}
  static std::span<const Entry> Entries();

  Status GetCategoryType(Call& call) {
    SetInt(call.Result(), Axis().categoryType);
    return Ok();
  }
  Status PutCategoryType(Call& call) {
    const auto v = call.ValueInt();
    if (!v || (*v != 2 && *v != 3 && *v != kAutomatic)) return Fail("Unable to set the CategoryType property of the Axis class");
    Axis().categoryType = *v;
    return Ok();
  }
  Status GetHasTitle(Call& call) {
    SetBool(call.Result(), Axis().hasTitle);
    return Ok();
  }
  Status PutHasTitle(Call& call) {
    const auto v = call.ValueBool();
    if (!v) return Fail("Unable to set the HasTitle property of the Axis class");
    Axis().hasTitle = *v;
    return Ok();
  }
  Status GetAxisTitle(Call& call) { return ReturnObject(call, DispatchRef(new TitleObject(SharedContext(), chart_, type_, group_))); }

 private:
  ChartAxis& Axis() const { return *chart_->Axis(type_, group_); }

  std::shared_ptr<Chart> chart_;
  int type_;
  int group_;
};

constexpr AxisObject::Entry kAxisMembers[] = {
    {"CategoryType", 0, &AxisObject::GetCategoryType, &AxisObject::PutCategoryType},
    {"HasTitle", 0, &AxisObject::GetHasTitle, &AxisObject::PutHasTitle},
    {"AxisTitle", 0, &AxisObject::GetAxisTitle},
};
std::span<const AxisObject::Entry> AxisObject::Entries() { return kAxisMembers; }

class ChartObject : public Adapter<ChartObject> {
 public:
  ChartObject(ContextRef context, ChartPlace place) : Adapter(std::move(context)), place_(std::move(place)) {}
  static std::span<const Entry> Entries();

  Status GetChartType(Call& call) {
    SetInt(call.Result(), Chart().chartType);
    return Ok();
  }
  Status PutChartType(Call& call) {
    const auto v = call.ValueInt();
    if (!v) return Fail("Unable to set the ChartType property of the Chart class");
    Chart().chartType = *v;
    return Ok();
  }
  // SetSourceData(range, plotBy): a range of one area or of several.
  Status SetSourceData(Call& call) {
    SheetWeak sheet;
    std::vector<RangeRef> areas;
    DispatchObject* source = call.Object(0);
    if (!source || !AreasOf(source, &sheet, &areas) || areas.empty())
      return Fail("SetSourceData method of Chart class failed");
    auto ws = LockWorksheet(sheet);
    if (!ws) return Deleted("Range");
    const int plotBy = call.Int(1).value_or(kPlotByColumns);
    if (plotBy != kPlotByRows && plotBy != kPlotByColumns) return Fail("SetSourceData method of Chart class failed");
    const auto lines = LinesOf(areas, plotBy == kPlotByColumns);
    if (!lines) return Fail("SetSourceData method of Chart class failed: the areas of the source do not line up");
    host::Chart& chart = Chart();
    chart.source.clear();
    for (const RangeRef& area : areas) {
      if (!chart.source.empty()) chart.source += ',';
      chart.source.append(Qualified(ws->Name(), area));
    }
    chart.plotBy = plotBy;
    chart.series = SeriesOf(*ws.sheet, *lines, plotBy == kPlotByColumns);
    return Ok();
  }
  Status GetHasTitle(Call& call) {
    SetBool(call.Result(), Chart().hasTitle);
    return Ok();
  }
  Status PutHasTitle(Call& call) {
    const auto v = call.ValueBool();
    if (!v) return Fail("Unable to set the HasTitle property of the Chart class");
    Chart().hasTitle = *v;
    return Ok();
  }
  Status GetChartTitle(Call& call) { return ReturnObject(call, DispatchRef(new TitleObject(SharedContext(), place_.chart, 0, 0))); }
  // HasAxis(type, group = 1).
  Status GetHasAxis(Call& call) {
    ChartAxis* axis = AxisOf(call);
    if (!axis) return Fail("Unable to get the HasAxis property of the Chart class");
    SetBool(call.Result(), axis->exists);
    return Ok();
  }
  Status PutHasAxis(Call& call) {
    ChartAxis* axis = AxisOf(call);
    const auto v = call.ValueBool();
    if (!axis || !v) return Fail("Unable to set the HasAxis property of the Chart class");
    axis->exists = *v;
    return Ok();
  }
  Status GetAxes(Call& call) {
    if (!AxisOf(call)) return Fail("Unable to get the Axes property of the Chart class");
    return ReturnObject(call, DispatchRef(new AxisObject(SharedContext(), place_.chart, call.Int(0).value_or(1),
                                             call.Has(1) ? call.Int(1).value_or(1) : 1)));
  }
  // Location(2, sheetName): the chart sheet's chart becomes a chart shape of the worksheet.
  Status Location(Call& call) {
    const auto where = call.Int(0);
    Workbook& book = Context().Book();
    if (!where || (*where != kLocationAsObject && *where != kLocationAsNewSheet))
      return Fail("Location method of Chart class failed");
    if (*where == kLocationAsNewSheet) {
      if (!place_.chartSheet.expired()) return ReturnObject(call, DispatchRef(new ChartObject(SharedContext(), place_)));
      return Fail("Moving an embedded chart to a sheet of its own is not supported");
    }
    const std::string name = call.Text(1).value_or("");
    Worksheet* target = book.FindWorksheet(name);
    auto chartSheet = place_.chartSheet.lock();
    if (!target) return Fail("Location method of Chart class failed: no worksheet is named '" + name + "'");
    if (!chartSheet) {
      auto host = place_.hostSheet.lock();
      if (host.get() == target) return ReturnObject(call, DispatchRef(new ChartObject(SharedContext(), place_)));
      return Fail("Moving an embedded chart to another sheet is not supported");
    }
    Shape* shape = book.PlaceChartOn(static_cast<ChartSheet&>(*chartSheet), *target);
    if (!shape) return Fail("Location method of Chart class failed");
    place_.chartSheet.reset();
    place_.hostSheet = book.SharedSheet(*target);
    place_.shapeId = shape->id;
    ApplicationState& app = book.App();
    app.activeSheet = target->Name();
    app.selectionSheet = target->Name();
    return ReturnObject(call, DispatchRef(new ChartObject(SharedContext(), place_)));
  }
  Status GetName(Call& call) {
    if (auto sheet = place_.chartSheet.lock()) {
      SetText(call.Result(), sheet->Name());
      return Ok();
    }
    auto host = LockWorksheet(place_.hostSheet);
    const Shape* shape = host ? host->Shapes().FindById(place_.shapeId) : nullptr;
    if (!shape) return Deleted("Chart");
    SetText(call.Result(), host->Name() + " " + shape->name);
    return Ok();
  }

 private:
  host::Chart& Chart() const { return *place_.chart; }
  ChartAxis* AxisOf(const Call& call) const {
    const auto type = call.Int(0);
    const int group = call.Has(1) ? call.Int(1).value_or(0) : 1;
    return type ? Chart().Axis(*type, group) : nullptr;
  }

  ChartPlace place_;
};

constexpr ChartObject::Entry kChartMembers[] = {
    {"ChartType", 0, &ChartObject::GetChartType, &ChartObject::PutChartType},
    {"SetSourceData", 2, &ChartObject::SetSourceData},
    {"HasTitle", 0, &ChartObject::GetHasTitle, &ChartObject::PutHasTitle},
    {"ChartTitle", 0, &ChartObject::GetChartTitle},
    {"HasAxis", 2, &ChartObject::GetHasAxis, &ChartObject::PutHasAxis},
    {"Axes", 2, &ChartObject::GetAxes},
    {"Location", 2, &ChartObject::Location},
    {"Name", 0, &ChartObject::GetName},
};
std::span<const ChartObject::Entry> ChartObject::Entries() { return kChartMembers; }

}  // namespace

DispatchRef NewChartObject(ContextRef context, ChartPlace place) {
  return DispatchRef(new ChartObject(std::move(context), std::move(place)));
}

}  // namespace korvat::host::automation
