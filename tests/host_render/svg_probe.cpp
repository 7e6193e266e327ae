#include "host_render/svg_probe.h"

namespace korvat::host::render::testing {

std::string ElementAround(const std::string& svg, const std::string& marker, size_t from) {
  size_t at = svg.find(marker, from);
  if (at == std::string::npos) return {};
  size_t start = svg.rfind('<', at);
  size_t end = svg.find('>', at);
  if (start == std::string::npos || end == std::string::npos) return {};
  if (svg.compare(start, 5, "<text") == 0) {
    size_t close = svg.find("</text>", start);
    if (close != std::string::npos) end = close + 6;
  }
  return svg.substr(start, end - start + 1);
}

std::string Attribute(const std::string& element, const std::string& name) {
  std::string key = " " + name + "=\"";
  size_t at = element.find(key);
  if (at == std::string::npos) return {};
  at += key.size();
  return element.substr(at, element.find('"', at) - at);
}

std::vector<std::string> Texts(const std::string& svg) {
  std::vector<std::string> out;
  for (size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
    size_t close = svg.find("</text>", at);
    std::string inner = svg.substr(at, close - at);
    std::string data;
    bool inTag = false;
    for (char c : inner) {
      if (c == '<') inTag = true;
      else if (c == '>') inTag = false;
      else if (!inTag) data += c;
    }
    out.push_back(data);
  }
  return out;
}

size_t Count(const std::string& haystack, const std::string& needle) {
  size_t n = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size())) ++n;
  return n;
}

std::string ClipAround(const std::string& svg, const std::string& marker) {
  size_t at = svg.find(marker);
  if (at == std::string::npos) return {};
  size_t start = svg.rfind("<svg", at);
  if (start == std::string::npos || start == 0) return {};
  if (svg.find("</svg>", start) < at) return {};
  return svg.substr(start, svg.find('>', start) - start + 1);
}

std::string ShapeGroup(const std::string& svg, const std::string& name) {
  size_t start = svg.find("<g data-shape=\"" + name + "\">");
  if (start == std::string::npos) return {};
  // Shape groups nest further groups only inside charts; count depth.
  int depth = 0;
  for (size_t at = start; at < svg.size(); ++at) {
    if (svg.compare(at, 2, "<g") == 0 && (svg[at + 2] == ' ' || svg[at + 2] == '>')) ++depth;
    if (svg.compare(at, 4, "</g>") == 0 && --depth == 0) return svg.substr(start, at + 4 - start);
  }
  return {};
}

}  // namespace korvat::host::render::testing
