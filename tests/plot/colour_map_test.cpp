// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coloured flow field: every pixel carries the colour of the value the
// probe finds at its centre, the body stays transparent, and the two maps
// have the shape they are chosen for.
#include "plot/colour_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "flow/circle_model.h"
#include "flow/parameters.h"

namespace fluvenna {
namespace {

double Luma(Colour c) {
  return 0.2126 * RedOf(c) + 0.7152 * GreenOf(c) + 0.0722 * BlueOf(c);
}

TEST(ColourMap, EachPixelHasTheColourOfTheProbedValueAndTheBodyIsTransparent) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.05, p.Alfa = 8.0, p.iKutta = 1.0;
  const CircleModel c = ComputeCircleModel(p);
  const FlowFieldModel model(p, c);
  const PixelGrid grid{-1.0, 0.66, 1.0, -0.66, 300, 200};
  // A point inside the body of each plane: the circle centre, the middle of
  // the airfoil's chord (a little above it, towards the camber).
  const std::pair<double, double> bodyPoint[] = {{c.xc, c.yc}, {0.0, 0.02}};
  for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
    for (const FieldQuantity quantity : {FieldQuantity::kCp, FieldQuantity::kSpeed}) {
      const std::string where = std::string(plane == FieldPlane::kCircle ? "circle" : "airfoil") +
                                (quantity == FieldQuantity::kCp ? ", Cp" : ", q");
      const std::vector<double> values = SampleField(model, plane, quantity, grid);
      const RgbaImage image = ColourField(values, grid.width, grid.height, quantity);
      EXPECT_EQ(image.pixels, ColourField(values, grid.width, grid.height, quantity, 1).pixels)
          << where << ": the rows coloured on every core as on one thread";
      ASSERT_EQ(image.width, grid.width);
      ASSERT_EQ(image.height, grid.height);
      ASSERT_EQ(image.pixels.size(), 300u * 200u * 4u);
      int transparent = 0, opaque = 0;
      for (int j = 0; j < grid.height; ++j) {
        for (int i = 0; i < grid.width; ++i) {
          const auto [x, y] = PixelCentre(grid, i, j);
          const FieldPoint probe = model.At(plane, x, y);
          const std::uint8_t* px = &image.pixels[4 * (static_cast<std::size_t>(j) * 300 + i)];
          if (probe.state == FieldState::kFlow || probe.state == FieldState::kOnBody) {
            const Colour colour =
                FieldColour(quantity, quantity == FieldQuantity::kCp ? probe.Cp : probe.q);
            ASSERT_EQ(RGB(px[0], px[1], px[2]), colour) << where << " at " << i << ", " << j;
            ASSERT_EQ(px[3], 255) << where;
            ++opaque;
          } else {
            ASSERT_EQ(px[3], 0) << where << " at " << i << ", " << j;
            ++transparent;
          }
        }
      }
      EXPECT_GT(transparent, 50) << where;
      EXPECT_GT(opaque, 50000) << where;
      const auto [bx, by] = bodyPoint[plane == FieldPlane::kCircle ? 0 : 1];
      const int i = static_cast<int>((bx - grid.left) / (grid.right - grid.left) * grid.width);
      const int j = static_cast<int>((by - grid.top) / (grid.bottom - grid.top) * grid.height);
      EXPECT_EQ(image.pixels[4 * (static_cast<std::size_t>(j) * 300 + i) + 3], 0) << where;
    }
  }
  EXPECT_TRUE(ColourField({1.0, 2.0}, 3, 1, FieldQuantity::kCp).pixels.empty());
}

// The ends and the neutral grey at Cp = 0 are the tables' own colours, values
// beyond the fixed ranges take the colour of the nearer end, and the maps are
// ordered in lightness: viridis grows lighter with the speed, the cool-warm
// map is lightest at Cp = 0 and darker towards both ends.
TEST(ColourMap, FixedRangesAndLightnessOrder) {
  EXPECT_EQ(CpColour(0.0), RGB(221, 221, 221));
  EXPECT_EQ(CpColour(kCpColourLow), RGB(59, 76, 192));
  EXPECT_EQ(CpColour(kCpColourHigh), RGB(180, 4, 38));
  EXPECT_EQ(CpColour(-50.0), CpColour(kCpColourLow));
  EXPECT_EQ(CpColour(7.0), CpColour(kCpColourHigh));
  EXPECT_EQ(SpeedColour(0.0), RGB(68, 1, 84));
  EXPECT_EQ(SpeedColour(kSpeedColourHigh), RGB(253, 231, 37));
  EXPECT_EQ(SpeedColour(9.0), SpeedColour(kSpeedColourHigh));
  EXPECT_EQ(SpeedColour(-1.0), SpeedColour(0.0));

  constexpr int kSteps = 64;
  for (int k = 1; k <= kSteps; ++k) {
    const double q0 = 2.0 * (k - 1) / kSteps, q1 = 2.0 * k / kSteps;
    EXPECT_GT(Luma(SpeedColour(q1)), Luma(SpeedColour(q0))) << q1;
    const double suction0 = -3.0 * (kSteps - k + 1) / kSteps,
                 suction1 = -3.0 * (kSteps - k) / kSteps;
    EXPECT_GT(Luma(CpColour(suction1)), Luma(CpColour(suction0))) << suction1;
    const double pressure0 = 1.0 * (k - 1) / kSteps, pressure1 = 1.0 * k / kSteps;
    EXPECT_LT(Luma(CpColour(pressure1)), Luma(CpColour(pressure0))) << pressure1;
  }
}

}  // namespace
}  // namespace fluvenna
