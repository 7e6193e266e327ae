#include "export_table.h"

#include "korvat/korvat.h"

#include <map>
#include <string>

namespace korvat::cli {
namespace {

using Integers = std::vector<std::int32_t>;
using Table = std::map<std::string, ExportCall, std::less<>>;

ExportCall NoArguments(std::string summary, void (*run)()) {
  return {ArgumentKind::None, "", std::move(summary), [run](const Integers&, IDispatch*) {
            run();
            return std::string();
          }};
}

ExportCall OneInteger(std::string argument, std::string summary, void (*run)(int32_t)) {
  return {ArgumentKind::OneInteger, std::move(argument), std::move(summary), [run](const Integers& n, IDispatch*) {
            run(n.at(0));
            return std::string();
          }};
}

ExportCall TwoIntegers(std::string arguments, std::string summary, void (*run)(int32_t, int32_t)) {
  return {ArgumentKind::TwoIntegers, std::move(arguments), std::move(summary), [run](const Integers& n, IDispatch*) {
            run(n.at(0), n.at(1));
            return std::string();
          }};
}

ExportCall Changing(std::string summary, intptr_t (*run)()) {
  return {ArgumentKind::None, "", std::move(summary),
          [run](const Integers&, IDispatch*) { return std::to_string(static_cast<long long>(run())); }};
}

ExportCall OnRange(std::string summary, void (*run)(IDispatch**)) {
  return {ArgumentKind::Range, "RANGE", std::move(summary), [run](const Integers&, IDispatch* range) {
            IDispatch* held = range;
            run(&held);
            return std::string();
          }};
}

// Each entry calls its export with the arguments the command line gave.
const Table& Exports() {
  static const Table table = {
      {"kvInit", {ArgumentKind::None, "", "start the library (korvat run does this before the first call)",
                  [](const Integers&, IDispatch*) { return std::to_string(kvInit()); }}},
      {"kvQuit", NoArguments("end the library (korvat run does this after the last call)", [] { kvQuit(); })},
      {"kvUpdateWBS", NoArguments("renumber the tasks, write durations, check links, colour rows, write roll-ups",
                                  [] { kvUpdateWBS(); })},
      {"kvWBSFilter", NoArguments("show only the task rows the filter setting (settings sheet A500) picks",
                                  [] { kvWBSFilter(); })},
      {"kvDrawCalendar",
       OneInteger("UNIT", "store UNIT (minutes a column; 0 keeps the sheet's) and draw the header and the chart",
                  [](int32_t unit) { kvDrawCalendar(unit); })},
      {"kvDrawGanntChart", OneInteger("STYLE", "store the bar style STYLE (0-6) and redraw the Gantt chart",
                                      [](int32_t style) { kvDrawGanntChart(style); })},
      {"kvWBSReschedule", NoArguments("lay out the unstarted leaf tasks per resource and redraw the chart",
                                      [] { kvWBSReschedule(); })},
      {"kvTasksMoveUp", Changing("move the selected task rows one row up (prints 1 when moved, 0 when refused)",
                                 [] { return kvTasksMoveUp(); })},
      {"kvTasksMoveDown", Changing("move the selected task rows one row down (1 when moved, 0 when refused)",
                                   [] { return kvTasksMoveDown(); })},
      {"kvTasksMoveRight", Changing("indent the selected tasks one outline level (1 when done, 0 when refused)",
                                    [] { return kvTasksMoveRight(); })},
      {"kvTasksMoveLeft", Changing("outdent the selected tasks one outline level (1 when done, 0 when refused)",
                                   [] { return kvTasksMoveLeft(); })},
      {"kvTasksOffset",
       {ArgumentKind::TwoIntegers, "A,B",
        "move the selected unstarted leaf tasks by A x B minutes (1 when the selection was on task rows)",
        [](const Integers& n, IDispatch*) {
          return std::to_string(static_cast<long long>(kvTasksOffset(n.at(0), n.at(1))));
        }}},
      {"kvWBSEventOnChange", OnRange("handle a change of RANGE on the WBS sheet, as the sheet's Change event does",
                                     [](IDispatch** range) { kvWBSEventOnChange(range); })},
      {"kvWBSEventOnSelectionChange",
       OnRange("handle RANGE selected on the WBS sheet, as the sheet's SelectionChange event does",
               [](IDispatch** range) { kvWBSEventOnSelectionChange(range); })},
      {"kvDrawProgressLines", NoArguments("draw today's progress line over the chart", [] { kvDrawProgressLines(); })},
      {"kvEVMByTask", {ArgumentKind::None, "", "write the earned-value report of every task on the sheet EVM0_<date>",
                       [](const Integers&, IDispatch*) { return std::to_string(kvEVMByTask()); }}},
      {"kvEVMByProject", TwoIntegers("KIND,STEP",
                                     "write the project's earned value by period (KIND 1 days of STEP, 2 weeks, "
                                     "3 months) with its charts on the sheet EVM<KIND>_<date>",
                                     [](int32_t kind, int32_t step) { kvEVMByProject(kind, step); })},
      {"kvWorkload", TwoIntegers("KIND,STEP",
                                 "write each resource's load by period (KIND as for kvEVMByProject) with a chart on "
                                 "the sheet Workload<KIND>",
                                 [](int32_t kind, int32_t step) { kvWorkload(kind, step); })},
  };
  return table;
}

}  // namespace

const ExportCall* FindExport(std::string_view name) {
  const Table& table = Exports();
  const auto found = table.find(name);
  return found == table.end() ? nullptr : &found->second;
}

std::vector<std::string> ExportNames() {
  std::vector<std::string> names;
  for (const auto& [name, call] : Exports()) names.push_back(name);
  return names;
}

}  // namespace korvat::cli
