#pragma once
// A chart: type, data, series, title and axes. It lives on a chart sheet or, embedded, in a
// worksheet shape of type Chart.

#include <array>
#include <string>
#include <vector>

namespace korvat::host {

inline constexpr int kChartColumnClustered = 51;
inline constexpr int kPlotByRows = 1;
inline constexpr int kPlotByColumns = 2;

struct ChartSeries {
  std::string name;        // literal name (from a heading cell's text)
  std::string values;      // reference text, e.g. "Report!$C$3:$C$9"
  std::string categories;  // reference text or empty
  friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

struct ChartAxis {
  bool exists = false;      // HasAxis
  int categoryType = -4105;  // automatic; 2 category scale, 3 time scale
  bool hasTitle = false;
  std::string title;
  friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

enum class AxisType { Category = 1, Value = 2 };
enum class AxisGroup { Primary = 1, Secondary = 2 };

struct Chart {
  int chartType = kChartColumnClustered;
  std::string source;  // the source range as set, e.g. "Report!$B$2:$E$9"
  int plotBy = kPlotByColumns;
  std::vector<ChartSeries> series;
  bool hasTitle = false;
  std::string title;
  // [axis type - 1][axis group - 1]
  std::array<std::array<ChartAxis, 2>, 2> axes{};

  ChartAxis* Axis(int type, int group);  // null for values outside 1..2
  const ChartAxis* Axis(int type, int group) const;
  friend bool operator==(const Chart&, const Chart&) = default;
};

}  // namespace korvat::host
