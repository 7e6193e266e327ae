#include "host/file/xlsx_opc.h"

#include <cstdio>

#include "host/file/xlsx_xml.h"
#include "host/model/text_compare.h"

namespace korvat::host::file::xlsx {
namespace {

std::string Folder(std::string_view part) {
  size_t slash = part.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash));
}

std::vector<std::string> Split(std::string_view path) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string_view::npos) slash = path.size();
    if (slash > start) out.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return out;
}

std::string PercentDecoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    auto hex = [](char c) {
      return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
      out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Strip(std::string_view part) {
  if (!part.empty() && part.front() == '/') part.remove_prefix(1);
  return std::string(part);
}

}  // namespace

std::string Relationship::Role() const {
  size_t slash = type.rfind('/');
  return slash == std::string::npos ? type : type.substr(slash + 1);
}

const Relationship* Relationships::ById(std::string_view id) const {
  for (const auto& r : list)
    if (r.id == id) return &r;
  return nullptr;
}

const Relationship* Relationships::FirstWithRole(std::string_view role) const {
  for (const auto& r : list)
    if (r.Role() == role) return &r;
  return nullptr;
}

std::string Relationships::NewId() const {
  for (size_t n = list.size() + 1;; ++n) {
    std::string id = "rId" + std::to_string(n);
    if (!ById(id)) return id;
  }
}

std::string RelationshipsPartName(std::string_view sourcePart) {
  std::string part = Strip(sourcePart);
  if (part.empty()) return "_rels/.rels";
  std::string folder = Folder(part);
  std::string file = part.substr(folder.empty() ? 0 : folder.size() + 1);
  return (folder.empty() ? "" : folder + "/") + "_rels/" + file + ".rels";
}

std::string ResolveTarget(std::string_view sourcePart, std::string_view target) {
  std::string t = PercentDecoded(target);
  size_t hash = t.find('#');
  if (hash != std::string::npos) t.resize(hash);
  std::vector<std::string> segments;
  if (t.empty() || t.front() != '/') segments = Split(Folder(Strip(sourcePart)));
  for (const std::string& s : Split(t)) {
    if (s == ".") continue;
    if (s == "..") {
      if (segments.empty()) return {};
      segments.pop_back();
    } else {
      segments.push_back(s);
    }
  }
  std::string out;
  for (const auto& s : segments) out += (out.empty() ? "" : "/") + s;
  return IsSafePartName(out) ? out : std::string();
}

// A part name as a relative reference: characters a URI does not hold as they are are escaped.
std::string PercentEncoded(std::string_view name) {
  std::string out;
  for (unsigned char c : name) {
    if (c <= 0x20 || c >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"') {
      char buffer[4];
      std::snprintf(buffer, sizeof buffer, "%%%02X", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string RelativeTarget(std::string_view sourcePart, std::string_view targetPart) {
  std::vector<std::string> from = Split(Folder(Strip(sourcePart)));
  std::vector<std::string> to = Split(Strip(targetPart));
  size_t common = 0;
  while (common < from.size() && common + 1 < to.size() && from[common] == to[common]) ++common;
  std::string out;
  for (size_t i = common; i < from.size(); ++i) out += "../";
  for (size_t i = common; i < to.size(); ++i) out += to[i] + (i + 1 < to.size() ? "/" : "");
  return PercentEncoded(out);
}

bool ReadRelationships(const Package& package, std::string_view sourcePart, Relationships* out, std::string* error) {
  out->list.clear();
  const std::string name = RelationshipsPartName(sourcePart);
  const std::string* data = package.Find(name);
  if (!data) return true;
  pugi::xml_document doc;
  if (!ParseXml(*data, name, &doc, error)) return false;
  for (const pugi::xml_node& r : Children(doc.document_element(), "Relationship")) {
    Relationship one;
    one.id = r.attribute("Id").value();
    one.type = r.attribute("Type").value();
    one.target = r.attribute("Target").value();
    one.external = std::string_view(r.attribute("TargetMode").value()) == "External";
    if (one.id.empty() || one.type.empty()) {
      *error = name + ": a relationship needs an Id and a Type";
      return false;
    }
    out->list.push_back(std::move(one));
  }
  return true;
}

std::string RelationshipsXml(const Relationships& rels) {
  XmlOut x;
  x.Start("Relationships").Attr("xmlns", ns::kPackageRel);
  for (const auto& r : rels.list) {
    x.Start("Relationship").Attr("Id", r.id).Attr("Type", r.type).Attr("Target", r.target);
    if (r.external) x.Attr("TargetMode", "External");
    x.End();
  }
  return x.Take();
}

bool ContentTypes::Read(const Package& package, std::string* error) {
  const std::string* data = package.Find("[Content_Types].xml");
  if (!data) {
    *error = "[Content_Types].xml: missing (not an Office Open XML package)";
    return false;
  }
  pugi::xml_document doc;
  if (!ParseXml(*data, "[Content_Types].xml", &doc, error)) return false;
  for (pugi::xml_node n = doc.document_element().first_child(); n; n = n.next_sibling()) {
    if (LocalName(n) == "Default") SetDefault(n.attribute("Extension").value(), n.attribute("ContentType").value());
    if (LocalName(n) == "Override") SetOverride(n.attribute("PartName").value(), n.attribute("ContentType").value());
  }
  return true;
}

std::string ContentTypes::TypeOf(std::string_view part) const {
  auto o = overrides_.find(FoldCase(Strip(part)));
  if (o != overrides_.end()) return o->second.second;
  size_t dot = part.rfind('.');
  if (dot == std::string_view::npos) return {};
  auto d = defaults_.find(FoldCase(part.substr(dot + 1)));
  return d == defaults_.end() ? std::string() : d->second.second;
}

void ContentTypes::SetDefault(const std::string& extension, const std::string& type) {
  defaults_[FoldCase(extension)] = {extension, type};
}

void ContentTypes::SetOverride(const std::string& part, const std::string& type) {
  std::string p = Strip(part);
  overrides_[FoldCase(p)] = {p, type};
}

void ContentTypes::RemoveOverride(std::string_view part) { overrides_.erase(FoldCase(Strip(part))); }

std::string ContentTypes::Xml() const {
  XmlOut x;
  x.Start("Types").Attr("xmlns", ns::kContentTypes);
  for (const auto& [key, d] : defaults_) x.Start("Default").Attr("Extension", d.first).Attr("ContentType", d.second).End();
  for (const auto& [key, o] : overrides_)
    x.Start("Override").Attr("PartName", "/" + o.first).Attr("ContentType", o.second).End();
  return x.Take();
}

}  // namespace korvat::host::file::xlsx
