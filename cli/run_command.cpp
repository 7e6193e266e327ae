#include "run_command.h"

#include "automation/automation_object.h"
#include "platform/com_ref.h"
#include "automation/host_object.h"
#include "automation/dispatch_call.h"
#include "automation/message_box.h"
#include "export_table.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "host/automation/workbook_host.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <cstdio>
#include <limits>
#include <optional>

namespace korvat::cli {
namespace {

struct ParsedCall {
  std::string name;
  const ExportCall* target = nullptr;
  std::vector<std::int32_t> integers;
  std::string rangeAddress;
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

std::optional<ParsedCall> ParseCall(const std::string& text) {
  ParsedCall call;
  const std::size_t colon = text.find(':');
  call.name = text.substr(0, colon);
  call.target = FindExport(call.name);
  if (!call.target) {
    std::fprintf(stderr, "korvat: unknown export '%s'\n", call.name.c_str());
    return std::nullopt;
  }
  const std::vector<std::string> args =
      colon == std::string::npos ? std::vector<std::string>() : SplitArguments(text.substr(colon + 1));
  std::size_t wanted = 0;
  switch (call.target->kind) {
    case ArgumentKind::None: wanted = 0; break;
    case ArgumentKind::OneInteger: wanted = 1; break;
    case ArgumentKind::TwoIntegers: wanted = 2; break;
    case ArgumentKind::Range: wanted = 1; break;
  }
  if (args.size() != wanted) {
    std::fprintf(stderr, "korvat: %s takes %zu argument(s), %zu given\n", call.name.c_str(), wanted, args.size());
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

int PrintMessage(const MessageBoxRequest& request) {
  std::fprintf(stderr, "Korvatplan: %s\n", platform::WideToAnsi(request.text).c_str());
  return 1;  // OK
}

// The range an event export receives: the address on the sheet whose code name is wsWBS.
AutomationObject WbsRange(IDispatch* workbook, const std::string& address) {
  ComRef<IEnumVARIANT> sheets;
  if (FAILED(EnumBegin(sheets.Put(), workbook, KV_W(".Worksheets")))) return {};
  for (;;) {
    IDispatch* next = nullptr;
    if (EnumNextObject(sheets.Get(), &next) != S_OK) return {};
    AutomationObject sheet(next);
    if (GetCodeName(sheet.Get()) == "wsWBS") return RangeAt(sheet.Get(), address);
  }
}

bool RunCalls(const std::vector<ParsedCall>& calls, IDispatch* workbook) {
  for (const ParsedCall& call : calls) {
    AutomationObject range;
    if (call.target->kind == ArgumentKind::Range) {
      range = WbsRange(workbook, call.rangeAddress);
      if (range.IsEmpty()) {
        std::fprintf(stderr, "korvat: %s: no range '%s' on the WBS sheet\n", call.name.c_str(),
                     call.rangeAddress.c_str());
        return false;
      }
    }
    call.target->invoke(call.integers, range.Get());
  }
  return true;
}

}  // namespace

int RunWorkbook(const RunOptions& options) {
  std::vector<ParsedCall> calls;
  for (const std::string& text : options.calls) {
    std::optional<ParsedCall> call = ParseCall(text);
    if (!call) return 2;
    calls.push_back(std::move(*call));
  }
  if (!options.now.empty()) {
    const std::optional<double> now = ParseClockText(options.now);
    if (!now) {
      std::fprintf(stderr, "korvat: --now '%s' is not YYYY-MM-DDTHH:MM\n", options.now.c_str());
      return 2;
    }
    SetFixedNow(now);
  }
  host::file::LoadResult loaded = host::file::LoadWorkbook(options.workbookPath);
  if (!loaded.ok()) {
    std::fprintf(stderr, "korvat: %s\n", loaded.error.c_str());
    return 1;
  }
  host::WorkbookHost host(std::move(loaded.workbook));
  const MessageSink previousSink = SetMessageSink(PrintMessage);

  AutomationObject workbook(host.NewWorkbookObject());
  IDispatch* book = workbook.Get();
  kvInit();
  kvSetWorkBook(&book);
  const bool ran = RunCalls(calls, workbook.Get());
  kvQuit();
  workbook.Assign(nullptr);
  SetMessageSink(previousSink);

  if (options.stats) {
    std::printf("host calls: %lld\n", static_cast<long long>(host.TotalCalls()));
    std::printf("live references: %lld\n", static_cast<long long>(host.LiveObjects()));
  }
  if (!ran) return 1;
  if (!options.outputPath.empty()) {
    std::string error;
    if (!host::file::SaveWorkbook(host.Model(), options.outputPath, &error, loaded.package.get())) {
      std::fprintf(stderr, "korvat: cannot save %s: %s\n", options.outputPath.c_str(), error.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace korvat::cli
