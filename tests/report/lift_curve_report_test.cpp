// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The lift curve's CSV reads back as the core's numbers, and its line gives
// the core's numbers to the digits it shows.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "flow/decimal_text.h"
#include "report/exact_number_text.h"
#include "flow/lift_curve.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "report/lift_curve_csv.h"
#include "report/lift_curve_line.h"
#include "report/pass_summary.h"

namespace fluvenna {
namespace {

// A pass of the profile (Eps, Mu), as if its row had been selected.
FlowParameters Pass(double Eps, double Mu, double GAMA, double alpha, double kutta = 1.0) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = Eps, p.Mu = Mu, p.GAMA = GAMA, p.Alfa = alpha, p.iKutta = kutta;
  p.profileRow = 1;
  return p;
}

LiftCurve Curve(const FlowParameters& p) {
  return ComputeLiftCurve(p, MeasureProfile(p.Eps, p.Mu).chord);
}

double Read(const std::string& field) {
  double value = NAN;
  const auto [end, error] = ReadDecimal(field.data(), field.data() + field.size(), value);
  EXPECT_TRUE(error == std::errc() && end == field.data() + field.size()) << field;
  return value;
}

TEST(LiftCurveCsv, RowsReadBackAsTheCoresNumbers) {
  const FlowParameters passes[] = {
      Pass(0.1, 0.05, 0.02, 12.345678901234567),  // a fraction between two whole degrees
      Pass(0.0941, 0.0, 0.0, 0.0, 0.5),           // symmetric: C_L 0 at alpha 0
      Pass(0.1, 0.05, 0.02, -1e300),              // a lone point before the range
  };
  for (const FlowParameters& p : passes) {
    const LiftCurve curve = Curve(p);
    ASSERT_TRUE(curve.ok());
    std::ostringstream out;
    WriteLiftCurveCsv(curve, out);
    std::istringstream in(out.str());
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "alpha_deg,cl,cl_thin");
    std::size_t row = 0;
    for (; std::getline(in, line); ++row) {
      ASSERT_LT(row, curve.points.size());
      std::vector<std::string> fields;
      std::stringstream split(line);
      for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
      ASSERT_EQ(fields.size(), 3u) << line;
      EXPECT_EQ(Read(fields[0]), curve.points[row].alpha_deg) << line;
      EXPECT_EQ(Read(fields[1]), curve.points[row].cl) << line;
      EXPECT_EQ(Read(fields[2]), curve.points[row].cl_thin) << line;
      EXPECT_NE(fields[1], "-0") << "no negative zero";
    }
    EXPECT_EQ(row, curve.points.size());
  }
  std::ostringstream none;
  WriteLiftCurveCsv(ComputeLiftCurve(passes[0], 0.0), none);
  EXPECT_EQ(none.str(), "alpha_deg,cl,cl_thin\n");
}

