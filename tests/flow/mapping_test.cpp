// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace fluvenna {
namespace {

constexpr double kRounding = 1e-12;

void ExpectMaps(double x, double y, double xi, double eta, double tolerance = kRounding) {
  const auto image = MapPoint(x, y, 0.25, 0.5, 2);
  ASSERT_TRUE(image);
  EXPECT_NEAR(image->first, xi, tolerance);
  EXPECT_NEAR(image->second, eta, tolerance);
}

TEST(Mapping, EqualsJoukowskiMapForExponentTwo) {
  ExpectMaps(10, 0, 10.00625, 0);
  ExpectMaps(0.3, 0.1, 0.4875, 0.0375);
  ExpectMaps(0.2, -0.05, 0.494118, 0.023529, 5e-7);
  ExpectMaps(0, 0.25, 0, 0);
  ExpectMaps(0.25, 0, 0.5, 0);  // the trailing edge
  ExpectMaps(-1, 2, -1 + 0.0625 * -1 / 5, 2 - 0.0625 * 2 / 5);
}

TEST(Mapping, SingularPointsHaveTheirLimitOrNoImage) {
  ExpectMaps(-0.25, 0, -0.5, 0);  // z = -cJ: the leading edge of the flat plate
  EXPECT_FALSE(MapPoint(0, 0, 0.25, 0.5, 2));

  // Thirteen units in the last place beside the trailing edge, rounding
  // leaves the squared distance from +cJ below 0; the point still maps to
  // the trailing edge.
  const double cJ = 0.2600390625, x = 0.2600390625000007;
  const double Rho = x / cJ, CosFi = (x / Rho) / cJ;
  ASSERT_LT((1.0 + Rho * Rho) - (2.0 * Rho) * CosFi, 0.0);
  for (const double y : {0.0, 1e-12}) {
    const auto image = MapPoint(x, y, cJ, 2.0 * cJ, 2);
    ASSERT_TRUE(image) << y;
    EXPECT_NEAR(image->first, 2.0 * cJ, 1e-9);
    EXPECT_NEAR(image->second, 0.0, 1e-9);
  }
}

TEST(Mapping, TurnIsCounterClockwiseThenShift) {
  auto a = std::make_unique<PointArrays>();
  CircleModel c;
  c.CosAlfa = 0.0;
  c.SinAlfa = 1.0;
  c.xc = -0.1;
  c.yc = 0.2;
  a->NP[0] = 1;
  a->XA(0, 1) = 1.0;
  a->YA(0, 1) = 0.0;
  TurnAndShift(c, 0, *a);
  EXPECT_EQ(a->XP(0, 1), -0.1);
  EXPECT_EQ(a->YP(0, 1), 1.2);
}

TEST(Mapping, SecondStageDropsPointsWithoutImage) {
  auto a = std::make_unique<PointArrays>();
  CircleModel c;
  c.nC = 0.5;
  a->NP[0] = 3;
  a->XP(0, 1) = 0.25, a->YP(0, 1) = 0.0;  // the trailing edge; cJ is read from here
  a->XP(0, 2) = 0.0, a->YP(0, 2) = 0.25;
  a->XP(0, 3) = -0.25, a->YP(0, 3) = 0.0;
  a->NP[1] = 3;
  a->XP(1, 1) = 10, a->YP(1, 1) = 0;
  a->XP(1, 2) = 0, a->YP(1, 2) = 0;  // z = 0
  a->XP(1, 3) = 0.3, a->YP(1, 3) = 0.1;
  a->NP[2] = 2;
  a->XP(2, 1) = 0, a->YP(2, 1) = 0;
  a->XP(2, 2) = 0.3, a->YP(2, 2) = 0.1;
  std::vector<std::string> notes;
  MapToAirfoil(c, 2, 2, *a, notes);
  EXPECT_EQ(a->NP[0], 3);
  EXPECT_NEAR(a->XP(0, 1), 0.5, kRounding);
  EXPECT_NEAR(a->XP(0, 3), -0.5, kRounding);
  ASSERT_EQ(a->NP[1], 2);
  EXPECT_NEAR(a->XP(1, 1), 10.00625, kRounding);
  EXPECT_NEAR(a->XP(1, 2), 0.4875, kRounding);
  EXPECT_EQ(a->NP[2], 0);
  EXPECT_EQ(notes.size(), 2u);
}

}  // namespace
}  // namespace fluvenna
