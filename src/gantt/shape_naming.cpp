#include "gantt/shape_naming.h"

#include "automation/automation_object.h"
#include "platform/com_ref.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "gantt/template_loader.h"
#include "wbs/task_record.h"

#include <vector>

namespace korvat {

bool WbsShapeExists(WideView name) {
  const WideText text(name);
  IDispatch* found = nullptr;
  if (FAILED(GetValue(KV_W("o"), &found, State().wbsSheet.Get(), KV_W(".Shapes(%S)"), text.c_str()))) return false;
  AutomationObject shape(found);
  return static_cast<bool>(shape);
}

WideText FreeShapeName(std::string_view prefix, std::int64_t row) {
  const WideText stem = platform::AnsiToWide(std::string(prefix) + FormatInteger(row));
  // No upper bound: the letters go on through the character codes after "Z".
  for (std::uint32_t code = 65; code <= 0xFFFF; ++code) {
    WideText candidate = stem;
    candidate.push_back(static_cast<OLECHAR>(code));
    if (!WbsShapeExists(candidate)) return candidate;
  }
  return stem;
}

void NameShapeForTask(IDispatch* shape, const TaskRecord& task, std::string_view prefix) {
  const std::string barPrefix = prefix.empty() ? BarPrefix() : std::string();
  const WideText name = FreeShapeName(prefix.empty() ? std::string_view(barPrefix) : prefix, task.row);
  PutWideText(shape, "Name", name);
}

void DeleteShapesByPrefix(std::string_view prefix) {
  std::vector<AutomationObject> doomed;
  ComRef<IEnumVARIANT> shapes;
  if (SUCCEEDED(EnumBegin(shapes.Put(), State().wbsSheet.Get(), KV_W(".Shapes")))) {
    for (;;) {
      IDispatch* next = nullptr;
      if (EnumNextObject(shapes.Get(), &next) != S_OK) break;
      AutomationObject shape(next);
      if (std::string_view(GetName(shape.Get())).starts_with(prefix)) doomed.push_back(std::move(shape));
    }
  }
  for (AutomationObject& shape : doomed) DeleteObject(shape.Get());
}

}  // namespace korvat
