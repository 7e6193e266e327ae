#include "host/model/shape_collection.h"

#include <algorithm>
#include <cmath>

#include "host/model/text_compare.h"

namespace korvat::host {

std::string AutoShapeBaseName(int autoShapeType) {
  switch (autoShapeType) {
    case 1: return "Rectangle";
    case 2: return "Parallelogram";
    case 3: return "Trapezoid";
    case 4: return "Diamond";
    case 5: return "Rounded Rectangle";
    case 6: return "Octagon";
    case 7: return "Isosceles Triangle";
    case 8: return "Right Triangle";
    case 9: return "Oval";
    case 10: return "Hexagon";
    case 33: return "Right Arrow";
    case 34: return "Left Arrow";
    case 51: return "Pentagon";
    case 52: return "Chevron";
    default: return "AutoShape";
  }
}

namespace {
std::string ConnectorBaseName(int connectorType) {
  switch (connectorType) {
    case 2: return "Elbow Connector";
    case 3: return "Curved Connector";
    default: return "Straight Connector";
  }
}
}  // namespace

Shape* ShapeCollection::At(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return order_[static_cast<size_t>(index)].get();
}

Shape* ShapeCollection::Find(std::string_view name) const {
  auto it = byName_.find(FoldCase(name));
  if (it == byName_.end() || it->second.empty()) return nullptr;
  Shape* best = it->second.front();
  for (Shape* s : it->second)
    if (zStamp_.at(s->id) < zStamp_.at(best->id)) best = s;
  return best;
}

Shape* ShapeCollection::FindById(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second.get();
}

std::shared_ptr<Shape> ShapeCollection::SharedById(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

int ShapeCollection::IndexOf(int id) const {
  for (size_t i = 0; i < order_.size(); ++i)
    if (order_[i]->id == id) return static_cast<int>(i);
  return -1;
}

Shape& ShapeCollection::AddNew(ShapeType type, std::string baseName, double left, double top,
                               double width, double height) {
  auto s = std::make_shared<Shape>(DefaultShapeOf(type));
  s->id = nextId_;
  s->name = std::move(baseName) + " " + std::to_string(nextId_);
  s->left = left;
  s->top = top;
  s->width = std::max(0.0, width);
  s->height = std::max(0.0, height);
  return Link(std::move(s));
}

Shape& ShapeCollection::Link(std::shared_ptr<Shape> shape) {
  Shape* s = shape.get();
  nextId_ = std::max(nextId_, s->id + 1);
  byId_[s->id] = shape;
  zStamp_[s->id] = ++frontStamp_;
  order_.push_back(std::move(shape));
  IndexName(s);
  return *s;
}

Shape& ShapeCollection::AddAutoShape(int autoShapeType, double left, double top, double width,
                                     double height) {
  Shape& s = AddNew(ShapeType::AutoShape, AutoShapeBaseName(autoShapeType), left, top, width, height);
  s.autoShapeType = autoShapeType;
  return s;
}

Shape& ShapeCollection::AddTextBox(double left, double top, double width, double height) {
  return AddNew(ShapeType::TextBox, "TextBox", left, top, width, height);
}

Shape& ShapeCollection::AddConnector(int connectorType, double beginX, double beginY, double endX,
                                     double endY) {
  Shape& s = AddNew(ShapeType::Connector, ConnectorBaseName(connectorType), 0, 0, 0, 0);
  s.connectorType = connectorType;
  SetConnectorPoints(s, beginX, beginY, endX, endY);
  return s;
}

Shape& ShapeCollection::AddFreeform(const std::vector<FreeformNode>& absoluteNodes) {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (size_t i = 0; i < absoluteNodes.size(); ++i) {
    const FreeformNode& n = absoluteNodes[i];
    minX = i ? std::min(minX, n.x) : n.x;
    minY = i ? std::min(minY, n.y) : n.y;
    maxX = i ? std::max(maxX, n.x) : n.x;
    maxY = i ? std::max(maxY, n.y) : n.y;
  }
  Shape& s = AddNew(ShapeType::Freeform, "Freeform", minX, minY, maxX - minX, maxY - minY);
  for (FreeformNode n : absoluteNodes) {
    n.x -= minX;
    n.y -= minY;
    s.nodes.push_back(n);
  }
  return s;
}

Shape& ShapeCollection::AddChart(std::shared_ptr<Chart> chart, double left, double top,
                                 double width, double height) {
  Shape& s = AddNew(ShapeType::Chart, "Chart", left, top, width, height);
  s.chart = chart ? std::move(chart) : std::make_shared<Chart>();
  return s;
}

Shape& ShapeCollection::Insert(Shape shape) {
  if (shape.id <= 0 || byId_.count(shape.id)) shape.id = nextId_;
  if (shape.name.empty()) shape.name = "Shape " + std::to_string(shape.id);
  if (shape.type == ShapeType::Chart && !shape.chart) shape.chart = std::make_shared<Chart>();
  return Link(std::make_shared<Shape>(std::move(shape)));
}

void ShapeCollection::IndexName(Shape* s) { byName_[FoldCase(s->name)].push_back(s); }

void ShapeCollection::UnindexName(Shape* s) {
  auto it = byName_.find(FoldCase(s->name));
  if (it == byName_.end()) return;
  auto& v = it->second;
  v.erase(std::remove(v.begin(), v.end(), s), v.end());
  if (v.empty()) byName_.erase(it);
}

bool ShapeCollection::Rename(Shape& shape, std::string name) {
  if (name.empty() || FindById(shape.id) != &shape) return false;
  UnindexName(&shape);
  shape.name = std::move(name);
  IndexName(&shape);
  return true;
}

bool ShapeCollection::Delete(int id) {
  auto it = byId_.find(id);
  if (it == byId_.end()) return false;
  std::shared_ptr<Shape> keep = it->second;
  UnindexName(keep.get());
  byId_.erase(it);
  zStamp_.erase(id);
  order_.erase(std::remove(order_.begin(), order_.end(), keep), order_.end());
  for (auto& s : order_) {
    if (s->beginConnection.shapeId == id) s->beginConnection = {};
    if (s->endConnection.shapeId == id) s->endConnection = {};
  }
  return true;
}

void ShapeCollection::Clear() {
  order_.clear();
  byName_.clear();
  byId_.clear();
  zStamp_.clear();
}

void ShapeCollection::BringToFront(int id) {
  int i = IndexOf(id);
  if (i < 0) return;
  auto s = order_[static_cast<size_t>(i)];
  order_.erase(order_.begin() + i);
  order_.push_back(s);
  zStamp_[id] = ++frontStamp_;
}

void ShapeCollection::SendToBack(int id) {
  int i = IndexOf(id);
  if (i < 0) return;
  auto s = order_[static_cast<size_t>(i)];
  order_.erase(order_.begin() + i);
  order_.insert(order_.begin(), s);
  zStamp_[id] = --backStamp_;
}

void ShapeCollection::SitePoint(const Shape& s, int site, double* x, double* y) {
  int k = site < 1 ? 0 : (site - 1) % 4;
  const double cx = s.left + s.width / 2, cy = s.top + s.height / 2;
  switch (k) {
    case 0: *x = cx; *y = s.top; break;
    case 1: *x = s.left; *y = cy; break;
    case 2: *x = cx; *y = s.top + s.height; break;
    default: *x = s.left + s.width; *y = cy; break;
  }
}

void ShapeCollection::ConnectorPoints(const Shape& c, double* bx, double* by, double* ex,
                                      double* ey) {
  *bx = c.flipHorizontal ? c.left + c.width : c.left;
  *ex = c.flipHorizontal ? c.left : c.left + c.width;
  *by = c.flipVertical ? c.top + c.height : c.top;
  *ey = c.flipVertical ? c.top : c.top + c.height;
}

void ShapeCollection::SetConnectorPoints(Shape& c, double bx, double by, double ex, double ey) {
  c.left = std::min(bx, ex);
  c.top = std::min(by, ey);
  c.width = std::fabs(ex - bx);
  c.height = std::fabs(ey - by);
  c.flipHorizontal = ex < bx;
  c.flipVertical = ey < by;
}

bool ShapeCollection::Connect(Shape& connector, bool beginEnd, const Shape& target, int site) {
  if (connector.type != ShapeType::Connector || FindById(target.id) != &target ||
      target.id == connector.id || site < 1)
    return false;
  (beginEnd ? connector.beginConnection : connector.endConnection) = {target.id, site};
  double bx, by, ex, ey;
  ConnectorPoints(connector, &bx, &by, &ex, &ey);
  SitePoint(target, site, beginEnd ? &bx : &ex, beginEnd ? &by : &ey);
  SetConnectorPoints(connector, bx, by, ex, ey);
  return true;
}

void ShapeCollection::Disconnect(Shape& connector, bool beginEnd) {
  (beginEnd ? connector.beginConnection : connector.endConnection) = {};
}

void ShapeCollection::RerouteConnectors() {
  for (auto& s : order_) {
    if (s->type != ShapeType::Connector) continue;
    double bx, by, ex, ey;
    ConnectorPoints(*s, &bx, &by, &ex, &ey);
    if (const Shape* t = FindById(s->beginConnection.shapeId))
      SitePoint(*t, s->beginConnection.site, &bx, &by);
    if (const Shape* t = FindById(s->endConnection.shapeId))
      SitePoint(*t, s->endConnection.site, &ex, &ey);
    SetConnectorPoints(*s, bx, by, ex, ey);
  }
}

}  // namespace korvat::host
