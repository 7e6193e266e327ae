#pragma once
// A drawing object of a worksheet. Geometry is in points from the sheet's top-left corner.
// Colours are RGB as the host packs them (red + green*256 + blue*65536).

#include <memory>
#include <string>
#include <vector>

#include "host/model/chart.h"

namespace korvat::host {

enum class ShapeType { AutoShape, TextBox, Connector, Freeform, Chart };
const char* ShapeTypeName(ShapeType t);  // "autoshape", "textbox", "connector", "freeform", "chart"
bool ShapeTypeFromName(const std::string& name, ShapeType* type);
int ShapeTypeCode(ShapeType t);          // the host's Shape.Type: 1, 17, 1 (connector), 5, 3

inline constexpr int kAutoShapeRectangle = 1;

struct FillFormat {
  bool visible = true;
  int foreColor = 0xC47244;  // RGB(68, 114, 196)
  int backColor = 0xFFFFFF;
  double transparency = 0.0;
  int pattern = 0;  // 0 solid fill; the host's pattern constants otherwise
  friend bool operator==(const FillFormat&, const FillFormat&) = default;
};

inline constexpr int kArrowheadNone = 1;

struct LineFormat {
  bool visible = true;
  double weight = 0.75;
  int dashStyle = 1;  // solid
  int style = 1;      // single
  int foreColor = 0x8F522F;  // RGB(47, 82, 143)
  int backColor = 0xFFFFFF;
  int beginArrowheadStyle = kArrowheadNone;
  int endArrowheadStyle = kArrowheadNone;
  friend bool operator==(const LineFormat&, const LineFormat&) = default;
};

inline constexpr int kTextAlignLeft = -4131;
inline constexpr int kTextAlignTop = -4160;

struct TextFrame {
  std::string text;
  std::string fontName = "Calibri";
  double fontSize = 11.0;
  int autoSize = 0;
  bool autoMargins = false;
  double marginLeft = 7.2;
  double marginTop = 3.6;
  double marginRight = 7.2;
  double marginBottom = 3.6;
  int horizontalAlignment = kTextAlignLeft;
  int verticalAlignment = kTextAlignTop;
  friend bool operator==(const TextFrame&, const TextFrame&) = default;
};

// One end of a connector: the shape it is attached to (by id; 0 when free) and the site.
struct ConnectorEnd {
  int shapeId = 0;
  int site = 0;
  bool connected() const { return shapeId != 0; }
  friend bool operator==(const ConnectorEnd&, const ConnectorEnd&) = default;
};

// A freeform node, relative to the shape's top-left corner so that moving the shape keeps it.
struct FreeformNode {
  int segmentType = 0;  // 0 line, 1 curve
  int editingType = 0;  // 0 auto, 1 corner
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const FreeformNode&, const FreeformNode&) = default;
};

inline constexpr int kPlacementMoveAndSize = 1;
inline constexpr int kPlacementMove = 2;
inline constexpr int kPlacementFreeFloating = 3;

struct Shape {
  int id = 0;           // unique within the sheet, given by the sheet
  std::string name;     // rename through ShapeCollection::Rename to keep the index right
  ShapeType type = ShapeType::AutoShape;
  int autoShapeType = kAutoShapeRectangle;  // AutoShape only
  int connectorType = 1;                     // Connector only: 1 straight, 2 elbow, 3 curved
  double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
  bool flipHorizontal = false;  // connectors drawn right to left
  bool flipVertical = false;    // connectors drawn bottom to top
  FillFormat fill;
  LineFormat line;
  TextFrame textFrame;
  std::vector<double> adjustments;
  ConnectorEnd beginConnection;
  ConnectorEnd endConnection;
  std::vector<FreeformNode> nodes;
  int placement = kPlacementMove;
  std::shared_ptr<Chart> chart;  // type Chart only
};

// A new shape of the type as the host formats it (a text box has a white fill and no line,
// a connector no fill). Geometry, id and name are left for the caller.
Shape DefaultShapeOf(ShapeType type);

}  // namespace korvat::host
