#include "gantt/connectors.h"

#include "automation/call_phase.h"
#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "gantt/shape_naming.h"
#include "gantt/template_loader.h"
#include "wbs/predecessor_links.h"
#include "wbs/task_lookup.h"

#include <cmath>
#include <string>

namespace korvat {
namespace {

AutomationObject FirstShapeOfRow(const BoundPlan& plan, std::int64_t row) {
  return ShapeByName(plan.wbsSheet, BarPrefix(plan.ganttTemplates) + FormatInteger(row) + "A");
}

// Keeps a short elbow on bars: the first leg reaches out by two thirds of a bar
// height and the middle leg runs just under the bar band. A connector without width
// (a vertical one, or one whose width cannot be read) has no leg to shorten by a share
// of it: its first leg keeps the part of a slot it had.
void AdjustElbow(const GanttTemplates& templates, IDispatch* connector, IDispatch* adjustments) {
  const float h0 = static_cast<float>(KeptNumber(templates.barTemplate.Get(), "Height"));
  const float lift = h0 / 2 + 2.0f;
  const float reach = h0 / 1.5f;
  const float item1 = static_cast<float>(GetItemNumber(adjustments, 1));
  float x = std::fabs(item1);
  float y = static_cast<float>(GetItemNumber(adjustments, 2));
  if (x > 0) {
    const float whole = std::nearbyint(x + 0.5f) - 1;
    const float frac = x - whole;
    const float width = static_cast<float>(GetWidth(connector));
    const bool hasWidth = width > 0;
    const float k = hasWidth ? reach / width : 0.0f;
    if (whole < 1)
      x = !hasWidth || frac < k ? frac : k;
    else
      x = hasWidth ? std::fabs(item1) - k : std::fabs(item1);
  }
  const float height = static_cast<float>(GetHeight(connector));
  if (height > h0) y = lift / height;
  const float sign = item1 < 0 ? -1.0f : 1.0f;
  PutItemNumber(adjustments, 1, sign * x);
  PutItemNumber(adjustments, 2, sign * y);
  PutItemNumber(adjustments, 3, 1.0 - GetItemNumber(adjustments, 1));
}

}  // namespace

ConnectionSites SitesForLinkType(std::string_view linkType) {
  if (linkType == "FF") return {4, 4};
  if (linkType == "SS") return {2, 2};
  if (linkType == "SF") return {2, 4};
  return {4, 2};
}

int ConnectorKindFor(int beginSite, int endSite, float fromLeft, float fromWidth, float toLeft, float toWidth,
                     float toHeight) {
  float gap = 0.0f;
  if (beginSite == 4 && endSite == 2)
    gap = toLeft - fromLeft - fromWidth;
  else if (beginSite == 2 && endSite == 4)
    gap = fromLeft - toLeft - toWidth;
  else
    return 2;
  return gap >= 0.0f && gap <= toHeight / 2 ? 1 : 2;
}

void AddTaskConnector(const BoundPlan& plan, ConnectorJob& job, int beginSite, int endSite) {
  const CallPhase phase("connectors");
  IDispatch* from = job.fromShape.Get();
  IDispatch* to = job.toShape.Get();
  const GanttTemplates& templates = plan.ganttTemplates;
  // Each end's position is read once: nothing moves the two shapes meanwhile.
  const double fromLeft = GetLeft(from);
  const double toLeft = GetLeft(to);
  const int kind = ConnectorKindFor(beginSite, endSite, static_cast<float>(fromLeft),
                                    static_cast<float>(GetWidth(from)), static_cast<float>(toLeft),
                                    static_cast<float>(GetWidth(to)), static_cast<float>(GetHeight(to)));
  job.connector = GetObjectResult(plan.wbsSheet, KV_W(".Shapes.AddConnector(%d,%e,%e,%e,%e)"), kind, fromLeft,
                                  GetTop(from), toLeft, GetTop(to));
  IDispatch* connector = job.connector.Get();
  if (!connector) return;
  AutomationObject adjustments = GetAdjustments(connector);
  if (AutomationObject line = GetObjectAt(connector, "Line")) {
    PutNumber(line.Get(), "EndArrowheadStyle", 2);
    PutNumber(line.Get(), "ForeColor.RGB",
              job.useTemplateColour == 1 ? KeptNumber(templates.connectorTemplate.Get(), "Line.ForeColor.RGB") : 0.0);
    PutNumber(line.Get(), "Weight", KeptNumber(templates.connectorTemplate.Get(), "Line.Weight"));
  }
  if (AutomationObject format = GetObjectAt(connector, "ConnectorFormat")) {
    CallMethod(format.Get(), KV_W(".BeginConnect(%o,%d)"), from, beginSite);
    CallMethod(format.Get(), KV_W(".EndConnect(%o,%d)"), to, endSite);
  }
  if (job.adjustElbow == 1) AdjustElbow(templates, connector, adjustments.Get());
  PutNumber(connector, "Placement", 1);
  PutTop(connector, GetTop(connector) - 1.5);
}

void ConnectTasks(const BoundPlan& plan, const TaskRecord& predecessor, const TaskRecord& successor,
                  std::string_view linkType) {
  ConnectorJob job;
  job.fromShape = FirstShapeOfRow(plan, predecessor.row);
  job.toShape = FirstShapeOfRow(plan, successor.row);
  const ConnectionSites sites = SitesForLinkType(linkType);
  AddTaskConnector(plan, job, sites.begin, sites.end);
  if (!job.connector) return;
  NameShapeForTask(plan, job.connector.Get(), successor, ConnectorPrefix(plan.ganttTemplates));
  if (plan.wbsSettings.taskLinkerColorFlg == 1)
    PutNumber(job.connector.Get(), "Line.ForeColor.RGB", GetNumber(job.toShape.Get(), "Fill.ForeColor.RGB"));
}

void DrawTaskLinks(const BoundPlan& plan, TaskRecord& task) {
  if (task.predecessorsText.empty()) return;
  for (const std::string& item : SplitText(task.predecessorsText, ",")) {
    const PredecessorEntry link = ParsePredecessorEntry(item);
    if (const TaskRecord* predecessor = FindTask(plan.taskTable, link.reference))
      ConnectTasks(plan, *predecessor, task, link.type);
  }
}

void DrawAllConnectors(const BoundPlan& plan) {
  const CallPhase phase("connectors");
  const std::string prefix = ConnectorPrefix(plan.ganttTemplates);
  if (prefix.empty()) return;  // an empty prefix would match every shape
  DeleteShapesByPrefix(plan.wbsSheet, prefix);
  const TaskTable& table = plan.taskTable;
  for (TaskRecord* task = FirstTask(table); task; task = NextTask(table, *task)) DrawTaskLinks(plan, *task);
}

}  // namespace korvat
