#pragma once
// The numbers the reports put into cells. A report's figures are decimal texts
// (16 significant digits; four decimals in the workload table), but they go to
// the host as numbers, so a cell holds the same number whatever decimal mark the
// host's locale reads: the number each text stands for, read without a locale.

namespace korvat {

// The double as its text of at most 16 significant digits reads back.
double SixteenDigitNumber(double value);
// The double rounded to four decimals, a half away from zero (0.5 gives 0.5,
// 1/3 gives 0.3333, 0.00005 gives 0.0001). Not finite gives 0.
double FourDecimalNumber(double value);

}  // namespace korvat
