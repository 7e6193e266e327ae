#pragma once
// Small helpers for reading the renderer's SVG text in tests: find an element by something it
// contains and read its attributes.

#include <string>
#include <vector>

namespace korvat::host::render::testing {

// The start tag (or whole text element) around the first occurrence of `marker` at or after
// `from`; empty when absent.
std::string ElementAround(const std::string& svg, const std::string& marker, size_t from = 0);
// An attribute's value in a start tag; empty when absent.
std::string Attribute(const std::string& element, const std::string& name);
// The character data of every <text> element (tspans joined), in document order.
std::vector<std::string> Texts(const std::string& svg);
// How often `needle` occurs.
size_t Count(const std::string& haystack, const std::string& needle);
// The start tag of the nested <svg> viewport that clips the element at the first `marker`;
// empty when the element is not inside one (the document's own root does not count).
std::string ClipAround(const std::string& svg, const std::string& marker);
// The group written for the named shape ("<g data-shape=...>...</g>"); empty when absent.
std::string ShapeGroup(const std::string& svg, const std::string& name);

}  // namespace korvat::host::render::testing
