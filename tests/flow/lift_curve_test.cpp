// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The lift curve against what it must agree with: the status line's C_L of
// real passes, the slope of thin-airfoil theory corrected for thickness, the
// zero-lift angles of the committed table, and the Kutta factor's scaling.
#include "flow/lift_curve.h"

#include <gtest/gtest.h>

#include "committed_table.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "flow/profile_table.h"

namespace fluvenna {
namespace {

constexpr double kSlopeDifference = 1e-6;   // analytic slope against a central difference, relative
constexpr double kThicknessSlope = 0.01;    // 2 Pi (1 + 0.77 DELTA) holds to about 1 %
constexpr double kTableZeroLiftDeg = 1e-9;  // the fifth column, degrees
constexpr double kVanishingLift = 1e-14;    // C_L at the zero-lift angle
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const ProfileTable& Table() {
  return testing::CommittedTable();
}

ParameterTexts Texts(const char* delta, const char* gamma, const char* alpha,
                     const char* kutta = "1") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.Alfa = alpha, t.iKutta = kutta;
  return t;
}

// The parameters of table row i at the angle alpha.
FlowParameters RowParameters(int i, double alpha = 0.0) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.DELTA = Table().TabDelta[i], p.GAMA = Table().TabGama[i];
  p.Eps = Table().TabEps[i], p.Mu = Table().TabMu[i];
  p.profileRow = i;
  p.Alfa = alpha;
  return p;
}

// A dozen passes, traced as the window traces them: the curve meets the
// status line's C_L = 2 Circ / (U0 chord) at the pass's alpha to the last
// digit, covers every whole degree of the alpha bar, runs in increasing
// alpha, and its slope there is the rate of change of the curve itself.
TEST(LiftCurve, PassesThroughTheStatusLineAtThePassAlpha) {
  const ParameterTexts passes[] = {
      Texts("0.12", "0.04", "8"),        Texts("0.15", "0", "0"),
      Texts("0.05", "0.02", "-10"),      Texts("0.2", "0.1", "30"),
      Texts("0.01", "0", "12.5"),        Texts("0.3", "0.14", "-3.25"),
      Texts("0.12", "0.04", "8", "0.5"), Texts("0.07", "0.07", "45"),
      Texts("0.1", "0.05", "-17.5"),     Texts("0.125", "0.04", "5"),  // no row: flat plate
      Texts("0.25", "0.12", "2e1"),      Texts("0.08", "0.03", "7.000001", "0.8"),
  };
  for (const ParameterTexts& texts : passes) {
    SCOPED_TRACE(texts.DELTA + "/" + texts.GAMA + " at " + texts.Alfa + ", Kutta " + texts.iKutta);
    auto arrays = std::make_unique<PointArrays>();
    const PassResult pass = RunWholePass(texts, Table(), *arrays);
    ASSERT_TRUE(pass.ok());
    const double chord = MeasureProfile(pass.params.Eps, pass.params.Mu).chord;
    const double statusLine = LiftCoefficient(pass.circle.Circ, pass.params.U0, chord);

    const LiftCurve curve = ComputeLiftCurve(pass.params, chord);
    ASSERT_TRUE(curve.ok()) << curve.notComputed;
    ASSERT_TRUE(curve.passPoint);
    EXPECT_EQ(curve.points[*curve.passPoint].alpha_deg, pass.params.Alfa);
    EXPECT_EQ(curve.points[*curve.passPoint].cl, statusLine);
    EXPECT_TRUE(curve.notes.empty());

    int wholeDegrees = 0;
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
      const double a = curve.points[i].alpha_deg;
      if (i > 0) {
        EXPECT_LT(curve.points[i - 1].alpha_deg, a);
      }
      if (a >= kLiftCurveFirstDeg && a <= kLiftCurveLastDeg && a == std::floor(a)) ++wholeDegrees;
    }
    EXPECT_EQ(wholeDegrees, kLiftCurveLastDeg - kLiftCurveFirstDeg + 1);
    EXPECT_LE(curve.points.front().alpha_deg, std::min(pass.params.Alfa, -10.0));
    EXPECT_GE(curve.points.back().alpha_deg, std::max(pass.params.Alfa, 30.0));

    const double h = 1e-4;  // degrees
    const double difference = (LiftCoefficientAt(pass.params, chord, pass.params.Alfa + h) -
                               LiftCoefficientAt(pass.params, chord, pass.params.Alfa - h)) /
                              (2 * h);
    ASSERT_TRUE(curve.slopePerDeg && curve.slopePerRad && curve.slopeRatio);
    EXPECT_NEAR(*curve.slopePerDeg, difference, kSlopeDifference * std::fabs(*curve.slopePerRad));
    EXPECT_NEAR(*curve.slopePerRad * pass.params.DegRad, *curve.slopePerDeg, 1e-15);
    EXPECT_NEAR(*curve.slopeRatio * 2 * pass.params.Pi, *curve.slopePerRad, 1e-14);
  }
}

