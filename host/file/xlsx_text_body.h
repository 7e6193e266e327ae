#pragma once
// A shape's text frame as drawing markup writes it: one paragraph per line, the font and
// size of the runs, margins, alignment and autofit.

#include <string>

#include <pugixml.hpp>

#include "host/model/shape.h"

namespace korvat::host::file::xlsx {

std::string TextBodyXml(const TextFrame& text);
// Reads a txBody element; what it does not say leaves the values as they are.
void ReadTextBody(const pugi::xml_node& body, TextFrame* text);

}  // namespace korvat::host::file::xlsx