// Every number of the line is the core's value to the digits shown, in the
// order of the markers; a symmetric profile shows no "-0.000".
TEST(LiftCurveLine, ShowsTheCoresNumbersToTheDigitsGiven) {
  const std::regex number("-?[0-9]+\\.[0-9]+");
  for (const FlowParameters& p :
       {Pass(0.1, 0.05, 0.02, 8), Pass(0.0941, 0.0, 0.0, 0), Pass(0.2, 0.3, 0.14, -7, 0.25)}) {
    const LiftCurve curve = Curve(p);
    const std::string line = LiftCurveLine(curve);
    const double expected[] = {*curve.slopePerDeg, *curve.slopePerRad, *curve.slopeRatio,
                               *curve.zeroLiftDeg, *curve.zeroLiftThinDeg};
    const int decimals[] = {4, 3, 3, 3, 3};
    std::size_t i = 0;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
         it != std::sregex_iterator(); ++it, ++i) {
      ASSERT_LT(i, 5u) << line;
      EXPECT_NEAR(Read(it->str()), expected[i], 0.5 * std::pow(10.0, -decimals[i]) + 1e-15) << line;
      EXPECT_EQ(it->str().find_first_of('.') + decimals[i] + 1, it->str().size()) << line;
    }
    EXPECT_EQ(i, 5u) << line;
    EXPECT_EQ(line.find("-0.000"), std::string::npos) << line;
    EXPECT_NE(line.find("thin-airfoil theory"), std::string::npos) << line;
  }

  // Without a finite alpha only the zero-lift sentence; without a chord, the reason.
  const std::string noAlpha = LiftCurveLine(Curve(Pass(0.1, 0.05, 0.02, NAN)));
  EXPECT_EQ(noAlpha.find("Slope"), std::string::npos) << noAlpha;
  EXPECT_EQ(noAlpha.rfind("Zero-lift angle ", 0), 0u) << noAlpha;
  const LiftCurve noChord = ComputeLiftCurve(Pass(0.1, 0.05, 0.02, 8), -1.0);
  EXPECT_EQ(LiftCurveLine(noChord), "No lift curve: " + noChord.notComputed + ".");

  // The markers may come in any order, as a translation needs them.
  LiftCurveWording reordered;
  reordered.slope = "[%3|%1|%2]";
  reordered.zeroLift = "(%5 %4 %%)";
  const LiftCurve curve = Curve(Pass(0.1, 0.05, 0.02, 8));
  const std::string standard = LiftCurveLine(curve);
  const std::string swapped = LiftCurveLine(curve, reordered);
  std::vector<std::string> numbers;
  for (auto it = std::sregex_iterator(standard.begin(), standard.end(), number);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(it->str());
  ASSERT_EQ(numbers.size(), 5u);
  EXPECT_EQ(swapped, "[" + numbers[2] + "|" + numbers[0] + "|" + numbers[1] + "] (" + numbers[4] +
                         " " + numbers[3] + " %%)");
}

// The renderer's summary carries the slope and both zero-lift angles of the
// lift curve, every digit, after the keys it had before, which keep their order.
TEST(LiftCurveSummary, AddsTheSlopeAndZeroLiftAnglesAfterTheEarlierKeys) {
  ProfileTable table;
  table.NTab = 1;
  table.TabDelta[1] = 0.1, table.TabGama[1] = 0.05, table.TabEps[1] = 0.1, table.TabMu[1] = 0.05;
  ParameterTexts texts;
  texts.DELTA = "0.1", texts.GAMA = "0.05", texts.Alfa = "6.5";
  auto arrays = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(texts, table, *arrays);
  ASSERT_TRUE(pass.ok());
  const LiftCurve curve = Curve(pass.params);
  const PassSummary summary = SummarisePass(pass, PassCurves{});

  const std::string json = SummaryJson(summary);
  std::size_t last = 0;
  const std::string keys[] = {"\"profileRow\":",
                              "\"C_L\":",
                              "\"Cp_min_surface\":",
                              "\"C_L_slope\":" + ShortestText(*curve.slopePerRad) + ",",
                              "\"alpha_L0_deg\":" + ShortestText(*curve.zeroLiftDeg) + ",",
                              "\"alpha_L0_thin_deg\":" + ShortestText(*curve.zeroLiftThinDeg) + ",",
                              "\"curves\":",
                              "\"table\":"};
  for (const std::string& key : keys) {
    const std::size_t at = json.find(key);
    ASSERT_NE(at, std::string::npos) << key << " in " << json;
    EXPECT_GT(at, last) << key << " in " << json;
    last = at;
  }
  const std::string text = SummaryText(summary);
  EXPECT_NE(text.find("\nslope  " + ShortestText(*curve.slopePerRad) + " per radian"),
            std::string::npos)
      << text;
  EXPECT_NE(
      text.find("\na_L0   " + ShortestText(*curve.zeroLiftDeg) + " degrees (thin-airfoil theory " +
                ShortestText(*curve.zeroLiftThinDeg) + ")\n"),
      std::string::npos)
      << text;
}

}  // namespace
}  // namespace fluvenna
