#include "host/render/html_page.h"

#include "host/render/heading_layer.h"
#include "host/render/sheet_drawing.h"
#include "host/render/sheet_layout.h"
#include "host/render/svg_text.h"

namespace korvat::host::render {
namespace {

constexpr const char* kStyle = R"(
html,body{margin:0;padding:0;background:#fff;font-family:Calibri,Carlito,sans-serif}
nav{display:flex;gap:2px;padding:4px 6px 0;background:#e6e6e6;border-bottom:1px solid #c6c6c6;height:26px;box-sizing:border-box}
nav a{padding:3px 12px;font-size:13px;color:#333;text-decoration:none;background:#f4f4f4;border:1px solid #c6c6c6;border-bottom:none}
nav a.active{background:#fff;font-weight:bold;color:#217346}
.scroll{overflow:auto;height:calc(100vh - 26px);position:relative}
.line{display:flex;flex:none}
.head{position:sticky;top:0;z-index:2}
.corner,.rows{position:sticky;left:0;z-index:1;flex:none}
.corner{z-index:3}
.band{content-visibility:auto}
svg{display:block;flex:none}
)";

constexpr const char* kScript = R"(
(function(){
  var tabs = Array.prototype.slice.call(document.querySelectorAll('nav a'));
  var sheets = Array.prototype.slice.call(document.querySelectorAll('section.sheet'));
  function show(id){
    sheets.forEach(function(s){ s.hidden = s.id !== id; });
    tabs.forEach(function(a){ a.classList.toggle('active', a.getAttribute('href') === '#' + id); });
  }
  tabs.forEach(function(a){
    a.addEventListener('click', function(e){
      e.preventDefault();
      var id = a.getAttribute('href').slice(1);
      show(id);
      history.replaceState(null, '', '#' + id);
    });
  });
  var wanted = decodeURIComponent(location.hash.slice(1));
  var known = sheets.some(function(s){ return s.id === wanted; });
  if (sheets.length) show(known ? wanted : sheets[0].id);
  document.body.setAttribute('data-rendered', 'ok');
})();
)";

std::string Px(double points) { return Num(points * kPixelsPerPoint); }

std::string SvgOpen(const char* cls, double x, double y, double w, double h) {
  return std::string("<svg class=\"") + cls + "\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Px(w) +
         "\" height=\"" + Px(h) + "\" viewBox=\"" + Num(x) + ' ' + Num(y) + ' ' + Num(w) + ' ' + Num(h) + "\">";
}

void WriteSheetSection(const Worksheet& sheet, int index, std::string& out) {
  SheetLayout layout(sheet);
  const double hw = layout.HeadingWidth(), hh = layout.HeadingHeight(), width = layout.Width();
  out += "<section class=\"sheet\" id=\"sheet-" + std::to_string(index) + "\" data-name=\"" + EscapeXml(sheet.Name()) +
         "\"><div class=\"scroll\">";
  out += "<div class=\"line head\" style=\"width:" + Px(hw + width) + "px\">";
  out += SvgOpen("corner", -hw, -hh, hw, hh);
  WriteHeadingCorner(layout, {0, 0}, out);
  out += "</svg>" + SvgOpen("cols", 0, -hh, width, hh);
  WriteColumnHeadings(layout, {0, 0}, out);
  out += "</svg></div>";

  std::vector<RowBand> bands = layout.Bands();
  auto shapes = ShapesByBand(layout, bands);
  for (size_t i = 0; i < bands.size(); ++i) {
    const RowBand& band = bands[i];
    double h = band.bottom - band.top;
    if (h <= 0) continue;
    out += "<div class=\"line band\" style=\"width:" + Px(hw + width) + "px;height:" + Px(h) +
           "px;contain-intrinsic-size:" + Px(hw + width) + "px " + Px(h) + "px\">";
    out += SvgOpen("rows", -hw, band.top, hw, h);
    WriteRowHeadings(layout, band, {0, 0}, out);
    out += "</svg>" + SvgOpen("cells", 0, band.top, width, h);
    WriteSheetBand(layout, band, shapes[i], {0, 0}, out);
    out += "</svg></div>\n";
  }
  out += "</div></section>\n";
}

}  // namespace

std::string WorkbookPage(const std::vector<const Worksheet*>& sheets) {
  std::string title;
  for (const Worksheet* s : sheets) title += (title.empty() ? "" : ", ") + s->Name();
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">";
  out += "<meta name=\"generator\" content=\"korvat render\"><title>" + EscapeXml(title) + "</title>";
  out += std::string("<style>") + kStyle + "</style></head><body>\n<nav>";
  for (size_t i = 0; i < sheets.size(); ++i)
    out += "<a href=\"#sheet-" + std::to_string(i + 1) + "\">" + EscapeXml(sheets[i]->Name()) + "</a>";
  out += "</nav>\n";
  for (size_t i = 0; i < sheets.size(); ++i) WriteSheetSection(*sheets[i], static_cast<int>(i + 1), out);
  out += std::string("<script>") + kScript + "</script>\n</body></html>\n";
  return out;
}

}  // namespace korvat::host::render
