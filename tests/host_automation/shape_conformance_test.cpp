// Shapes and Shape as the library drives them: adding shapes, text boxes, connectors and
// freeforms, finding them by name or position, formatting, connecting and deleting.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

#include <cmath>
#include <limits>

namespace korvat::test {
namespace {

class ShapeTest : public HostTest {
 protected:
  std::string WorkbookText() const override {
    return R"({"format": "korvat-workbook", "version": 1,
      "sheets": [
        {"name": "WBS", "codeName": "wsWBS",
         "shapes": [
           {"name": "GanntBar", "type": "autoshape", "autoShapeType": 5, "left": 10, "top": 20,
            "width": 100, "height": 12,
            "fill": {"foreColor": "#FF0000", "transparency": 0.25, "pattern": 3},
            "line": {"weight": 1.5, "dashStyle": 4, "foreColor": "#00FF00"}}]}]})";
  }
  void SetUp() override {
    HostTest::SetUp();
    wbs_ = Sheet("WBS");
    ASSERT_TRUE(wbs_);
  }
  void TearDown() override {
    wbs_.Reset();
    HostTest::TearDown();
  }
  Ref ShapeNamed(const char* name) {
    Ref shape;
    GetValue(KV_W("o"), shape.Put(), wbs_.Get(), KV_W("Shapes(%s)"), name);
    return shape;
  }
  host::ShapeCollection& Shapes() { return host_->Model().FindWorksheet("WBS")->Shapes(); }

  Ref wbs_;
};

TEST_F(ShapeTest, ShapesFindsByNameWithoutRegardToCaseAndByPosition) {
  Ref bar = ShapeNamed("ganntbar");
  ASSERT_TRUE(bar);
  EXPECT_EQ(Text(bar.Get(), KV_W("Name")), "GanntBar");
  Ref first;
  ASSERT_HR(GetValue(KV_W("o"), first.Put(), wbs_.Get(), KV_W(".Shapes(%d)"), 1), S_OK);
  EXPECT_EQ(Text(first.Get(), KV_W("Name")), "GanntBar");
  EXPECT_EQ(Int(wbs_.Get(), KV_W(".Shapes.Count")), 1);
}

TEST_F(ShapeTest, AMissingShapeFailsWithAnException) {
  Ref missing;
  EXPECT_HR(GetValue(KV_W("o"), missing.Put(), wbs_.Get(), KV_W("Shapes(%s)"), "GanntBar3A"), DISP_E_EXCEPTION);
  EXPECT_FALSE(missing);
  EXPECT_NE(LastErrorDescription().find("GanntBar3A"), std::string::npos);
  EXPECT_HR(GetValue(KV_W("o"), missing.Put(), wbs_.Get(), KV_W(".Shapes(%d)"), 2), DISP_E_EXCEPTION);
}

TEST_F(ShapeTest, AddShapeReturnsTheNewShapeWithItsGeometry) {
  Ref shape;
  ASSERT_HR(GetValue(KV_W("o"), shape.Put(), wbs_.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), 5.0, 30.0, 40.0,
                     50.0, 6.0),
            S_OK);
  EXPECT_EQ(Int(shape.Get(), KV_W("AutoShapeType")), 5);
  EXPECT_EQ(Number(shape.Get(), KV_W("Left")), 30.0);
  EXPECT_EQ(Number(shape.Get(), KV_W("Top")), 40.0);
  EXPECT_EQ(Number(shape.Get(), KV_W("Width")), 50.0);
  EXPECT_EQ(Number(shape.Get(), KV_W("Height")), 6.0);
  ASSERT_HR(PutValue(shape.Get(), KV_W("Name=%s"), "GanntBar7A"), S_OK);
  EXPECT_TRUE(ShapeNamed("GanntBar7A"));
  EXPECT_EQ(Shapes().Find("GanntBar7A"), Shapes().At(1));
  ASSERT_HR(PutValue(shape.Get(), KV_W("Placement=%e"), 1.0), S_OK);
  EXPECT_EQ(Shapes().At(1)->placement, 1);
}

