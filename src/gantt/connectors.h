#pragma once
// Dependency connectors: one arrowed connector per predecessor link, glued to
// the first shape (letter "A") of the predecessor's and the successor's rows,
// so that it follows the bars when they move.

#include "automation/automation_object.h"
#include "plan/bound_plan.h"

#include <cstdint>
#include <string_view>

namespace korvat {

// One connector being drawn.
struct ConnectorJob {
  AutomationObject fromShape;
  AutomationObject toShape;  // carries the arrowhead
  AutomationObject connector;
  std::int64_t useTemplateColour = 1;  // else black
  std::int64_t adjustElbow = 1;
};

// Connection sites of a link type on the host's rectangles (2 left, 4 right):
// FS (and any unknown type) 4 to 2, FF 4 to 4, SS 2 to 2, SF 2 to 4.
struct ConnectionSites {
  int begin = 4;
  int end = 2;
};
ConnectionSites SitesForLinkType(std::string_view linkType);

// A straight connector when a right-to-left (4, 2) or left-to-right (2, 4) link
// bridges a gap of 0 up to half the target's height; an elbow otherwise.
// Returns the host's connector kind: 1 straight, 2 elbow.
int ConnectorKindFor(int beginSite, int endSite, float fromLeft, float fromWidth, float toLeft, float toWidth,
                     float toHeight);

// Deletes every connector (by the connector prefix) and draws the links of
// every task in table order. Does nothing without a connector template.
void DrawAllConnectors(const BoundPlan& plan);
void DrawTaskLinks(const BoundPlan& plan, TaskRecord& task);
void ConnectTasks(const BoundPlan& plan, const TaskRecord& predecessor, const TaskRecord& successor,
                  std::string_view linkType);
// Creates the connector between the job's shapes, styles it from the connector
// template, glues it to the sites and, when asked, sets its elbow.
void AddTaskConnector(const BoundPlan& plan, ConnectorJob& job, int beginSite, int endSite);

}  // namespace korvat
