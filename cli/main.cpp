// The korvat command: runs the library's exports on a workbook file in the
// headless host, and renders workbooks as pages.

#include "convert_command.h"
#include "render_command.h"
#include "run_command.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  korvat run WORKBOOK [--now YYYY-MM-DDTHH:MM] [--call EXPORT[:ARG,ARG...]]... [-o OUT] [--stats]\n"
    "  korvat render WORKBOOK [--sheet CODE_OR_NAME]... [-o OUT.html] [--svg]\n"
    "  korvat convert IN OUT      (workbook files: .json, .xlsx, .xlsm)\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "korvat: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

// Takes the value of an option that needs one; false when it is missing.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

int Run(const std::vector<std::string>& args) {
  korvat::cli::RunOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string value;
    if (a == "--now") {
      if (!TakeValue(args, i, options.now)) return Usage("--now needs a time");
    } else if (a == "--call") {
      if (!TakeValue(args, i, value)) return Usage("--call needs an export");
      options.calls.push_back(value);
    } else if (a == "-o") {
      if (!TakeValue(args, i, options.outputPath)) return Usage("-o needs a file");
    } else if (a == "--stats") {
      options.stats = true;
    } else if (!a.empty() && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else if (options.workbookPath.empty()) {
      options.workbookPath = a;
    } else {
      return Usage(("unexpected argument " + a).c_str());
    }
  }
  if (options.workbookPath.empty()) return Usage("run needs a workbook file");
  return korvat::cli::RunWorkbook(options);
}

int Render(const std::vector<std::string>& args) {
  korvat::cli::RenderCommandOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string value;
    if (a == "--sheet") {
      if (!TakeValue(args, i, value)) return Usage("--sheet needs a sheet");
      options.sheets.push_back(value);
    } else if (a == "-o") {
      if (!TakeValue(args, i, options.outputPath)) return Usage("-o needs a file");
    } else if (a == "--svg") {
      options.svg = true;
    } else if (!a.empty() && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else if (options.workbookPath.empty()) {
      options.workbookPath = a;
    } else {
      return Usage(("unexpected argument " + a).c_str());
    }
  }
  if (options.workbookPath.empty()) return Usage("render needs a workbook file");
  return korvat::cli::RenderWorkbook(options);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(nullptr);
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "run") return Run(args);
  if (command == "render") return Render(args);
  if (command == "convert") {
    if (args.size() != 2) return Usage("convert needs an input and an output workbook file");
    return korvat::cli::ConvertWorkbook(args[0], args[1]);
  }
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  return Usage(("unknown command " + command).c_str());
}