// Joukowski's symmetric profiles at zero incidence: dC_L/dalpha =
// 2 Pi (1 + 2 Eps) / (1 + Eps) ~ 2 Pi (1 + 0.77 DELTA), thicker is steeper,
// while thin-airfoil theory keeps 2 Pi and no lift at zero incidence.
TEST(LiftCurve, SymmetricRowsSteepenWithThickness) {
  int symmetric = 0;
  for (int i = 1; i <= Table().NTab; ++i) {
    if (Table().TabGama[i] != 0.0) continue;
    ++symmetric;
    const FlowParameters p = RowParameters(i);
    SCOPED_TRACE("DELTA " + std::to_string(p.DELTA));
    const LiftCurve curve = ComputeLiftCurve(p, MeasureProfile(p.Eps, p.Mu).chord);
    ASSERT_TRUE(curve.slopeRatio);
    EXPECT_NEAR(*curve.slopeRatio, 1 + 0.77 * p.DELTA, kThicknessSlope * (1 + 0.77 * p.DELTA));
    EXPECT_GT(*curve.slopeRatio, 1.0);
    EXPECT_EQ(curve.points[*curve.passPoint].cl, 0.0);
    EXPECT_EQ(curve.points[*curve.passPoint].cl_thin, 0.0);
    EXPECT_EQ(*curve.zeroLiftDeg, 0.0);
    EXPECT_EQ(*curve.zeroLiftThinDeg, 0.0);
  }
  EXPECT_EQ(symmetric, 30);
}

// Every row of the committed table: the exact zero-lift angle is the file's
// fifth column and C_L vanishes there; thin-airfoil theory's C_L vanishes at
// -2 GAMA. (The chord only scales C_L, so 1 serves for every row here.)
TEST(LiftCurve, ZeroLiftAngleIsTheTablesFifthColumn) {
  ASSERT_EQ(Table().NTab, 450);
  for (int i = 1; i <= Table().NTab; ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    FlowParameters p = RowParameters(i);
    const LiftCurve atZero = ComputeLiftCurve(p, 1.0);
    ASSERT_TRUE(atZero.zeroLiftDeg && atZero.zeroLiftThinDeg);
    EXPECT_NEAR(*atZero.zeroLiftDeg, Table().TabExtra[i], kTableZeroLiftDeg);
    EXPECT_NEAR(*atZero.zeroLiftThinDeg, -2 * p.GAMA * 180 / p.Pi, 1e-12);
    EXPECT_LE(*atZero.zeroLiftDeg, 0.0);

    p.Alfa = *atZero.zeroLiftDeg;
    const LiftCurve exact = ComputeLiftCurve(p, 1.0);
    EXPECT_NEAR(exact.points[*exact.passPoint].cl, 0.0, kVanishingLift);
    p.Alfa = *atZero.zeroLiftThinDeg;
    const LiftCurve thin = ComputeLiftCurve(p, 1.0);
    EXPECT_NEAR(thin.points[*thin.passPoint].cl_thin, 0.0, kVanishingLift);
  }
}

