// The numbers the reports hand to the host: what their decimal texts stand for.

#include "reports/report_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace korvat;

struct NumberCase {
  double value;
  double expected;
};

TEST(SixteenDigitNumber, IsTheNumberItsSixteenDigitTextReadsAs) {
  const NumberCase cases[] = {
      {480.0, 480.0},
      {-60.0, -60.0},
      {0.1 + 0.2, 0.3},  // 0.30000000000000004 has 17 digits; its 16-digit text is 0.3
      {2.0 / 3.0, 0.6666666666666666},
      {200.0 * static_cast<double>(0.4f), 80.0000011920929},  // the weekly split of the earned value
      {1e300, 1e300},
      {1.2345678901234567e-20, 1.234567890123457e-20},
      {0.0, 0.0},
      {std::numeric_limits<double>::infinity(), 0.0},
      {std::numeric_limits<double>::quiet_NaN(), 0.0},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(SixteenDigitNumber(c.value), c.expected) << c.value;
}

TEST(FourDecimalNumber, RoundsToFourDecimalsHalvesAwayFromZero) {
  const NumberCase cases[] = {
      {0.5, 0.5},          {0.0, 0.0},          {8.0, 8.0},          {1.0 / 3.0, 0.3333},
      {2.0 / 3.0, 0.6667}, {0.00005, 0.0001},   {-0.00005, -0.0001}, {0.00004999, 0.0},
      {0.03125, 0.0313},   {-0.03125, -0.0313}, {9.99995, 10.0},     {3.33, 3.33},
      {-0.00001, 0.0},     {123456789.12346, 123456789.1235},
      {std::numeric_limits<double>::infinity(), 0.0},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(FourDecimalNumber(c.value), c.expected) << c.value;
    EXPECT_FALSE(std::signbit(FourDecimalNumber(c.value)) && c.expected == 0.0) << "no negative zero for " << c.value;
  }
}

}  // namespace
