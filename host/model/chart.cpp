#include "host/model/chart.h"

namespace korvat::host {

ChartAxis* Chart::Axis(int type, int group) {
  if (type < 1 || type > 2 || group < 1 || group > 2) return nullptr;
  return &axes[type - 1][group - 1];
}

const ChartAxis* Chart::Axis(int type, int group) const {
  return const_cast<Chart*>(this)->Axis(type, group);
}

}  // namespace korvat::host
