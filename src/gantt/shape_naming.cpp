#include "gantt/shape_naming.h"

#include "automation/call_phase.h"
#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "gantt/template_loader.h"
#include "platform/com_ref.h"

#include <vector>

namespace korvat {
namespace {

AutomationObject ShapeNamed(IDispatch* wbsSheet, const WideText& name) {
  return GetObjectResult(wbsSheet, KV_W(".Shapes(%S)"), name.c_str());
}

}  // namespace

WideText WalkRowShapes(IDispatch* wbsSheet, std::string_view prefix, std::int64_t row,
                       const std::function<void(IDispatch* shape)>& visit) {
  const WideText stem = platform::AnsiToWide(std::string(prefix) + FormatInteger(row));
  for (std::uint32_t code = 65; code <= 0xFFFF; ++code) {
    WideText name = stem;
    name.push_back(static_cast<OLECHAR>(code));
    const AutomationObject shape = ShapeNamed(wbsSheet, name);
    if (!shape) return name;
    if (visit) visit(shape.Get());
  }
  return stem;
}

WideText FreeShapeName(IDispatch* wbsSheet, std::string_view prefix, std::int64_t row) {
  // The letters this export has given on the row are taken: the search starts after them.
  const std::string narrowStem = std::string(prefix) + FormatInteger(row);
  const WideText stem = platform::AnsiToWide(narrowStem);
  const unsigned bound = GivenLetterBound(narrowStem);
  for (std::uint32_t code = bound > 65 ? bound : 65; code <= 0xFFFF; ++code) {
    WideText name = stem;
    name.push_back(static_cast<OLECHAR>(code));
    if (!ShapeNamed(wbsSheet, name)) return name;
  }
  return stem;
}

void NameShapeForTask(const BoundPlan& plan, IDispatch* shape, const TaskRecord& task, std::string_view prefix) {
  const std::string barPrefix = prefix.empty() ? BarPrefix(plan.ganttTemplates) : std::string();
  const std::string_view used = prefix.empty() ? std::string_view(barPrefix) : prefix;
  const WideText name = FreeShapeName(plan.wbsSheet, used, task.row);
  const std::string stem = std::string(used) + FormatInteger(task.row);
  if (SUCCEEDED(PutValue(shape, KV_W(".Name=%S"), name.c_str())) &&
      name.size() > platform::AnsiToWide(stem).size())
    NoteGivenLetter(stem, name.back());
}

void DeleteShapesByPrefix(IDispatch* wbsSheet, std::string_view prefix) {
  const CallPhase phase("deletion");
  std::vector<AutomationObject> doomed;
  ComRef<IEnumVARIANT> shapes;
  if (SUCCEEDED(EnumBegin(shapes.Put(), wbsSheet, KV_W(".Shapes")))) {
    for (;;) {
      AutomationObject shape;
      if (EnumNextObject(shapes.Get(), shape.Put()) != S_OK) break;
      if (std::string_view(GetName(shape.Get())).starts_with(prefix)) doomed.push_back(std::move(shape));
    }
  }
  ForgetGivenLetters(prefix);
  for (AutomationObject& shape : doomed) DeleteObject(shape.Get());
}

}  // namespace korvat