TEST_F(ShapeTest, CopyShapeFormatPathsReadAndWriteEveryPart) {
  Ref bar = ShapeNamed("GanntBar");
  Ref copy;
  ASSERT_HR(GetValue(KV_W("o"), copy.Put(), wbs_.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), 1.0, 0.0, 0.0,
                     10.0, 10.0),
            S_OK);
  for (const OLECHAR* path : {KV_W("Line.Weight"), KV_W("Line.DashStyle"), KV_W("Line.style"),
                              KV_W("Line.ForeColor.RGB"), KV_W("Line.BackColor.RGB"), KV_W("Fill.Transparency"),
                              KV_W("Fill.ForeColor.RGB")}) {
    const double value = Number(bar.Get(), path);
    WideText put(path);
    put += KV_W("=%e");
    ASSERT_HR(PutValue(copy.Get(), put.c_str(), value), S_OK) << Narrow(path);
    EXPECT_EQ(Number(copy.Get(), path), value) << Narrow(path);
  }
  ASSERT_HR(PutValue(copy.Get(), KV_W("Fill.Visible=%e"), -1.0), S_OK);
  ASSERT_HR(CallMethod(copy.Get(), KV_W(".Fill.Patterned(%e)"), Number(bar.Get(), KV_W("Fill.Pattern"))), S_OK);
  const host::Shape& made = *Shapes().At(1);
  EXPECT_EQ(made.fill.foreColor, 0x0000FF);  // red packed as red + green*256 + blue*65536
  EXPECT_EQ(made.fill.pattern, 3);
  EXPECT_EQ(made.fill.transparency, 0.25);
  EXPECT_EQ(made.line.weight, 1.5);
  EXPECT_EQ(made.line.dashStyle, 4);
  ASSERT_HR(PutValue(copy.Get(), KV_W("Fill.Visible =%e"), 0.0), S_OK);  // a blank ends the member name
  EXPECT_FALSE(Shapes().At(1)->fill.visible);
  EXPECT_EQ(Int(copy.Get(), KV_W("Fill.Visible")), 0);
}

TEST_F(ShapeTest, TextboxSizesItselfToItsText) {
  Ref box;
  ASSERT_HR(GetValue(KV_W("o"), box.Put(), wbs_.Get(), KV_W(".Shapes.AddTextbox(%d,%e,%e,%e,%e)"), 1, 50.0, 60.0,
                     50.0, 60.0),
            S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.Characters.Text=%s"), "Design"), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.AutoSize=%e"), -1.0), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.Characters.font.Name=%s"), "Meiryo"), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.Characters.font.Size=%e"), 10.0), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.VerticalAlignment=%e"), -4108.0), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.HorizontalAlignment=%e"), -4131.0), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("TextFrame.AutoMargins=%e"), 0.0), S_OK);
  for (const OLECHAR* margin : {KV_W("TextFrame.MarginLeft=%e"), KV_W("TextFrame.MarginBottom=%e"),
                                KV_W("TextFrame.MarginRight=%e"), KV_W("TextFrame.MarginTop=%e")})
    ASSERT_HR(PutValue(box.Get(), margin, 0.0), S_OK);
  EXPECT_EQ(Text(box.Get(), KV_W("TextFrame.Characters.Text")), "Design");
  EXPECT_EQ(Text(box.Get(), KV_W("TextFrame.Characters.font.Name")), "Meiryo");
  // Six characters at half the font size each; one line of 1.2 times the font size.
  EXPECT_DOUBLE_EQ(Number(box.Get(), KV_W("Width")), 30.0);
  EXPECT_DOUBLE_EQ(Number(box.Get(), KV_W("Height")), 12.0);
  EXPECT_EQ(Number(box.Get(), KV_W("Left")), 50.0);
  EXPECT_EQ(Int(box.Get(), KV_W("Type")), 17);
}

