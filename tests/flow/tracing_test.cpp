// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/tracing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "flow/root1.h"

namespace fluvenna {
namespace {

constexpr double kFourDigits = 5e-5;  // worked examples quoted to four or five digits
constexpr double kRounding = 1e-12;

struct Tracer {
  FlowParameters p;
  CircleModel c;
  std::unique_ptr<PointArrays> a = std::make_unique<PointArrays>();
  std::vector<std::string> notes;

  void Trace() { TraceStreamlines(p, c, *a, notes); }
  // Point j of the traced half of pair curve k (1 = apex).
  double HalfX(int k, int j) const { return a->XA(k, (a->NP[k] + 1) / 2 + j - 1); }
  double HalfY(int k, int j) const { return a->YA(k, (a->NP[k] + 1) / 2 + j - 1); }
  double HalfR(int k, int j) const { return std::hypot(HalfX(k, j), HalfY(k, j)); }
};

Tracer ZeroCirculation(double A, double dPsi, double dR, double XMax, double kMax) {
  Tracer s;
  s.p = ReadParameters(ParameterTexts{}, ProfileTable{});
  s.p.dPsi = dPsi;
  s.p.dR = dR;
  s.p.XMax = s.p.Olcek = XMax;
  s.p.kMax = kMax;
  s.c.A = A;
  return s;
}

Tracer WithCirculation(double iKutta) {
  Tracer s;
  s.p = ReadParameters(ParameterTexts{}, ProfileTable{});
  s.p.Eps = 0.1;
  s.p.Mu = 0.05;
  s.p.Alfa = 10;
  s.p.iKutta = iKutta;
  s.p.kMax = 4;
  s.c = ComputeCircleModel(s.p);
  return s;
}

// The polar angle of a point in whole degrees.
double Degrees(double x, double y) {
  return std::atan2(y, x) * 180.0 / (4.0 * std::atan(1.0));
}

TEST(Tracing, DividingStreamlineWithoutCirculationLiesOnTheAxis) {
  Tracer s = ZeroCirculation(0.2625, 0.1, 0.01, 1, 2);
  s.Trace();
  ASSERT_EQ(s.a->NP[1], 75);
  EXPECT_EQ(s.a->XA(1, 1), 0.2625);
  for (int j = 1; j <= 75; ++j) EXPECT_EQ(s.a->YA(1, j), 0.0);
  EXPECT_NEAR(s.a->XA(1, 75), 1.0025, kRounding);
  EXPECT_LT(s.a->XA(1, 74), 1.0);
  ASSERT_EQ(s.a->NP[2], 75);
  EXPECT_EQ(s.a->XA(2, 1), -0.2625);
  EXPECT_EQ(s.a->XA(2, 75), -s.a->XA(1, 75));
  EXPECT_EQ(s.a->NP[3], 0);  // kMax = 2 traces no pair
  EXPECT_TRUE(s.notes.empty());
}

TEST(Tracing, PairSwitchesFromAngleToRadiusSteppingAtPoint72) {
  Tracer s = ZeroCirculation(0.2625, 0.1, 0.01, 1, 4);
  s.Trace();
  EXPECT_EQ(s.a->PSI[3], 0.1);
  EXPECT_EQ(s.a->PSI[4], -0.1);
  ASSERT_EQ(s.a->NP[3], 253);
  EXPECT_EQ(s.HalfX(3, 1), 0.0);
  EXPECT_NEAR(s.HalfY(3, 1), 0.31722, kFourDigits);
  // Angle steps of one degree down to point 71 at 20 degrees ...
  EXPECT_NEAR(Degrees(s.HalfX(3, 71), s.HalfY(3, 71)), 20.0, 1e-9);
  EXPECT_NEAR(Degrees(s.HalfX(3, 2), s.HalfY(3, 2)), 89.0, 1e-9);
  // ... then radius steps of exactly dR.
  EXPECT_NEAR(s.HalfR(3, 72) - s.HalfR(3, 71), 0.01, 1e-12);
  EXPECT_GT(Degrees(s.HalfX(3, 72), s.HalfY(3, 72)), 19.0);
  EXPECT_NEAR(s.HalfX(3, 127), 1.0009, kFourDigits);
  EXPECT_NEAR(s.HalfY(3, 127), 0.1073, kFourDigits);
  // The finished curve runs left to right through the apex.
  EXPECT_EQ(s.a->XA(3, 1), -s.a->XA(3, 253));
  EXPECT_EQ(s.a->XA(3, 127), 0.0);
  // Curve 4 is curve 3 mirrored in the x axis.
  ASSERT_EQ(s.a->NP[4], 253);
  for (int j = 1; j <= 253; j += 21) {
    EXPECT_NEAR(s.a->XA(4, j), s.a->XA(3, j), 1e-7);
    EXPECT_NEAR(s.a->YA(4, j), -s.a->YA(3, j), 1e-7);
  }
}

TEST(Tracing, UnitCircleWithCoarseStep) {
  Tracer s = ZeroCirculation(1, 0.5, 0.05, 3, 3);
  s.Trace();
  EXPECT_NEAR(s.HalfY(3, 1), 1.28078, kFourDigits);
  EXPECT_NEAR(Degrees(s.HalfX(3, 70), s.HalfY(3, 70)), 21.0, 1e-9);
  EXPECT_NEAR(s.HalfR(3, 71) - s.HalfR(3, 70), 0.05, 1e-12);
  ASSERT_EQ(s.a->NP[3], 2 * 93 - 1);
  EXPECT_NEAR(s.HalfX(3, 93), 3.0154, kFourDigits);
  EXPECT_EQ(s.a->NP[4], 0);  // an odd kMax leaves the last upper curve alone
}

TEST(Tracing, CirculationMovesTheSwitchPoints) {
  Tracer s = WithCirculation(1);
  s.Trace();
  EXPECT_EQ(s.a->NP[1], 76);
  ASSERT_EQ(s.a->NP[3], 277);
  ASSERT_EQ(s.a->NP[4], 231);
  EXPECT_NEAR(s.HalfY(3, 1), 0.317153, 5e-7);
  EXPECT_NEAR(s.HalfY(4, 1), -0.344159, 5e-7);
  EXPECT_NEAR(Degrees(s.HalfX(3, 82), s.HalfY(3, 82)), 9.0, 1e-9);
  EXPECT_NEAR(s.HalfR(3, 83) - s.HalfR(3, 82), 0.01, 1e-12);
  EXPECT_NEAR(Degrees(s.HalfX(4, 59), s.HalfY(4, 59)), -32.0, 1e-9);
  EXPECT_NEAR(s.HalfR(4, 60) - s.HalfR(4, 59), 0.01, 1e-12);
  // Rear stagnation point: point 1 of the body contour.
  EXPECT_NEAR(s.a->XA(1, 1), 0.266431, 5e-7);
  EXPECT_NEAR(s.a->YA(1, 1), -0.0595670, 5e-8);

  Tracer noKutta = WithCirculation(0);
  noKutta.Trace();
  EXPECT_EQ(noKutta.a->NP[1], 74);
}

// Largest |psi(XA, YA) - PSI(k)| over the points of curves 1..last.
double LargestPsiError(const Tracer& s, int last) {
  double worst = 0.0;
  for (int k = 1; k <= last; ++k) {
    for (int j = 1; j <= s.a->NP[k]; ++j) {
      const double x = s.a->XA(k, j), y = s.a->YA(k, j), r = std::hypot(x, y);
      const double psi = (r - s.c.A * s.c.A / r) * (y / r) + s.c.Gm * std::log(r / s.c.A);
      worst = std::max(worst, std::fabs(psi - s.a->PSI[k]));
    }
  }
  return worst;
}

TEST(Tracing, FailedSearchDuringAngleSteppingSwitchesToRadiusStepping) {
  Tracer s = WithCirculation(1);
  s.p.dPsi = 0.01;
  s.p.kMax = 10;
  s.Trace();
  // Curve 3 leaves angle stepping where ROOT1 finds no root one degree on,
  // not because the radius would jump.
  int j = 2;
  while (std::fabs(Degrees(s.HalfX(3, j), s.HalfY(3, j)) - (91.0 - j)) < 1e-9) ++j;
  ASSERT_LT(j, 90);
  std::int16_t iKok = 1;
  double Kok = 0.0;
  const double Rprev = s.HalfR(3, j - 1);
  ROOT1(s.c.A, Rprev, s.a->PSI[3], s.c.Gm, 1.0, std::sin((91.0 - j) * 4.0 * std::atan(1.0) / 180),
        iKok, Kok);
  EXPECT_EQ(iKok, 0);
  EXPECT_NEAR(s.HalfR(3, j) - Rprev, 0.01, 1e-12);
  // Every point stays on its streamline.
  EXPECT_LE(LargestPsiError(s, 10), 1e-6);
  EXPECT_TRUE(s.notes.empty());
}

TEST(Tracing, FailedApexSearchFallsBackToBisectionOnTheRay) {
  // ROOT1 oscillates for these values (Gm = 2 on the unit circle).
  Tracer s = ZeroCirculation(1, 0.5, 0.05, 3, 3);
  s.c.Gm = 2.0;
  s.c.Circ = 2.0 * 2.0 * (4.0 * std::atan(1.0));
  std::int16_t iKok = 0;
  double Kok = 0.0;
  ROOT1(1.0, 1.0, 0.5, 2.0, 1.0, 1.0, iKok, Kok);
  ASSERT_EQ(iKok, 0);

  s.Trace();
  ASSERT_GE(s.a->NP[3], 3);
  const double R = s.HalfY(3, 1);
  EXPECT_NEAR((R - 1.0 / R) + 2.0 * std::log(R), 0.5, 1e-12);

  double none = -1.0;
  EXPECT_FALSE(ApexByBisection(1.0, 0.5, 0.0, 0.0, 1.0, none));  // psi is 0 all along the ray
  EXPECT_EQ(none, -1.0);
}

TEST(Tracing, UndefinedValuesEndOrDropACurve) {
  // A Kutta factor beyond 1 at a steep angle puts the stagnation point off the circle.
  Tracer steep = WithCirculation(3);
  steep.p.Alfa = 30;
  steep.c = ComputeCircleModel(steep.p);
  steep.Trace();
  EXPECT_EQ(steep.a->NP[1], 0);
  EXPECT_EQ(steep.a->NP[2], 0);
  EXPECT_FALSE(steep.notes.empty());

  // A negative step puts the upper apex inside the circle, where radius
  // stepping runs into R = A and |sin| > 1.
  Tracer inside = ZeroCirculation(0.2625, -0.1, 0.01, 1, 3);
  inside.Trace();
  for (int j = 1; j <= inside.a->NP[3]; ++j) {
    ASSERT_TRUE(std::isfinite(inside.a->XA(3, j)) && std::isfinite(inside.a->YA(3, j)));
  }
  EXPECT_NE(inside.a->NP[3], 1);
}

TEST(Tracing, PointLimitsCutCurvesShort) {
  Tracer s = ZeroCirculation(0.2625, 0.1, 1e-5, 1, 20);
  s.p.kMax = 25;  // more curves than the arrays hold
  s.Trace();
  EXPECT_EQ(s.a->NP[1], PointArrays::kMaxPoint);
  EXPECT_EQ(s.a->NP[2], PointArrays::kMaxPoint);
  for (int k = 3; k <= 20; ++k) EXPECT_EQ(s.a->NP[k], 2 * PointArrays::kMaxHalfPoints - 1);
  EXPECT_GE(s.notes.size(), 19u);
}

TEST(Tracing, EndTestFollowsTheStoringOfAPoint) {
  Tracer s = ZeroCirculation(0.2625, 0.1, 0.01, -1, 4);
  s.Trace();
  EXPECT_EQ(s.a->NP[1], 2);
  EXPECT_EQ(s.a->NP[3], 3);
  EXPECT_EQ(s.a->NP[4], 3);

  // The flat plate with dR 0.25: the dividing streamline reaches x = XMax = 1
  // exactly at point 4, and a point on XMax ends the curve.
  Tracer exact = ZeroCirculation(0.25, 0.1, 0.25, 1, 2);
  exact.Trace();
  ASSERT_EQ(exact.a->NP[1], 4);
  EXPECT_EQ(exact.a->XA(1, 4), 1.0);
}

}  // namespace
}  // namespace fluvenna
