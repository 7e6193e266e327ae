// BSTR behaviour the call layer and the host rely on; the same expectations hold
// for the platform's own implementation under wine64.

#include "platform/com.h"
#include "support/fake_dispatch.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using korvat::test::W;

TEST(Bstr, LengthCountsCharactersAndBytes) {
  BSTR text = SysAllocString(KV_W("Korvat"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 6u);
  EXPECT_EQ(SysStringByteLen(text), 12u);
  EXPECT_EQ(text[6], 0);
  SysFreeString(text);
}

TEST(Bstr, KeepsEmbeddedZeroCharacters) {
  const OLECHAR data[] = {u'a', 0, u'b'};
  BSTR text = SysAllocStringLen(data, 3);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(text[1], 0);
  EXPECT_EQ(text[2], u'b');
  EXPECT_EQ(text[3], 0);
  SysFreeString(text);
}

TEST(Bstr, ByteStringsKeepOddLengthsAndEndInZero) {
  BSTR bytes = SysAllocStringByteLen("abc", 3);
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(SysStringByteLen(bytes), 3u);
  EXPECT_EQ(SysStringLen(bytes), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes), "abc");
  SysFreeString(bytes);
}

TEST(Bstr, NullAndEmptyTexts) {
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  BSTR empty = SysAllocStringLen(nullptr, 0);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SysStringLen(empty), 0u);
  EXPECT_EQ(empty[0], 0);
  SysFreeString(empty);
  SysFreeString(nullptr);  // allowed
}

TEST(Bstr, AllocatedWithoutTextIsZeroFilledToItsLength) {
  BSTR text = SysAllocStringLen(nullptr, 4);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 4u);
  EXPECT_EQ(text[4], 0);
  SysFreeString(text);
}

TEST(Bstr, CharactersOutsideTheBasicPlaneSurvive) {
  const WideText musical = {0xD834, 0xDD1E, u'x'};
  BSTR text = SysAllocStringLen(musical.data(), 3);
  EXPECT_EQ(WideText(text, SysStringLen(text)), musical);
  SysFreeString(text);
}

// Byte strings of every small length: the character count rounds down, and two zero
// bytes always follow the bytes given.
class ByteLengths : public testing::TestWithParam<UINT> {};

TEST_P(ByteLengths, CountCharactersRoundingDown) {
  const UINT bytes = GetParam();
  const char data[] = "abcdefgh";
  BSTR text = SysAllocStringByteLen(data, bytes);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringByteLen(text), bytes);
  EXPECT_EQ(SysStringLen(text), bytes / 2);
  const auto* raw = reinterpret_cast<const unsigned char*>(text);
  EXPECT_EQ(std::memcmp(raw, data, bytes), 0);
  EXPECT_EQ(raw[bytes], 0);
  EXPECT_EQ(raw[bytes + 1], 0);
  SysFreeString(text);
}

INSTANTIATE_TEST_SUITE_P(Bstr, ByteLengths, testing::Values(0u, 1u, 2u, 3u, 4u, 5u, 7u, 8u));

// Lengths whose byte count does not fit the length prefix are refused, not wrapped.
TEST(Bstr, LengthsBeyondThePrefixAreRefused) {
  EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x7FFFFFFFu), nullptr);
  EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

}  // namespace
