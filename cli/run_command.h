#pragma once
// korvat run: load a workbook file into the headless host, bind it, run the
// named exports in order, quit, and save.

#include <string>
#include <vector>

namespace korvat::cli {

struct RunOptions {
  std::string workbookPath;
  std::string now;  // YYYY-MM-DDTHH:MM, empty for the system clock
  std::vector<std::string> calls;  // EXPORT or EXPORT:ARG,ARG
  std::string outputPath;
  bool stats = false;
};

// Returns the process exit code; messages go to standard error.
int RunWorkbook(const RunOptions& options);

}  // namespace korvat::cli
