#include "base/keyed_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using korvat::KeyedList;

struct Counted {
  explicit Counted(int* alive) : alive(alive) { ++*alive; }
  ~Counted() { --*alive; }
  int* alive;
};

TEST(KeyedList, KeepsInsertionOrderFromOne) {
  int alive = 0;
  KeyedList<Counted> list;
  auto* a = new Counted(&alive);
  auto* b = new Counted(&alive);
  list.Add("1", a);
  list.Add("1.1", b);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemAt(1), a);
  EXPECT_EQ(list.ItemAt(2), b);
  EXPECT_EQ(list.IndexOf("1.1"), 2);
  EXPECT_EQ(list.KeyAt(2), "1.1");
}

TEST(KeyedList, OutOfRangePositionsAndMissingKeysGiveNothing) {
  int alive = 0;
  KeyedList<Counted> list;
  list.Add("x", new Counted(&alive));
  EXPECT_EQ(list.ItemAt(0), nullptr);
  EXPECT_EQ(list.ItemAt(-3), nullptr);
  EXPECT_EQ(list.ItemAt(2), nullptr);
  EXPECT_EQ(list.IndexOf("y"), -1);
  EXPECT_EQ(list.Find("y"), nullptr);
  EXPECT_EQ(list.IndexOf("X"), -1);  // keys are case-sensitive
}

TEST(KeyedList, FindReturnsFirstOfDuplicateKeys) {
  int alive = 0;
  KeyedList<Counted> list;
  auto* first = new Counted(&alive);
  list.Add("2026/12/01", first);
  list.Add("2026/12/01", new Counted(&alive));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Find("2026/12/01"), first);
  EXPECT_EQ(list.IndexOf("2026/12/01"), 1);
}

TEST(KeyedList, ClearWithFreeingDeletesAndWithoutKeepsRecordsAlive) {
  int alive = 0;
  auto* kept = new Counted(&alive);
  {
    KeyedList<Counted> index(KeyedList<Counted>::Ownership::Indexing);
    index.Add("k", kept);
    index.Clear(false);
    EXPECT_EQ(index.Count(), 0);
    EXPECT_EQ(index.Find("k"), nullptr);
    index.Add("k", kept);
  }
  EXPECT_EQ(alive, 1);  // an indexing list frees nothing when destroyed
  {
    KeyedList<Counted> owner;
    owner.Add("k", kept);
    owner.Add("n", nullptr);  // a null record is skipped when freeing
    owner.Add("m", new Counted(&alive));
    EXPECT_EQ(alive, 2);
    owner.Clear(true);
    EXPECT_EQ(alive, 0);
    owner.Add("again", new Counted(&alive));
    EXPECT_EQ(owner.ItemAt(1)->alive, &alive);
  }
  EXPECT_EQ(alive, 0);  // an owning list frees its records when destroyed
}

TEST(KeyedList, LookupsStayCorrectAcrossGrowthAndClear) {
  int alive = 0;
  KeyedList<Counted> list;
  for (int i = 1; i <= 10000; ++i) list.Add(std::to_string(i), new Counted(&alive));
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_EQ(list.IndexOf("51"), 51);
  EXPECT_EQ(list.IndexOf("10000"), 10000);
  EXPECT_EQ(list.Find("9999"), list.ItemAt(9999));
  list.Clear(true);
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(list.IndexOf("51"), -1);
}

}  // namespace
