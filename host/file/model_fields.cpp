#include "host/file/model_fields.h"

namespace korvat::host::file {

const std::vector<Field<Border>>& BorderFields() {
  using F = Field<Border>;
  static const std::vector<F> f = {F::Int("style", &Border::lineStyle), F::Int("weight", &Border::weight),
                                   F::Int("color", &Border::colorIndex)};
  return f;
}

const std::vector<Field<Interior>>& InteriorFields() {
  using F = Field<Interior>;
  static const std::vector<F> f = {F::Int("color", &Interior::colorIndex), F::Int("pattern", &Interior::pattern),
                                   F::Int("patternColor", &Interior::patternColorIndex),
                                   F::Rgb("rgb", &Interior::color)};
  return f;
}

const std::vector<Field<Font>>& FontFields() {
  using F = Field<Font>;
  static const std::vector<F> f = {F::Str("name", &Font::name), F::Num("size", &Font::size),
                                   F::Flag("bold", &Font::bold), F::Flag("italic", &Font::italic),
                                   F::Int("color", &Font::colorIndex), F::Rgb("rgb", &Font::color)};
  return f;
}

const std::vector<Field<FillFormat>>& FillFields() {
  using F = Field<FillFormat>;
  static const std::vector<F> f = {F::Flag("visible", &FillFormat::visible),
                                   F::Rgb("foreColor", &FillFormat::foreColor),
                                   F::Rgb("backColor", &FillFormat::backColor),
                                   F::Num("transparency", &FillFormat::transparency),
                                   F::Int("pattern", &FillFormat::pattern)};
  return f;
}

const std::vector<Field<LineFormat>>& LineFields() {
  using F = Field<LineFormat>;
  static const std::vector<F> f = {
      F::Flag("visible", &LineFormat::visible),
      F::Num("weight", &LineFormat::weight),
      F::Int("dashStyle", &LineFormat::dashStyle),
      F::Int("style", &LineFormat::style),
      F::Rgb("foreColor", &LineFormat::foreColor),
      F::Rgb("backColor", &LineFormat::backColor),
      F::Int("beginArrowheadStyle", &LineFormat::beginArrowheadStyle),
      F::Int("endArrowheadStyle", &LineFormat::endArrowheadStyle)};
  return f;
}

const std::vector<Field<TextFrame>>& TextFrameFields() {
  using F = Field<TextFrame>;
  static const std::vector<F> f = {
      F::Str("text", &TextFrame::text),
      F::Str("fontName", &TextFrame::fontName),
      F::Num("fontSize", &TextFrame::fontSize),
      F::Int("autoSize", &TextFrame::autoSize),
      F::Flag("autoMargins", &TextFrame::autoMargins),
      F::Num("marginLeft", &TextFrame::marginLeft),
      F::Num("marginTop", &TextFrame::marginTop),
      F::Num("marginRight", &TextFrame::marginRight),
      F::Num("marginBottom", &TextFrame::marginBottom),
      F::Int("horizontalAlignment", &TextFrame::horizontalAlignment),
      F::Int("verticalAlignment", &TextFrame::verticalAlignment)};
  return f;
}

const std::vector<Field<ChartSeries>>& SeriesFields() {
  using F = Field<ChartSeries>;
  static const std::vector<F> f = {F::Str("name", &ChartSeries::name), F::Str("values", &ChartSeries::values),
                                   F::Str("categories", &ChartSeries::categories)};
  return f;
}

const std::vector<Field<ChartAxis>>& AxisFields() {
  using F = Field<ChartAxis>;
  static const std::vector<F> f = {F::Flag("exists", &ChartAxis::exists),
                                   F::Int("categoryType", &ChartAxis::categoryType),
                                   F::Flag("hasTitle", &ChartAxis::hasTitle),
                                   F::Str("title", &ChartAxis::title)};
  return f;
}

}  // namespace korvat::host::file
