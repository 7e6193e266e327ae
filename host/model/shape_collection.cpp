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
  Compact();
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

int ShapeCollection::PositionOf(int id) const {
  auto stamp = zStamp_.find(id);
  if (stamp == zStamp_.end()) return -1;
  auto at = std::lower_bound(stamps_.begin(), stamps_.end(), stamp->second);
  if (at == stamps_.end() || *at != stamp->second) return -1;
  return static_cast<int>(at - stamps_.begin());
}

void ShapeCollection::Compact() const {
  if (holes_ == 0) return;
  size_t kept = 0;
  for (size_t i = 0; i < order_.size(); ++i) {
    if (!order_[i]) continue;
    order_[kept] = std::move(order_[i]);
    stamps_[kept] = stamps_[i];
    ++kept;
  }
  order_.resize(kept);
  stamps_.resize(kept);
  holes_ = 0;
}

int ShapeCollection::IndexOf(int id) const {
  Compact();
  return PositionOf(id);
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
  stamps_.push_back(frontStamp_);
  IndexName(s);
  IndexEnds(*s);
  return *s;
}

void ShapeCollection::IndexEnds(const Shape& s) {
  if (s.beginConnection.shapeId != 0) endsOn_[s.beginConnection.shapeId].push_back(s.id);
  if (s.endConnection.shapeId != 0 && s.endConnection.shapeId != s.beginConnection.shapeId)
    endsOn_[s.endConnection.shapeId].push_back(s.id);
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
  const int position = PositionOf(id);
  zStamp_.erase(id);
  if (position >= 0) {
    order_[static_cast<size_t>(position)] = nullptr;
    ++holes_;
  }
  if (auto ends = endsOn_.find(id); ends != endsOn_.end()) {
    for (int connectorId : ends->second) {
      Shape* c = FindById(connectorId);
      if (!c) continue;
      if (c->beginConnection.shapeId == id) c->beginConnection = {};
      if (c->endConnection.shapeId == id) c->endConnection = {};
    }
    endsOn_.erase(ends);
  }
  return true;
}

void ShapeCollection::Clear() {
  order_.clear();
  stamps_.clear();
  holes_ = 0;
  endsOn_.clear();
  byName_.clear();
  byId_.clear();
  zStamp_.clear();
}

void ShapeCollection::BringToFront(int id) {
  Compact();
  int i = PositionOf(id);
  if (i < 0) return;
  auto s = order_[static_cast<size_t>(i)];
  order_.erase(order_.begin() + i);
  stamps_.erase(stamps_.begin() + i);
  order_.push_back(s);
  zStamp_[id] = ++frontStamp_;
  stamps_.push_back(frontStamp_);
}

void ShapeCollection::SendToBack(int id) {
  Compact();
  int i = PositionOf(id);
  if (i < 0) return;
  auto s = order_[static_cast<size_t>(i)];
  order_.erase(order_.begin() + i);
  stamps_.erase(stamps_.begin() + i);
  order_.insert(order_.begin(), s);
  zStamp_[id] = --backStamp_;
  stamps_.insert(stamps_.begin(), backStamp_);
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
  endsOn_[target.id].push_back(connector.id);
  double bx, by, ex, ey;
  ConnectorPoints(connector, &bx, &by, &ex, &ey);
  SitePoint(target, site, beginEnd ? &bx : &ex, beginEnd ? &by : &ey);
  SetConnectorPoints(connector, bx, by, ex, ey);
  return true;
}

void ShapeCollection::Disconnect(Shape& connector, bool beginEnd) {
  (beginEnd ? connector.beginConnection : connector.endConnection) = {};
}

void ShapeCollection::Glue(Shape& connector, bool beginEnd, ConnectorEnd end) {
  (beginEnd ? connector.beginConnection : connector.endConnection) = end;
  if (end.shapeId != 0) endsOn_[end.shapeId].push_back(connector.id);
}

void ShapeCollection::RerouteConnectors() {
  Compact();
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
