#include "host/model/shape.h"

namespace korvat::host {

const char* ShapeTypeName(ShapeType t) {
  switch (t) {
    case ShapeType::AutoShape: return "autoshape";
    case ShapeType::TextBox: return "textbox";
    case ShapeType::Connector: return "connector";
    case ShapeType::Freeform: return "freeform";
    case ShapeType::Chart: return "chart";
  }
  return "autoshape";
}

bool ShapeTypeFromName(const std::string& name, ShapeType* type) {
  for (ShapeType t : {ShapeType::AutoShape, ShapeType::TextBox, ShapeType::Connector,
                      ShapeType::Freeform, ShapeType::Chart}) {
    if (name == ShapeTypeName(t)) {
      *type = t;
      return true;
    }
  }
  return false;
}

int ShapeTypeCode(ShapeType t) {
  switch (t) {
    case ShapeType::AutoShape: return 1;
    case ShapeType::TextBox: return 17;
    case ShapeType::Connector: return 1;
    case ShapeType::Freeform: return 5;
    case ShapeType::Chart: return 3;
  }
  return 1;
}

Shape DefaultShapeOf(ShapeType type) {
  Shape s;
  s.type = type;
  switch (type) {
    case ShapeType::TextBox:
      s.fill.foreColor = 0xFFFFFF;
      s.line.visible = false;
      s.line.foreColor = 0;
      break;
    case ShapeType::Connector:
      s.fill.visible = false;
      break;
    case ShapeType::Chart:
      s.fill.foreColor = 0xFFFFFF;
      break;
    default:
      break;
  }
  return s;
}

}  // namespace korvat::host