TEST_F(ShapeTest, ConnectorAttachesToSitesAndReroutes) {
  Ref from = ShapeNamed("GanntBar");
  Ref to;
  ASSERT_HR(GetValue(KV_W("o"), to.Put(), wbs_.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), 1.0, 200.0, 60.0,
                     40.0, 10.0),
            S_OK);
  Ref connector;
  ASSERT_HR(GetValue(KV_W("o"), connector.Put(), wbs_.Get(), KV_W("Shapes.AddConnector(%d,%e,%e,%e,%e)"), 2, 10.0,
                     20.0, 200.0, 60.0),
            S_OK);
  Ref adjustments = Object(connector.Get(), KV_W(".Adjustments"));
  ASSERT_TRUE(adjustments);
  ASSERT_HR(PutValue(connector.Get(), KV_W("Line.EndArrowheadStyle=%e"), 2.0), S_OK);
  ASSERT_HR(CallMethod(connector.Get(), KV_W(".ConnectorFormat.BeginConnect(%o,%d)"), from.Get(), 4), S_OK);
  ASSERT_HR(CallMethod(connector.Get(), KV_W(".ConnectorFormat.EndConnect(%o,%d)"), to.Get(), 2), S_OK);
  EXPECT_EQ(Int(connector.Get(), KV_W("ConnectorFormat.BeginConnected")), -1);
  double bx, by, ex, ey;
  host::ShapeCollection::ConnectorPoints(*Shapes().At(2), &bx, &by, &ex, &ey);
  EXPECT_EQ(bx, 110.0);  // right side of the bar
  EXPECT_EQ(by, 26.0);
  EXPECT_EQ(ex, 200.0);  // left side of the target
  EXPECT_EQ(ey, 65.0);
  // An elbow connector has its bend; further adjustments can be written one past the end.
  double first = 0;
  ASSERT_HR(GetValue(KV_W("e"), &first, adjustments.Get(), KV_W("Item(%d)"), 1), S_OK);
  EXPECT_EQ(first, 0.5);
  ASSERT_HR(PutValue(adjustments.Get(), KV_W("Item(%d)=%e"), 2, 0.25), S_OK);
  ASSERT_HR(PutValue(adjustments.Get(), KV_W("Item(%d)=%e"), 3, 0.5), S_OK);
  EXPECT_EQ(Shapes().At(2)->adjustments, (std::vector<double>{0.5, 0.25, 0.5}));
  EXPECT_HR(PutValue(adjustments.Get(), KV_W("Item(%d)=%e"), 9, 0.5), DISP_E_EXCEPTION);
  EXPECT_EQ(Shapes().At(2)->line.endArrowheadStyle, 2);
}

TEST_F(ShapeTest, FreeformBuilderMakesAClosedShape) {
  Ref builder;
  ASSERT_HR(GetValue(KV_W("o"), builder.Put(), wbs_.Get(), KV_W(".Shapes.BuildFreeform(%d,%e,%e)"), 0, 10.0, 10.0),
            S_OK);
  for (auto [x, y] : {std::pair{110.0, 10.0}, {110.0, 20.0}, {10.0, 20.0}, {10.0, 10.0}})
    ASSERT_HR(CallMethod(builder.Get(), KV_W(".AddNodes(%d,%d,%e,%e)"), 0, 0, x, y), S_OK);
  Ref shape;
  ASSERT_HR(GetValue(KV_W("o"), shape.Put(), builder.Get(), KV_W(".ConvertToShape")), S_OK);
  EXPECT_EQ(Number(shape.Get(), KV_W("Width")), 100.0);
  EXPECT_EQ(Number(shape.Get(), KV_W("Height")), 10.0);
  EXPECT_EQ(Shapes().At(1)->nodes.size(), 5u);
}

TEST_F(ShapeTest, EnumerationAndDeleteByName) {
  for (int i = 0; i < 3; ++i) {
    Ref s;
    ASSERT_HR(GetValue(KV_W("o"), s.Put(), wbs_.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), 1.0, 0.0, 0.0, 5.0,
                       5.0),
              S_OK);
    const std::string name = "TaskConnector" + std::to_string(i) + "A";
    ASSERT_HR(PutValue(s.Get(), KV_W("Name=%s"), name.c_str()), S_OK);
  }
  IEnumVARIANT* e = nullptr;
  ASSERT_HR(EnumBegin(&e, wbs_.Get(), KV_W(".Shapes")), S_OK);
  IDispatch* item = nullptr;
  std::vector<std::string> seen;
  while (EnumNextObject(e, &item) == S_OK) {
    const std::string name = Text(item, KV_W("Name"));
    seen.push_back(name);
    if (name.rfind("TaskConnector", 0) == 0) {
      EXPECT_HR(CallMethod(item, KV_W("Delete")), S_OK);
    }
    item->Release();
  }
  e->Release();
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(Shapes().Count(), 1);
}

