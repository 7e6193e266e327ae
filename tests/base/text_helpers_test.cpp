#include "base/text_helpers.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;

using Parts = std::vector<std::string>;

TEST(SplitText, PartsBetweenSeparators) {
  EXPECT_EQ(SplitText("a,b,,c", ","), (Parts{"a", "b", "", "c"}));
  EXPECT_EQ(SplitText("abc", ","), (Parts{"abc"}));
  EXPECT_EQ(SplitText("", ","), (Parts{""}));
  EXPECT_EQ(SplitText(",", ","), (Parts{"", ""}));
  EXPECT_EQ(SplitText("1--2--3", "--"), (Parts{"1", "2", "3"}));
  EXPECT_EQ(SplitText("abc", ""), (Parts{"abc"}));
}

TEST(JoinText, InverseOfSplit) {
  for (const char* text : {"a,b,,c", "", ",", "x"}) EXPECT_EQ(JoinText(SplitText(text, ","), ","), text);
  EXPECT_EQ(JoinText({}, ","), "");
}

TEST(ReplaceText, EveryOccurrence) {
  EXPECT_EQ(ReplaceText("*5,*8", "*", "F"), "F5,F8");
  EXPECT_EQ(ReplaceText("1.2.3", ".", "-"), "1-2-3");
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

TEST(ReplaceFirstWide, OnlyTheFirst) {
  EXPECT_EQ(ReplaceFirstWide(KV_W("EVM *\\* *\\*"), KV_W("*\\*"), KV_W("20261201")), WideText(KV_W("EVM 20261201 *\\*")));
  EXPECT_EQ(ReplaceFirstWide(KV_W("none"), KV_W("*"), KV_W("x")), WideText(KV_W("none")));
  EXPECT_EQ(ReplaceFirstWide(KV_W(""), KV_W(""), KV_W("x")), WideText());
}

TEST(IsPlainNumber, NumberWrittenBackEqualsText) {
  EXPECT_TRUE(IsPlainNumber("7"));
  EXPECT_TRUE(IsPlainNumber("0"));
  EXPECT_TRUE(IsPlainNumber("-2.5"));
  EXPECT_FALSE(IsPlainNumber(" 7"));
  EXPECT_FALSE(IsPlainNumber("07"));
  EXPECT_FALSE(IsPlainNumber(""));
  EXPECT_FALSE(IsPlainNumber("S"));
  EXPECT_FALSE(IsPlainNumber("7."));
}

TEST(MidText, NeverReadsPastTheEnd) {
  EXPECT_EQ(MidText("2026", 1, 4), "2026");
  EXPECT_EQ(MidText("2026", 3, 4), "26");
  EXPECT_EQ(MidText("2026", 5, 2), "");
  EXPECT_EQ(MidText("", 1, 2), "");
  EXPECT_EQ(MidText("ab", 0, 2), "");
}

TEST(TextCase, TrimsAndUpperCases) {
  EXPECT_EQ(TrimRight("  a b  \t"), "  a b");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(UpperText("a7ff-x"), "A7FF-X");
  EXPECT_EQ(UpperWide(KV_W("pr\u00e9p")), WideText(KV_W("PR\u00c9P")));
  EXPECT_EQ(RemoveChar("3FS,1.2SS", 'S'), "3F,1.2");
}

}  // namespace
