// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/leading_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace fluvenna {
namespace {

TEST(LeadingNumber, ReadsTheLongestDecimalPrefix) {
  EXPECT_EQ(LeadingNumber("5e-2"), 0.05);
  EXPECT_EQ(LeadingNumber("12.5"), 12.5);
  EXPECT_EQ(LeadingNumber("  -10"), -10.0);
  EXPECT_EQ(LeadingNumber("+3"), 3.0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("5."), 5.0);
  EXPECT_EQ(LeadingNumber("0.07abc"), 0.07);
  EXPECT_EQ(LeadingNumber("1e"), 1.0);  // an exponent needs digits
  EXPECT_EQ(LeadingNumber("1ex"), 1.0);
  EXPECT_EQ(LeadingNumber("2.5e+x"), 2.5);
  EXPECT_EQ(LeadingNumber("2E+1x"), 20.0);
  EXPECT_EQ(LeadingNumber("1.5.3"), 1.5);
  EXPECT_EQ(LeadingNumber("\t0.3"), 0.3);
}

TEST(LeadingNumber, GivesZeroWhereNoNumberStarts) {
  EXPECT_EQ(LeadingNumber(""), 0.0);
  EXPECT_EQ(LeadingNumber("abc"), 0.0);
  EXPECT_EQ(LeadingNumber("0,05"), 0.0);  // the comma is no decimal point
  EXPECT_EQ(LeadingNumber("inf"), 0.0);
  EXPECT_EQ(LeadingNumber("nan"), 0.0);
  EXPECT_EQ(LeadingNumber("-"), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_EQ(LeadingNumber("e5"), 0.0);
  EXPECT_EQ(LeadingNumber("0x1A"), 0.0);  // hexadecimal: just the 0
  EXPECT_EQ(LeadingNumber("&H10"), 0.0);
}

TEST(LeadingNumber, OverflowIsInfiniteAndUnderflowIsZero) {
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_LT(LeadingNumber("-1e999"), 0.0);
  EXPECT_TRUE(std::isinf(LeadingNumber("0.001e400")));
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
  EXPECT_EQ(LeadingNumber("1000e-330"), 0.0);
}

TEST(LeadingNumber, IgnoresTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    std::setlocale(LC_NUMERIC, "C");
  }
  EXPECT_EQ(LeadingNumber("0.07"), 0.07);
  EXPECT_EQ(LeadingNumber("0,07"), 0.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace fluvenna