// The Kutta factor scales the circulation and with it every C_L and the
// slope; thin-airfoil theory does not depend on it.
TEST(LiftCurve, KuttaFactorScalesTheExactCurveOnly) {
  const FlowParameters full = ReadParameters(Texts("0.12", "0.04", "8.5"), Table());
  ASSERT_GT(full.profileRow, 0);
  const double chord = MeasureProfile(full.Eps, full.Mu).chord;
  FlowParameters none = full, half = full;
  none.iKutta = 0.0;
  half.iKutta = 0.5;
  const LiftCurve one = ComputeLiftCurve(full, chord);
  const LiftCurve zero = ComputeLiftCurve(none, chord);
  const LiftCurve halved = ComputeLiftCurve(half, chord);
  ASSERT_EQ(zero.points.size(), one.points.size());
  ASSERT_EQ(halved.points.size(), one.points.size());
  for (std::size_t i = 0; i < one.points.size(); ++i) {
    EXPECT_EQ(zero.points[i].cl, 0.0);
    EXPECT_EQ(halved.points[i].cl, 0.5 * one.points[i].cl);  // halving is exact
    EXPECT_EQ(zero.points[i].cl_thin, one.points[i].cl_thin);
    EXPECT_EQ(halved.points[i].cl_thin, one.points[i].cl_thin);
  }
  EXPECT_EQ(*zero.slopePerRad, 0.0);
  EXPECT_EQ(*halved.slopePerRad, 0.5 * *one.slopePerRad);
  EXPECT_EQ(*halved.zeroLiftDeg, *one.zeroLiftDeg);
}

// What a student may type or a broken measure may give: never a crash, never
// a flood of points, and always a reason.
TEST(LiftCurve, DegenerateInputGivesAReasonNotACrash) {
  const FlowParameters p = ReadParameters(Texts("0.12", "0.04", "8"), Table());
  const std::size_t rangePoints = kLiftCurveLastDeg - kLiftCurveFirstDeg + 1;
  for (const double chord : {0.0, -1.0, kNaN, kInf}) {
    const LiftCurve curve = ComputeLiftCurve(p, chord);
    EXPECT_FALSE(curve.ok());
    EXPECT_FALSE(curve.notComputed.empty());
    EXPECT_FALSE(curve.slopePerRad);
    EXPECT_TRUE(curve.zeroLiftDeg);  // it needs no chord
  }
  FlowParameters bad = p;
  bad.iKutta = kInf;
  EXPECT_FALSE(ComputeLiftCurve(bad, 1.0).ok());
  EXPECT_FALSE(ComputeLiftCurve(bad, 1.0).notComputed.empty());

  FlowParameters angle = p;
  for (const double alpha : {kNaN, kInf}) {
    angle.Alfa = alpha;
    const LiftCurve curve = ComputeLiftCurve(angle, 1.0);
    EXPECT_EQ(curve.points.size(), rangePoints);
    EXPECT_FALSE(curve.passPoint);
    EXPECT_FALSE(curve.slopePerRad);
    EXPECT_EQ(curve.notes.size(), 1u);
  }
  for (const double alpha : {1e300, -1e300, 360.5}) {
    angle.Alfa = alpha;
    const LiftCurve curve = ComputeLiftCurve(angle, 1.0);
    ASSERT_EQ(curve.points.size(), rangePoints + 1);
    EXPECT_EQ(*curve.passPoint, alpha > 0 ? rangePoints : 0);
    EXPECT_EQ(curve.points[*curve.passPoint].alpha_deg, alpha);
    EXPECT_TRUE(std::isfinite(curve.points[*curve.passPoint].cl));
    EXPECT_TRUE(curve.slopePerRad);
    EXPECT_EQ(curve.notes.size(), 1u);
  }
  angle.Alfa = -359.5;  // within a turn: whole degrees from -360 on
  const LiftCurve turn = ComputeLiftCurve(angle, 1.0);
  EXPECT_EQ(turn.points.size(), rangePoints + 350 + 1);
  EXPECT_EQ(turn.points.front().alpha_deg, -360.0);
  EXPECT_TRUE(turn.notes.empty());
}

}  // namespace
}  // namespace fluvenna
