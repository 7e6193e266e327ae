#pragma once
// A sheet that is one chart (what the host's Charts.Add creates before the chart is placed
// on a worksheet).

#include <memory>

#include "host/model/chart.h"
#include "host/model/sheet.h"

namespace korvat::host {

class ChartSheet : public Sheet {
 public:
  ChartSheet(Workbook& parent, std::string name)
      : Sheet(parent, SheetKind::ChartSheet, std::move(name)), chart_(std::make_shared<Chart>()) {}

  Chart& GetChart() const { return *chart_; }
  const std::shared_ptr<Chart>& SharedChart() const { return chart_; }

 private:
  std::shared_ptr<Chart> chart_;
};

}  // namespace korvat::host
