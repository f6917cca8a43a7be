// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <regex>

#include "flow/leading_number.h"

namespace fluvenna {
namespace {

TEST(NumberText, WritesPlainDecimalText) {
  EXPECT_EQ(NumberText(7 / 100.0), "0.07");
  EXPECT_EQ(NumberText(15 / 10.0), "1.5");
  EXPECT_EQ(NumberText(30 / 10.0), "3");
  EXPECT_EQ(NumberText(-10), "-10");
  EXPECT_EQ(NumberText(10 / 100.0), "0.1");
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(1e-5), "0.00001");
  EXPECT_EQ(NumberText(1234567), "1234567");
  EXPECT_EQ(NumberText(1.0 / 3.0), "0.333333333333333");  // 15 digits
}

// Every value a scroll bar writes is plain decimal text that the pass reads
// back as the same number, whatever the regional settings.
TEST(NumberText, EveryScrollBarValueReadsBackInAnyLocale) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
  const std::regex plain("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$");
  const struct {
    int minimum, maximum;
    double divisor;
  } bars[] = {{1, 30, 100.0}, {0, 14, 100.0}, {-10, 30, 1.0}, {0, 10, 10.0},
              {1, 10, 100.0}, {2, 10, 1.0},   {5, 30, 10.0}};
  for (const auto& bar : bars) {
    for (int position = bar.minimum; position <= bar.maximum; ++position) {
      const double value = position / bar.divisor;
      const std::string text = NumberText(value);
      EXPECT_TRUE(std::regex_match(text, plain)) << text;
      EXPECT_EQ(LeadingNumber(text), value) << text;
    }
  }
  std::setlocale(LC_ALL, "C");
}

TEST(LiftCoefficientText, ThreeDecimalsWithAPointAndNoNegativeZero) {
  EXPECT_EQ(LiftCoefficientText(1.50849), "1.508");
  EXPECT_EQ(LiftCoefficientText(-0.25), "-0.250");
  EXPECT_EQ(LiftCoefficientText(-0.0004), "0.000");
  EXPECT_EQ(LiftCoefficientText(2.0 * 0.5 / 1.0), "1.000");
  // Only what rounds to zero loses its sign; small values keep their digits.
  EXPECT_EQ(LiftCoefficientText(0.0005), "0.001");
  EXPECT_EQ(LiftCoefficientText(0.0032), "0.003");
  EXPECT_EQ(LiftCoefficientText(-0.0049), "-0.005");
}

}  // namespace
}  // namespace fluvenna
