#include "run_command.h"

#include "automation/automation_object.h"
#include "automation/host_object.h"
#include "automation/message_box.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "command_line.h"
#include "export_table.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"
#include "platform/com_ref.h"

#include <cstdio>
#include <limits>
#include <optional>

namespace korvat::cli {
namespace {

constexpr const char* kChangeExport = "kvWBSEventOnChange";
constexpr const char* kSelectionChangeExport = "kvWBSEventOnSelectionChange";

struct ParsedCall {
  std::string name;
  const ExportCall* target = nullptr;
  std::vector<std::int32_t> integers;
  std::string rangeAddress;
};

struct ParsedEdit {
  std::string cell;
  std::string text;
};

// One action, checked: what it names exists and its arguments are well formed.
struct Step {
  RunAction::Kind kind;
  ParsedCall call;
  std::string range;  // Select
  ParsedEdit edit;
};

bool ParseInteger(const std::string& text, std::int32_t& value) {
  if (text.empty()) return false;
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size()) return false;
  for (std::size_t k = i; k < text.size(); ++k)
    if (text[k] < '0' || text[k] > '9') return false;
  const std::int64_t parsed = ParseLeadingInteger(text);
  if (parsed < std::numeric_limits<std::int32_t>::min() || parsed > std::numeric_limits<std::int32_t>::max())
    return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::size_t ArgumentCount(ArgumentKind kind) {
  switch (kind) {
    case ArgumentKind::None: return 0;
    case ArgumentKind::OneInteger: return 1;
    case ArgumentKind::TwoIntegers: return 2;
    case ArgumentKind::Range: return 1;
  }
  return 0;
}

std::optional<ParsedCall> ParseCall(const std::string& text) {
  ParsedCall call;
  const std::size_t colon = text.find(':');
  call.name = text.substr(0, colon);
  call.target = FindExport(call.name);
  if (!call.target) {
    std::fprintf(stderr, "korvat: unknown export '%s'%s; 'korvat exports' lists them\n", call.name.c_str(),
                 DidYouMean(call.name, ExportNames()).c_str());
    return std::nullopt;
  }
  const std::vector<std::string> args =
      colon == std::string::npos ? std::vector<std::string>() : SplitArguments(text.substr(colon + 1));
  const std::size_t wanted = ArgumentCount(call.target->kind);
  if (args.size() != wanted) {
    std::fprintf(stderr, "korvat: %s takes %zu argument(s)%s%s, %zu given\n", call.name.c_str(), wanted,
                 wanted ? ": " : "", call.target->arguments.c_str(), args.size());
    return std::nullopt;
  }
  if (call.target->kind == ArgumentKind::Range) {
    call.rangeAddress = args[0];
    return call;
  }
  for (const std::string& a : args) {
    std::int32_t value = 0;
    if (!ParseInteger(a, value)) {
      std::fprintf(stderr, "korvat: %s: '%s' is not a 32-bit integer\n", call.name.c_str(), a.c_str());
      return std::nullopt;
    }
    call.integers.push_back(value);
  }
  return call;
}

std::optional<Step> Check(const RunAction& action) {
  Step step{action.kind, {}, {}, {}};
  switch (action.kind) {
    case RunAction::Kind::Call:
      if (std::optional<ParsedCall> call = ParseCall(action.text)) {
        step.call = std::move(*call);
        return step;
      }
      return std::nullopt;
    case RunAction::Kind::Select:
      step.range = action.text;
      return step;
    case RunAction::Kind::Edit: {
      const std::size_t equals = action.text.find('=');
      if (equals == std::string::npos || equals == 0) {
        std::fprintf(stderr, "korvat: --edit takes CELL=TEXT, not '%s'\n", action.text.c_str());
        return std::nullopt;
      }
      step.edit = {action.text.substr(0, equals), action.text.substr(equals + 1)};
      return step;
    }
    case RunAction::Kind::Events:
      if (FindExport(kChangeExport) && FindExport(kSelectionChangeExport)) return step;
      std::fprintf(stderr, "korvat: --events: this library has no event exports\n");
      return std::nullopt;
  }
  return std::nullopt;
}

// What the run saw of the library: the message boxes it showed and the sheet events
// the host forwarded to it. The event handlers are plain functions, as a workbook's
// macros are, so they report here.
struct RunLog {
  int messages = 0;
  long long changeEvents = 0;
  long long selectionEvents = 0;
  int depth = 0;
  int deepest = 0;
};
RunLog g_log;

struct DepthScope {
  DepthScope() { g_log.deepest = std::max(g_log.deepest, ++g_log.depth); }
  ~DepthScope() { --g_log.depth; }
};

void Forward(const char* exportName, IDispatch** range) {
  const DepthScope nested;
  if (const ExportCall* target = FindExport(exportName)) target->invoke({}, range ? *range : nullptr);
}

void KV_CALL ForwardChange(IDispatch** range) {
  ++g_log.changeEvents;
  Forward(kChangeExport, range);
}

void KV_CALL ForwardSelectionChange(IDispatch** range) {
  ++g_log.selectionEvents;
  Forward(kSelectionChangeExport, range);
}

int PrintMessage(const MessageBoxRequest& request) {
  ++g_log.messages;
  std::fprintf(stderr, "Korvatplan: %s\n", platform::WideToAnsi(request.text).c_str());
  return 1;  // OK
}

// The range an event export receives: the address on the sheet whose code name is wsWBS.
AutomationObject WbsRange(IDispatch* workbook, const std::string& address) {
  const AutomationObject sheet = FindWorksheetByCodeName(workbook, "wsWBS");
  return RangeAt(sheet.Get(), address);
}

bool RunCall(const ParsedCall& call, IDispatch* workbook) {
  AutomationObject range;
  if (call.target->kind == ArgumentKind::Range) {
    range = WbsRange(workbook, call.rangeAddress);
    if (range.IsEmpty()) {
      std::fprintf(stderr, "korvat: %s: no range '%s' on the WBS sheet\n", call.name.c_str(),
                   call.rangeAddress.c_str());
      return false;
    }
  }
  const std::string result = call.target->invoke(call.integers, range.Get());
  if (!result.empty()) std::printf("%s returned %s\n", call.name.c_str(), result.c_str());
  return true;
}

bool RunSteps(const std::vector<Step>& steps, host::WorkbookHost& host, IDispatch* workbook) {
  for (const Step& step : steps) {
    std::string error;
    switch (step.kind) {
      case RunAction::Kind::Call:
        if (!RunCall(step.call, workbook)) return false;
        break;
      case RunAction::Kind::Select:
        if (!host.SelectRange("wsWBS", step.range, &error)) {
          std::fprintf(stderr, "korvat: --select %s: %s\n", step.range.c_str(), error.c_str());
          return false;
        }
        break;
      case RunAction::Kind::Edit:
        if (!host.TypeIntoCell("wsWBS", step.edit.cell, step.edit.text, &error)) {
          std::fprintf(stderr, "korvat: --edit %s: %s\n", step.edit.cell.c_str(), error.c_str());
          return false;
        }
        break;
      case RunAction::Kind::Events:
        host.SetEventHandlers(ForwardChange, ForwardSelectionChange);
        host.EnableEvents(true);
        break;
    }
  }
  return true;
}

void ArmFaults(const RunOptions& options, host::WorkbookHost& host) {
  if (options.failCall) host.FailCall(*options.failCall, options.failKind);
  for (const std::string& member : options.failMembers) host.FailMember(member, options.failKind);
}

void PrintStats(const host::WorkbookHost& host, bool events) {
  std::printf("host calls: %lld\n", static_cast<long long>(host.TotalCalls()));
  std::printf("of them GetIDsOfNames: %lld\n", static_cast<long long>(host.NameLookups()));
  if (events)
    std::printf("sheet events: %lld change, %lld selection change, nested %d deep at most\n", g_log.changeEvents,
                g_log.selectionEvents, g_log.deepest);
  std::printf("live references: %lld\n", static_cast<long long>(host.LiveObjects()));
}

}  // namespace

int RunWorkbook(const RunOptions& options) {
  std::vector<Step> steps;
  bool events = false;
  for (const RunAction& action : options.actions) {
    std::optional<Step> step = Check(action);
    if (!step) return kExitUsage;
    events = events || action.kind == RunAction::Kind::Events;
    steps.push_back(std::move(*step));
  }
  if (options.outputPath.empty() && !options.dryRun) {
    std::fprintf(stderr, "korvat: run saves its result: give -o OUT, or --dry-run to save nothing\n");
    return kExitUsage;
  }
  if (!options.now.empty()) {
    const std::optional<double> now = ParseClockText(options.now);
    if (!now) {
      std::fprintf(stderr, "korvat: --now '%s' is not a time (YYYY-MM-DDTHH:MM[:SS], or YYYY-MM-DD)\n",
                   options.now.c_str());
      return kExitUsage;
    }
    SetFixedNow(now);
  }
  host::file::LoadResult loaded = host::file::LoadWorkbook(options.workbookPath);
  if (!loaded.ok()) {
    std::fprintf(stderr, "korvat: %s\n", loaded.error.c_str());
    return kExitUsage;
  }
  host::WorkbookHost host(std::move(loaded.workbook));
  g_log = RunLog{};
  const MessageSink previousSink = SetMessageSink(PrintMessage);
  ArmFaults(options, host);

  ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvInit();
  kvSetWorkBook(&book);
  const bool ran = RunSteps(steps, host, workbook.Get());
  kvQuit();
  workbook.Reset();
  host.ClearFaults();
  host.EnableEvents(false);
  SetMessageSink(previousSink);

  if (options.stats) PrintStats(host, events);
  if (!ran) return kExitUsage;
  if (!options.dryRun) {
    std::string error;
    if (!host::file::SaveWorkbook(host.Model(), options.outputPath, &error, loaded.package.get())) {
      std::fprintf(stderr, "korvat: cannot save %s: %s\n", options.outputPath.c_str(), error.c_str());
      return kExitUsage;
    }
  }
  return g_log.messages > 0 ? kExitMessages : kExitSuccess;
}

}  // namespace korvat::cli
