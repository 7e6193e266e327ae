// The scanning of one member path segment: where the name ends, which
// placeholders count, and the faults that make the call fail before any
// argument is read past them.

#include "automation/member_path.h"
#include "support/fake_dispatch.h"
#include "support/hresult_matchers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using korvat::ScanPathSegment;
using korvat::SegmentScan;
using korvat::test::W;

struct ScanRow {
  const char* name;
  WideText segment;
  const char* member;
  const char* letters;
  HRESULT fault;
};

WideText LettersOf(const SegmentScan& scan) { return WideText(scan.letters, scan.letters + scan.count); }

WideText Repeated(const char* piece, int times) {
  WideText text;
  for (int i = 0; i < times; ++i) text += W(piece);
  return text;
}

class SegmentScanning : public testing::TestWithParam<ScanRow> {};

TEST_P(SegmentScanning, ReadsNameAndPlaceholders) {
  const ScanRow& row = GetParam();
  const SegmentScan scan = ScanPathSegment(row.segment);
  EXPECT_EQ(row.segment.substr(0, scan.nameLength), W(row.member));
  EXPECT_EQ(LettersOf(scan), W(row.letters));
  EXPECT_HR(scan.fault, row.fault);
}

const ScanRow kScans[] = {
    {"NameEndsAtParenthesis", W("Cells(%u,%u)"), "Cells", "uu", S_OK},
    {"NameEndsAtBlank", W("Zoom = %d"), "Zoom", "d", S_OK},
    {"NameEndsAtEquals", W("Value=%v"), "Value", "v", S_OK},
    {"NameEndsAtPercent", W("Cells%u%u%s"), "Cells", "uus", S_OK},
    {"NameAlone", W("ActiveSheet"), "ActiveSheet", "", S_OK},
    {"EmptySegment", W(""), "", "", S_OK},
    {"NoName", W("(%d)"), "", "d", S_OK},
    {"LiteralsAfterTheNameAreSkipped", W("Cells(x%dy, z)"), "Cells", "d", S_OK},
    {"EveryLetterOfTheTable", W("Call(%d%u%e%b%v%B%S%s%T%o%O%p%D%t%f%W%m)"), "Call", "dueb" "vBSsT" "oOpDtfWm",
     S_OK},
    {"ZeroEndsTheSegment", WideText{u'A', u'b', 0, u'%', u'd'}, "Ab", "", S_OK},
    {"ZeroAfterAPercent", WideText{u'M', u'(', u'%', 0, u'd'}, "M", "", E_INVALIDARG},
    {"PercentAtTheEnd", W("Item(%"), "Item", "", E_INVALIDARG},
    {"PercentAtTheEndAfterOthers", W("Item(%d,%"), "Item", "d", E_INVALIDARG},
    {"LetterOutsideTheTable", W("Item(%x)"), "Item", "", E_INVALIDARG},
    {"FaultKeepsThePlaceholdersBeforeIt", W("Item(%d,%q,%d)"), "Item", "d", E_INVALIDARG},
    {"DoublePercent", W("Item(%%)"), "Item", "", E_INVALIDARG},
    {"PercentBeforeABlank", W("Item(% d)"), "Item", "", E_INVALIDARG},
    {"TwentyFivePlaceholders", W("M(") + Repeated("%d,", 25) + W(")"), "M", "ddddddddddddddddddddddddd", S_OK},
    {"TwentySixthPlaceholder", W("M(") + Repeated("%d,", 26) + W(")"), "M", "ddddddddddddddddddddddddd",
     E_INVALIDARG},
    {"TwentySixthIsABadLetterToo", W("M") + Repeated("%e", 25) + W("%x"), "M", "eeeeeeeeeeeeeeeeeeeeeeeee",
     E_INVALIDARG},
};
INSTANTIATE_TEST_SUITE_P(MemberPath, SegmentScanning, testing::ValuesIn(kScans),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MemberPath, OnlyTheLettersOfTheTableArePlaceholders) {
  const std::string table = "duebvBSsToOpDtfWm";
  for (int c = 0x20; c < 0x7F; ++c) {
    const WideText segment = W("M(%") + WideText(1, static_cast<OLECHAR>(c)) + W(")");
    const bool listed = table.find(static_cast<char>(c)) != std::string::npos;
    EXPECT_EQ(korvat::IsPlaceholderLetter(static_cast<OLECHAR>(c)), listed) << static_cast<char>(c);
    EXPECT_HR(ScanPathSegment(segment).fault, listed ? S_OK : E_INVALIDARG) << static_cast<char>(c);
  }
  EXPECT_FALSE(korvat::IsPlaceholderLetter(static_cast<OLECHAR>(0x0100 + u'd')));
}

}  // namespace
