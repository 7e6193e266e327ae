#include "export_table.h"

#include "korvat/korvat.h"

#include <map>
#include <string>

namespace korvat::cli {
namespace {

using Integers = std::vector<std::int32_t>;

// Each entry calls its export with the arguments the command line gave; the
// text returned is the export's result, empty for exports without one.
const std::map<std::string, ExportCall, std::less<>>& Table() {
  static const std::map<std::string, ExportCall, std::less<>> table = {
      {"kvInit", {ArgumentKind::None, [](const Integers&, IDispatch*) { return std::to_string(kvInit()); }}},
      {"kvQuit", {ArgumentKind::None, [](const Integers&, IDispatch*) { kvQuit(); return std::string(); }}},
      {"kvUpdateWBS", {ArgumentKind::None, [](const Integers&, IDispatch*) { kvUpdateWBS(); return std::string(); }}},
      {"kvWBSFilter", {ArgumentKind::None, [](const Integers&, IDispatch*) { kvWBSFilter(); return std::string(); }}},
      {"kvDrawCalendar",
       {ArgumentKind::OneInteger, [](const Integers& n, IDispatch*) { kvDrawCalendar(n.at(0)); return std::string(); }}},
      {"kvDrawGanntChart",
       {ArgumentKind::OneInteger, [](const Integers& n, IDispatch*) { kvDrawGanntChart(n.at(0)); return std::string(); }}},
      {"kvWBSReschedule", {ArgumentKind::None, [](const Integers&, IDispatch*) { kvWBSReschedule(); return std::string(); }}},
      {"kvDrawProgressLines",
       {ArgumentKind::None, [](const Integers&, IDispatch*) { kvDrawProgressLines(); return std::string(); }}},
      {"kvEVMByTask",
       {ArgumentKind::None, [](const Integers&, IDispatch*) { return std::to_string(kvEVMByTask()); }}},
      {"kvEVMByProject",
       {ArgumentKind::TwoIntegers,
        [](const Integers& n, IDispatch*) { kvEVMByProject(n.at(0), n.at(1)); return std::string(); }}},
      {"kvWorkload",
       {ArgumentKind::TwoIntegers,
        [](const Integers& n, IDispatch*) { kvWorkload(n.at(0), n.at(1)); return std::string(); }}},
  };
  return table;
}

}  // namespace

const ExportCall* FindExport(std::string_view name) {
  const auto& table = Table();
  const auto found = table.find(name);
  return found == table.end() ? nullptr : &found->second;
}

std::vector<std::string> ExportNames() {
  std::vector<std::string> names;
  for (const auto& [name, call] : Table()) names.push_back(name);
  return names;
}

}  // namespace korvat::cli
