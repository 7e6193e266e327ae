#include <gtest/gtest.h>

#include <vector>

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

TEST(ShapeCollection, DeletingShapesLoosensOnlyTheEndsGluedToThem) {
  ShapeCollection shapes;
  std::vector<int> boxes, lines;
  for (int i = 0; i < 6; ++i) boxes.push_back(shapes.AddAutoShape(1, 40.0 * i, 0, 20, 20).id);
  for (int i = 0; i + 1 < 6; ++i) {
    Shape& line = shapes.AddConnector(2, 0, 0, 1, 1);
    ASSERT_TRUE(shapes.Connect(line, true, *shapes.FindById(boxes[i]), 4));
    ASSERT_TRUE(shapes.Connect(line, false, *shapes.FindById(boxes[i + 1]), 2));
    lines.push_back(line.id);
  }
  // Re-glued elsewhere: deleting the first target must leave the new end alone.
  Shape& moved = *shapes.FindById(lines[0]);
  ASSERT_TRUE(shapes.Connect(moved, true, *shapes.FindById(boxes[5]), 1));
  ASSERT_TRUE(shapes.Delete(boxes[0]));
  ASSERT_TRUE(shapes.Delete(boxes[2]));
  EXPECT_EQ(moved.beginConnection.shapeId, boxes[5]);
  EXPECT_EQ(moved.endConnection.shapeId, boxes[1]);
  const Shape& second = *shapes.FindById(lines[1]);
  EXPECT_EQ(second.beginConnection.shapeId, boxes[1]);
  EXPECT_FALSE(second.endConnection.connected());
  const Shape& third = *shapes.FindById(lines[2]);
  EXPECT_FALSE(third.beginConnection.connected());
  EXPECT_EQ(third.endConnection.shapeId, boxes[3]);
  // The order closes over the gaps and keeps its sequence.
  ASSERT_EQ(shapes.Count(), 9);
  std::vector<int> order;
  for (const auto& s : shapes.InZOrder()) order.push_back(s->id);
  EXPECT_EQ(order, (std::vector<int>{boxes[1], boxes[3], boxes[4], boxes[5], lines[0], lines[1], lines[2], lines[3],
                                     lines[4]}));
  EXPECT_EQ(shapes.IndexOf(lines[0]), 4);
  EXPECT_EQ(shapes.At(0)->id, boxes[1]);
}

TEST(ShapeCollection, DeletingEveryShapeFrontOrBackLeavesItEmptyAndInOrder) {
  for (bool fromFront : {true, false}) {
    ShapeCollection shapes;
    std::vector<int> ids;
    for (int i = 0; i < 50; ++i) ids.push_back(shapes.AddAutoShape(1, i, 0, 1, 1).id);
    shapes.SendToBack(ids[49]);
    shapes.BringToFront(ids[0]);
    std::vector<int> expected(ids.begin() + 1, ids.end() - 1);
    expected.insert(expected.begin(), ids[49]);
    expected.push_back(ids[0]);
    for (int i = 0; i < 50; ++i) {
      ASSERT_EQ(shapes.At(0)->id, expected[static_cast<size_t>(fromFront ? i : 0)]) << i;
      const int doomed = fromFront ? expected[static_cast<size_t>(i)] : shapes.At(shapes.Count() - 1)->id;
      ASSERT_TRUE(shapes.Delete(doomed));
      if (!fromFront) expected.pop_back();
      EXPECT_EQ(shapes.Count(), 49 - i);
      EXPECT_EQ(shapes.IndexOf(doomed), -1);
    }
    EXPECT_TRUE(shapes.InZOrder().empty());
  }
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

// The reports add a sheet and rename it, one after another: each keeps a code name of its own.
TEST(Workbook, AddedSheetsNeverShareACodeName) {
  Workbook book;
  std::vector<std::string> codeNames;
  for (const char* name : {"Workload1", "EVM2", "EVM0"}) {
    Worksheet* added = book.AddWorksheet({}, 0);
    ASSERT_NE(added, nullptr);
    ASSERT_TRUE(book.RenameSheet(*added, name));
    codeNames.push_back(added->codeName);
  }
  EXPECT_EQ(codeNames, (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
  EXPECT_EQ(book.AddChartSheet()->codeName, "Chart1");
}

}  // namespace
}  // namespace korvat::host
