#pragma once
// What one export tells the user about mistakes in the plan: a missing sheet or
// setting, a date typed as text, a calendar the timeline cannot be drawn from.
// Each cause is told once per export, however often the export meets it (the
// calendar is read twice by every settings load, a task row is read many times).
// Boxes have the flags 48 (exclamation icon) and the title "Korvatplan".

#include "platform/com.h"

#include <set>
#include <string>
#include <string_view>

namespace korvat {

// The cause of every notice about a sheet missing under its code name.
inline constexpr std::string_view kMissingSheetCause = "missing sheet";

class PlanNotices {
 public:
  // Shows text unless this export has told the user about cause already; true when
  // it was shown now.
  bool Tell(std::string_view cause, const WideText& text);
  bool Tell(std::string_view cause, std::string_view text);
  bool Told(std::string_view cause) const { return told_.count(std::string(cause)) != 0; }

 private:
  std::set<std::string, std::less<>> told_;
};

}  // namespace korvat
