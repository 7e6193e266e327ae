#include <gtest/gtest.h>

#include "host/model/workbook.h"

namespace korvat::host {
namespace {

TEST(ShapeCollection, NewShapesGetIdsAndHostNames) {
  ShapeCollection shapes;
  Shape& a = shapes.AddAutoShape(1, 0, 0, 10, 10);
  Shape& b = shapes.AddAutoShape(9, 0, 0, 10, 10);
  Shape& c = shapes.AddTextBox(0, 0, 10, 10);
  Shape& d = shapes.AddConnector(1, 0, 0, 5, 5);
  EXPECT_EQ(a.name, "Rectangle 1");
  EXPECT_EQ(b.name, "Oval 2");
  EXPECT_EQ(c.name, "TextBox 3");
  EXPECT_EQ(d.name, "Straight Connector 4");
  EXPECT_FALSE(c.line.visible);
  EXPECT_FALSE(d.fill.visible);
}

TEST(ShapeCollection, FindIgnoresCaseAndFollowsRenameAndDelete) {
  ShapeCollection shapes;
  Shape& a = shapes.AddAutoShape(1, 0, 0, 10, 10);
  EXPECT_EQ(shapes.Find("rectangle 1"), &a);
  ASSERT_TRUE(shapes.Rename(a, "GanntBar12"));
  EXPECT_EQ(shapes.Find("Rectangle 1"), nullptr);
  EXPECT_EQ(shapes.Find("GANNTBAR12"), &a);
  EXPECT_FALSE(shapes.Rename(a, ""));
  const int id = a.id;
  ASSERT_TRUE(shapes.Delete(id));
  EXPECT_EQ(shapes.Find("GanntBar12"), nullptr);
  EXPECT_EQ(shapes.FindById(id), nullptr);
  EXPECT_FALSE(shapes.Delete(id));
  // Ids are not reused after a delete.
  EXPECT_GT(shapes.AddAutoShape(1, 0, 0, 1, 1).id, id);
}

TEST(ShapeCollection, ZOrderAndRepeatedNames) {
  ShapeCollection shapes;
  Shape& a = shapes.AddAutoShape(1, 0, 0, 10, 10);
  Shape& b = shapes.AddAutoShape(1, 0, 0, 10, 10);
  Shape& c = shapes.AddAutoShape(1, 0, 0, 10, 10);
  shapes.Rename(b, "Same");
  shapes.Rename(c, "same");
  EXPECT_EQ(shapes.Find("SAME"), &b);  // the one further back
  shapes.SendToBack(c.id);
  EXPECT_EQ(shapes.At(0), &c);
  EXPECT_EQ(shapes.Find("same"), &c);
  shapes.BringToFront(a.id);
  EXPECT_EQ(shapes.At(2), &a);
  EXPECT_EQ(shapes.IndexOf(b.id), 1);
  EXPECT_EQ(shapes.At(3), nullptr);
  shapes.Delete(c.id);
  EXPECT_EQ(shapes.Find("same"), &b);
}

TEST(ShapeCollection, ConnectorsFollowTheirSites) {
  ShapeCollection shapes;
  Shape& from = shapes.AddAutoShape(1, 100, 100, 50, 20);
  Shape& to = shapes.AddAutoShape(1, 10, 200, 40, 20);
  Shape& line = shapes.AddConnector(2, 0, 0, 1, 1);
  ASSERT_TRUE(shapes.Connect(line, true, from, 4));  // right middle: (150, 110)
  ASSERT_TRUE(shapes.Connect(line, false, to, 1));   // top middle: (30, 200)
  double bx, by, ex, ey;
  ShapeCollection::ConnectorPoints(line, &bx, &by, &ex, &ey);
  EXPECT_EQ(bx, 150);
  EXPECT_EQ(by, 110);
  EXPECT_EQ(ex, 30);
  EXPECT_EQ(ey, 200);
  EXPECT_TRUE(line.flipHorizontal);
  to.top = 300;
  shapes.RerouteConnectors();
  ShapeCollection::ConnectorPoints(line, &bx, &by, &ex, &ey);
  EXPECT_EQ(ey, 300);
  EXPECT_FALSE(shapes.Connect(from, true, to, 1));  // not a connector
  shapes.Delete(to.id);
  EXPECT_FALSE(line.endConnection.connected());
}

TEST(Workbook, SheetNamesAndChartsPlacedOnASheet) {
  Workbook book;
  Worksheet* a = book.AddWorksheet();
  EXPECT_EQ(a->Name(), "Sheet1");
  EXPECT_EQ(book.AddWorksheet("sheet1"), nullptr);
  EXPECT_EQ(book.AddWorksheet("bad:name"), nullptr);
  Worksheet* report = book.AddWorksheet("Report");
  EXPECT_EQ(book.FindSheet("REPORT"), report);
  EXPECT_FALSE(book.RenameSheet(*report, "Sheet1"));
  ChartSheet* cs = book.AddChartSheet();
  ASSERT_NE(cs, nullptr);
  cs->GetChart().chartType = 65;
  cs->GetChart().hasTitle = true;
  ASSERT_EQ(book.SheetCount(), 3);
  Shape* embedded = book.PlaceChartOn(*cs, *report);
  ASSERT_NE(embedded, nullptr);
  EXPECT_EQ(book.SheetCount(), 2);
  EXPECT_EQ(embedded->type, ShapeType::Chart);
  EXPECT_EQ(embedded->chart->chartType, 65);
  EXPECT_EQ(report->Shapes().At(0), embedded);
}

}  // namespace
}  // namespace korvat::host
