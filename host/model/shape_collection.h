#pragma once
// The shapes of one worksheet in z-order (index 0 at the back), with an index by name
// (case-insensitive, as the host matches them) and by id, so lookups never scan.
// Shapes are shared so an adapter can keep a weak reference that expires on Delete.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/model/shape.h"

namespace korvat::host {

class ShapeCollection {
 public:
  int Count() const { return static_cast<int>(order_.size() - holes_); }
  // 0-based z-order position; null outside 0..Count()-1.
  Shape* At(int index) const;
  const std::vector<std::shared_ptr<Shape>>& InZOrder() const {
    Compact();
    return order_;
  }
  // By name without regard to case; when names repeat, the one furthest back. Null when absent.
  Shape* Find(std::string_view name) const;
  Shape* FindById(int id) const;
  std::shared_ptr<Shape> SharedById(int id) const;
  int IndexOf(int id) const;  // z-order position or -1

  // New shapes go to the front with the next id and a name like "Rectangle 3".
  Shape& AddAutoShape(int autoShapeType, double left, double top, double width, double height);
  Shape& AddTextBox(double left, double top, double width, double height);
  Shape& AddConnector(int connectorType, double beginX, double beginY, double endX, double endY);
  // Points are sheet coordinates; the first is the start. The shape's box is their bounds.
  Shape& AddFreeform(const std::vector<FreeformNode>& absoluteNodes);
  Shape& AddChart(std::shared_ptr<Chart> chart, double left, double top, double width, double height);
  // Adds a shape as given (loading a file): keeps its id and name when both are free and valid,
  // otherwise gives new ones.
  Shape& Insert(Shape shape);

  // False (and no change) for an empty name.
  bool Rename(Shape& shape, std::string name);
  // Deletes the shape; connectors attached to it come loose. False when no shape has the id.
  bool Delete(int id);
  void Clear();
  void BringToFront(int id);
  void SendToBack(int id);

  // Attaches one end of a connector to a site of another shape and moves that end there.
  bool Connect(Shape& connector, bool beginEnd, const Shape& target, int site);
  void Disconnect(Shape& connector, bool beginEnd);
  // Glues one end to a shape without moving it (loading a file, where the file gives the place).
  void Glue(Shape& connector, bool beginEnd, ConnectorEnd end);
  // Moves the attached ends of every connector to their sites (after shapes moved).
  void RerouteConnectors();

  // Where a connection site of a shape lies: sites run counter-clockwise from the top
  // middle (1 top, 2 left, 3 bottom, 4 right), repeating for higher numbers.
  static void SitePoint(const Shape& shape, int site, double* x, double* y);
  // The begin and end points of a connector from its box and flips.
  static void ConnectorPoints(const Shape& c, double* bx, double* by, double* ex, double* ey);
  static void SetConnectorPoints(Shape& c, double bx, double by, double ex, double ey);

 private:
  Shape& AddNew(ShapeType type, std::string baseName, double left, double top, double width,
                double height);
  Shape& Link(std::shared_ptr<Shape> shape);
  void IndexName(Shape* s);
  void UnindexName(Shape* s);
  void IndexEnds(const Shape& s);
  int PositionOf(int id) const;  // in order_, holes included; -1 when absent
  void Compact() const;

  // Deleting leaves a hole that the next look at the order closes, so deleting many shapes in
  // a row moves the order once.
  mutable std::vector<std::shared_ptr<Shape>> order_;  // z-order, rising stamps
  mutable std::vector<int64_t> stamps_;  // the z-stamp of each entry of order_, holes too
  mutable size_t holes_ = 0;
  // The connectors whose ends were glued to a shape, by the shape's id (checked when used:
  // an end glued elsewhere since stays listed).
  std::unordered_map<int, std::vector<int>> endsOn_;
  std::unordered_map<std::string, std::vector<Shape*>> byName_;  // folded name
  std::unordered_map<int, std::shared_ptr<Shape>> byId_;
  std::unordered_map<int, int64_t> zStamp_;  // id -> rises toward the front
  int64_t frontStamp_ = 0;
  int64_t backStamp_ = 0;
  int nextId_ = 1;
};

// The name the host gives a new auto shape of that type, without the number ("Oval").
std::string AutoShapeBaseName(int autoShapeType);

}  // namespace korvat::host
