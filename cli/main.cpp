// The korvat command: runs the library's exports on a workbook file in the
// headless host, and renders workbooks as pages.

#include "command_line.h"
#include "convert_command.h"
#include "export_table.h"
#include "help_text.h"
#include "render_command.h"
#include "run_command.h"

#include <cstdio>
#include <string>
#include <vector>

#ifndef KORVAT_VERSION
#define KORVAT_VERSION "unknown"
#endif

namespace {

using korvat::cli::Arguments;
using korvat::cli::DidYouMean;
using korvat::cli::kExitSuccess;
using korvat::cli::kExitUsage;

std::vector<std::string> Commands() {
  std::vector<std::string> names;
  for (const char* const* n = korvat::cli::CommandNames(); *n; ++n) names.push_back(*n);
  return names;
}

int Usage(const std::string& command, const std::string& problem) {
  std::fprintf(stderr, "korvat: %s\n", problem.c_str());
  std::fprintf(stderr, "%s", command.empty() ? korvat::cli::GeneralHelp().c_str()
                                             : ("'korvat help " + command + "' describes the options\n").c_str());
  return kExitUsage;
}

int UnknownOption(const std::string& command, const std::string& option, const std::vector<std::string>& known) {
  return Usage(command, "unknown option " + option + DidYouMean(option, known));
}

int Run(Arguments args) {
  static const std::vector<std::string> kOptions = {"--call",      "--select",    "--edit",      "--events",
                                                    "-o",          "--dry-run",   "--now",       "--stats",
                                                    "--fail-call", "--fail-member", "--fail-kind", "--help"};
  using korvat::cli::RunAction;
  korvat::cli::RunOptions options;
  while (!args.Done()) {
    const std::string a = args.Next();
    auto value = [&](const char* what) -> std::optional<std::string> {
      std::optional<std::string> v = args.Value();
      if (!v) Usage("run", a + " needs " + what);
      return v;
    };
    if (a == "--help" || a == "-h") {
      std::fputs(korvat::cli::CommandHelp("run").c_str(), stdout);
      return kExitSuccess;
    } else if (a == "--call" || a == "--select" || a == "--edit") {
      const std::optional<std::string> v = value(a == "--call" ? "an export" : a == "--select" ? "a range" : "CELL=TEXT");
      if (!v) return kExitUsage;
      const RunAction::Kind kind = a == "--call"     ? RunAction::Kind::Call
                                   : a == "--select" ? RunAction::Kind::Select
                                                     : RunAction::Kind::Edit;
      options.actions.push_back({kind, *v});
    } else if (a == "--events") {
      options.actions.push_back({RunAction::Kind::Events, ""});
    } else if (a == "-o") {
      const std::optional<std::string> v = value("a file");
      if (!v) return kExitUsage;
      options.outputPath = *v;
    } else if (a == "--dry-run") {
      options.dryRun = true;
    } else if (a == "--now") {
      const std::optional<std::string> v = value("a time");
      if (!v) return kExitUsage;
      options.now = *v;
    } else if (a == "--stats") {
      options.stats = true;
    } else if (a == "--fail-call") {
      const std::optional<std::string> v = value("a call number");
      if (!v) return kExitUsage;
      char* end = nullptr;
      const long long k = std::strtoll(v->c_str(), &end, 10);
      if (v->empty() || *end || k < 1) return Usage("run", "--fail-call needs a call number of 1 or more");
      options.failCall = k;
    } else if (a == "--fail-member") {
      const std::optional<std::string> v = value("a member name");
      if (!v) return kExitUsage;
      options.failMembers.push_back(*v);
    } else if (a == "--fail-kind") {
      const std::optional<std::string> v = value("exception, member or memory");
      if (!v) return kExitUsage;
      if (*v == "exception") {
        options.failKind = korvat::host::FaultKind::Exception;
      } else if (*v == "member") {
        options.failKind = korvat::host::FaultKind::MemberNotFound;
      } else if (*v == "memory") {
        options.failKind = korvat::host::FaultKind::OutOfMemory;
      } else {
        return Usage("run", "--fail-kind takes exception, member or memory, not " + *v);
      }
    } else if (!a.empty() && a[0] == '-') {
      return UnknownOption("run", a, kOptions);
    } else if (options.workbookPath.empty()) {
      options.workbookPath = a;
    } else {
      return Usage("run", "unexpected argument " + a);
    }
  }
  if (options.workbookPath.empty()) return Usage("run", "run needs a workbook file");
  if (!options.outputPath.empty() && options.dryRun) return Usage("run", "-o and --dry-run exclude each other");
  return korvat::cli::RunWorkbook(options);
}

int Render(Arguments args) {
  static const std::vector<std::string> kOptions = {"--sheet", "-o", "--svg", "--help"};
  korvat::cli::RenderCommandOptions options;
  while (!args.Done()) {
    const std::string a = args.Next();
    if (a == "--help" || a == "-h") {
      std::fputs(korvat::cli::CommandHelp("render").c_str(), stdout);
      return kExitSuccess;
    } else if (a == "--sheet") {
      const std::optional<std::string> v = args.Value();
      if (!v) return Usage("render", "--sheet needs a sheet");
      options.sheets.push_back(*v);
    } else if (a == "-o") {
      const std::optional<std::string> v = args.Value();
      if (!v) return Usage("render", "-o needs a file");
      options.outputPath = *v;
    } else if (a == "--svg") {
      options.svg = true;
    } else if (!a.empty() && a[0] == '-') {
      return UnknownOption("render", a, kOptions);
    } else if (options.workbookPath.empty()) {
      options.workbookPath = a;
    } else {
      return Usage("render", "unexpected argument " + a);
    }
  }
  if (options.workbookPath.empty()) return Usage("render", "render needs a workbook file");
  return korvat::cli::RenderWorkbook(options);
}

int Convert(Arguments args) {
  std::vector<std::string> files;
  while (!args.Done()) {
    const std::string a = args.Next();
    if (a == "--help" || a == "-h") {
      std::fputs(korvat::cli::CommandHelp("convert").c_str(), stdout);
      return kExitSuccess;
    }
    if (!a.empty() && a[0] == '-') return UnknownOption("convert", a, {"--help"});
    files.push_back(a);
  }
  if (files.size() != 2) return Usage("convert", "convert needs an input and an output workbook file");
  return korvat::cli::ConvertWorkbook(files[0], files[1]);
}

int Exports() {
  for (const std::string& name : korvat::cli::ExportNames()) {
    const korvat::cli::ExportCall* call = korvat::cli::FindExport(name);
    const std::string usage = call->arguments.empty() ? name : name + ":" + call->arguments;
    std::printf("  %-26s %s\n", usage.c_str(), call->summary.c_str());
  }
  return kExitSuccess;
}

int Help(Arguments args) {
  if (args.Done()) {
    std::fputs(korvat::cli::GeneralHelp().c_str(), stdout);
    return kExitSuccess;
  }
  const std::string command = args.Next();
  const std::string text = korvat::cli::CommandHelp(command);
  if (text.empty()) return Usage("", "no command '" + command + "'" + DidYouMean(command, Commands()));
  std::fputs(text.c_str(), stdout);
  return kExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("", "no command given");
  const std::string command = argv[1];
  Arguments args(std::vector<std::string>(argv + 2, argv + argc));
  if (command == "run") return Run(std::move(args));
  if (command == "render") return Render(std::move(args));
  if (command == "convert") return Convert(std::move(args));
  if (command == "exports") return Exports();
  if (command == "help") return Help(std::move(args));
  if (command == "--help" || command == "-h") {
    std::fputs(korvat::cli::GeneralHelp().c_str(), stdout);
    return kExitSuccess;
  }
  if (command == "--version") {
    std::printf("korvat %s\n", KORVAT_VERSION);
    return kExitSuccess;
  }
  return Usage("", "unknown command '" + command + "'" + DidYouMean(command, Commands()));
}
