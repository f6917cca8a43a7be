// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conformal-map view's pointer line against the map itself: for points
// all round the circle, turned either way, the line's zeta is
// z + cJ^2 / z, its stretch |1 - cJ^2 / z^2| and its turn arg(1 - cJ^2 / z^2)
// in degrees, each to the decimals it prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "flow/circle_model.h"
#include "flow/conformal_map.h"
#include "report/map_text.h"

namespace fluvenna {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(MapText, PointerLineGivesTheMapsImageStretchAndTurn) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.05, p.Alfa = 0.0, p.iKutta = 1.0;
  const CircleModel c = ComputeCircleModel(p);
  const ConformalMorph morph(c, c.cJ, 1.0);
  const double cJ = morph.cJ();
  int turns[2] = {0, 0};  // points turned clockwise, anticlockwise
  double largest = 0.0;
  for (int i = 0; i < 72; ++i) {
    const double phi = 2.0 * kPi * i / 72.0;
    for (const double r : {1.05, 1.3, 2.0}) {
      const std::complex<double> z = morph.centre() + std::polar(r * morph.A(), phi);
      const LinkedPoint point = morph.Link(0.0, z.real(), z.imag());
      if (point.inside) continue;
      const std::string line = MapPointerLine(z.real(), z.imag(), point);
      double zx, zy, fx, fy, stretch, turn;
      ASSERT_EQ(std::sscanf(line.c_str(),
                            "z = (%lf, %lf) ↔ ζ = (%lf, %lf): stretch |dζ/dz| = %lf, turn "
                            "arg(dζ/dz) = %lf°",
                            &zx, &zy, &fx, &fy, &stretch, &turn),
                6)
          << line;
      SCOPED_TRACE(line);
      const std::complex<double> at(point.zx, point.zy);
      const std::complex<double> zeta = at + cJ * cJ / at;
      const std::complex<double> derivative = 1.0 - cJ * cJ / (at * at);
      EXPECT_NEAR(zx, at.real(), 5e-4);
      EXPECT_NEAR(zy, at.imag(), 5e-4);
      EXPECT_NEAR(fx, zeta.real(), 5e-4);
      EXPECT_NEAR(fy, zeta.imag(), 5e-4);
      EXPECT_NEAR(stretch, std::abs(derivative), 5e-4);
      const double degrees = std::arg(derivative) * 180.0 / kPi;
      // One decimal; +-180 are the same turn.
      EXPECT_LT(std::fabs(std::remainder(turn - degrees, 360.0)), 0.05 + 1e-9) << degrees;
      turns[degrees > 0.0] += 1;
      largest = std::max(largest, std::fabs(degrees));
    }
  }
  EXPECT_GT(turns[0], 20);
  EXPECT_GT(turns[1], 20);
  EXPECT_GT(largest, 30.0);  // near the trailing edge the map turns far
}

}  // namespace
}  // namespace fluvenna
