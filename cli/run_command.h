#pragma once
// korvat run: load a workbook file into the headless host, bind it, carry out the
// actions in the order given (export calls, selections, typing, switching the
// sheet events on), quit, and save.

#include "exit_status.h"
#include "host/automation/workbook_host.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvat::cli {

struct RunAction {
  enum class Kind { Call, Select, Edit, Events };
  Kind kind = Kind::Call;
  std::string text;  // Call: EXPORT or EXPORT:ARG,ARG; Select: an A1 range; Edit: CELL=TEXT
};

struct RunOptions {
  std::string workbookPath;
  std::string now;  // a --now time, empty for the clock (KORVAT_NOW or the system's)
  std::vector<RunAction> actions;
  std::string outputPath;
  bool dryRun = false;  // do the work and save nothing
  bool stats = false;
  std::optional<std::int64_t> failCall;  // the k-th host call of the run fails
  std::vector<std::string> failMembers;  // every call of these members fails
  host::FaultKind failKind = host::FaultKind::Exception;
};

// Checks every action, and that the result has somewhere to go (-o or --dry-run),
// before any work is done, then runs; returns the exit status.
// Messages go to standard error, the results of exports and the statistics to standard
// output.
int RunWorkbook(const RunOptions& options);

}  // namespace korvat::cli
