#pragma once
// EXPECT_HR prints both codes by value in hexadecimal when they differ.

#include "platform/com.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace korvat::test {

inline std::string HrText(HRESULT hr) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(hr));
  return buffer;
}

}  // namespace korvat::test

#define EXPECT_HR(call, expected) EXPECT_EQ(korvat::test::HrText(call), korvat::test::HrText(expected))
#define ASSERT_HR(call, expected) ASSERT_EQ(korvat::test::HrText(call), korvat::test::HrText(expected))