TEST_F(ShapeTest, AShapeDeletedElsewhereFailsItsCalls) {
  Ref bar = ShapeNamed("GanntBar");
  Ref fill = Object(bar.Get(), KV_W("Fill"));
  ASSERT_HR(CallMethod(bar.Get(), KV_W("Delete")), S_OK);
  EXPECT_HR(PutValue(bar.Get(), KV_W("Left=%e"), 1.0), DISP_E_EXCEPTION);
  EXPECT_HR(PutValue(fill.Get(), KV_W("Visible=%e"), 0.0), DISP_E_EXCEPTION);
  EXPECT_NE(LastErrorDescription().find("deleted"), std::string::npos);
}

}  // namespace
}  // namespace korvat::test

namespace korvat::test {
namespace {

// The host takes no infinity or NaN for a position, a size, an adjustment, a column
// width or a row height, and a cell given one shows #NUM!: a drawing computed from a
// zero height or an absurd width fails its write instead of saving a file no reader
// takes back.
TEST_F(ShapeTest, NonFiniteNumbersAreRefusedEverywhere) {
  const double kInfinity = std::numeric_limits<double>::infinity();
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  Ref bar = ShapeNamed("GanntBar");
  ASSERT_TRUE(bar);
  Ref adjustments;
  ASSERT_HR(GetValue(KV_W("o"), adjustments.Put(), bar.Get(), KV_W(".Adjustments")), S_OK);
  Ref column;
  ASSERT_HR(GetValue(KV_W("o"), column.Put(), wbs_.Get(), KV_W(".Range(%s)"), "C1"), S_OK);
  struct Put {
    IDispatch* object;
    const OLECHAR* path;
  };
  const Put puts[] = {{bar.Get(), KV_W("Left=%e")},       {bar.Get(), KV_W("Top=%e")},
                      {bar.Get(), KV_W("Width=%e")},      {bar.Get(), KV_W("Height=%e")},
                      {adjustments.Get(), KV_W("Item(1)=%e")}, {column.Get(), KV_W("ColumnWidth=%e")},
                      {column.Get(), KV_W("RowHeight=%e")}};
  const host::Worksheet& sheet = *host_->Model().FindWorksheet("WBS");
  for (const Put& put : puts)
    for (double value : {kInfinity, -kInfinity, kNaN}) {
      EXPECT_HR(PutValue(put.object, put.path, value), DISP_E_EXCEPTION) << Narrow(put.path) << " " << value;
    }
  const host::Shape& shape = *Shapes().Find("GanntBar");
  EXPECT_EQ(shape.left, 10);
  EXPECT_EQ(shape.top, 20);
  EXPECT_EQ(shape.width, 100);
  EXPECT_EQ(shape.height, 12);
  EXPECT_TRUE(shape.adjustments.empty() || std::isfinite(shape.adjustments[0]));
  EXPECT_EQ(sheet.ColumnWidth(3), host::kDefaultColumnWidth);
  EXPECT_EQ(sheet.RowHeight(1), host::kDefaultRowHeight);

  ASSERT_HR(PutValue(column.Get(), KV_W("Value=%e"), kNaN), S_OK);
  EXPECT_EQ(Text(column.Get(), KV_W("Text")), "#NUM!");
  Ref shapeArgument;
  EXPECT_HR(GetValue(KV_W("o"), shapeArgument.Put(), wbs_.Get(), KV_W(".Shapes.AddShape(%d,%e,%e,%e,%e)"), 1, kNaN,
                     0.0, 10.0, 10.0),
            DISP_E_EXCEPTION);
  EXPECT_EQ(Shapes().Count(), 1);
}

}  // namespace
}  // namespace korvat::test
