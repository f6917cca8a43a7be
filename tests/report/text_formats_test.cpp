// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The digits of the lines a user reads: the probe line under the flow-field
// view (x, y, q/U0 and Cp to three decimals, psi to four) in every state of
// the point, in both languages.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "report/field_text.h"

namespace fluvenna {
namespace {

// `text` is `value` to exactly `decimals` decimals.
void ExpectDecimals(const std::string& text, double value, int decimals) {
  const std::size_t point = text.find('.');
  ASSERT_NE(point, std::string::npos) << text;
  EXPECT_EQ(text.size() - point - 1, static_cast<std::size_t>(decimals)) << text;
  const double unit = std::pow(10.0, -decimals);
  EXPECT_LE(std::fabs(std::stod(text) - value), 0.5 * unit * (1 + 1e-9)) << text << " " << value;
}

TEST(ProbeLine, ShowsThreeDecimalsAndFourForPsi) {
  FieldPoint flow;
  flow.state = FieldState::kFlow;
  flow.q = 1.23456789;
  flow.Cp = 1.0 - flow.q * flow.q;
  flow.psi = -0.0123456;
  const double x = 0.31415926, y = -0.0271828;
  for (const Language language : {Language::kEnglish, Language::kTurkish}) {
    const ProbeWording wording = ProbeWordingIn(language);
    for (const FieldState state : {FieldState::kFlow, FieldState::kOnBody}) {
      FieldPoint p = flow;
      p.state = state;
      const std::string line = ProbeLine(x, y, p, wording);
      // Five numbers in their order: x, y, q/U0, Cp, psi.
      const std::regex number(R"(-?\d+\.\d+)");
      std::vector<std::string> numbers;
      for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
           it != std::sregex_iterator(); ++it) {
        numbers.push_back(it->str());
      }
      ASSERT_EQ(numbers.size(), 5u) << line;
      ExpectDecimals(numbers[0], x, 3);
      ExpectDecimals(numbers[1], y, 3);
      ExpectDecimals(numbers[2], p.q, 3);
      ExpectDecimals(numbers[3], p.Cp, 3);
      ExpectDecimals(numbers[4], p.psi, 4);
    }
    for (const FieldState state : {FieldState::kInsideBody, FieldState::kSingular}) {
      FieldPoint p = flow;
      p.state = state;
      const std::string line = ProbeLine(x, y, p, wording);
      EXPECT_EQ(line.find("1.235"), std::string::npos) << line;  // no speed shown
      EXPECT_NE(line.find("0.314"), std::string::npos) << line;
      EXPECT_NE(line.find("-0.027"), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace fluvenna
