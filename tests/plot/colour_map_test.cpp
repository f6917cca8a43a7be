// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coloured flow field: every pixel carries the colour of the value the
// probe finds at its centre, the body stays transparent, and the two maps
// have the shape they are chosen for.
#include "plot/colour_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
// Moreland's cool-warm map as his paper defines it (K. Moreland, "Diverging
// Color Maps for Scientific Visualization", 2009, sections 4 and 5): the
// two end colours in the polar form (M, s, h) of CIELAB under the D65 white,
// joined linearly through an unsaturated white of M = 88 at the middle, the
// hue of the unsaturated end spun toward its saturated partner.
namespace moreland {

struct Msh {
  double M, s, h;
};
using Rgb = std::array<double, 3>;

constexpr double kWhite[3] = {0.9505, 1.0, 1.089};
constexpr double kPi = 3.14159265358979323846;

double Linear(double c) {
  c /= 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Gamma(double c) {
  return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
}
double F(double t) {
  return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0;
}
double FInverse(double t) {
  return t > 0.20689 ? t * t * t : (t - 16.0 / 116.0) / 7.787;
}

Msh ToMsh(const Rgb& rgb) {
  const double r = Linear(rgb[0]), g = Linear(rgb[1]), b = Linear(rgb[2]);
  const double X = 0.4124 * r + 0.3576 * g + 0.1805 * b;
  const double Y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double Z = 0.0193 * r + 0.1192 * g + 0.9505 * b;
  const double L = 116.0 * F(Y / kWhite[1]) - 16.0;
  const double a = 500.0 * (F(X / kWhite[0]) - F(Y / kWhite[1]));
  const double bb = 200.0 * (F(Y / kWhite[1]) - F(Z / kWhite[2]));
  const double M = std::sqrt(L * L + a * a + bb * bb);
  return {M, std::acos(L / M), std::atan2(bb, a)};
}

Rgb ToRgb(const Msh& c) {
  const double L = c.M * std::cos(c.s);
  const double a = c.M * std::sin(c.s) * std::cos(c.h);
  const double b = c.M * std::sin(c.s) * std::sin(c.h);
  const double fy = (L + 16.0) / 116.0;
  const double X = kWhite[0] * FInverse(fy + a / 500.0);
  const double Y = kWhite[1] * FInverse(fy);
  const double Z = kWhite[2] * FInverse(fy - b / 200.0);
  return {Gamma(3.2406 * X - 1.5372 * Y - 0.4986 * Z), Gamma(-0.9689 * X + 1.8758 * Y + 0.0415 * Z),
          Gamma(0.0557 * X - 0.2040 * Y + 1.0570 * Z)};
}

double AdjustHue(const Msh& saturated, double unsaturatedM) {
  if (saturated.M >= unsaturatedM) return saturated.h;
  const double spin = saturated.s *
                      std::sqrt(unsaturatedM * unsaturatedM - saturated.M * saturated.M) /
                      (saturated.M * std::sin(saturated.s));
  return saturated.h > -kPi / 3.0 ? saturated.h + spin : saturated.h - spin;
}

Rgb Interpolate(const Rgb& low, const Rgb& high, double t) {
  Msh a = ToMsh(low), b = ToMsh(high);
  if (a.s > 0.05 && b.s > 0.05 && std::fabs(a.h - b.h) > kPi / 3.0) {
    const double middle = std::max({a.M, b.M, 88.0});
    if (t < 0.5) {
      b = {middle, 0.0, 0.0};
      t = 2.0 * t;
    } else {
      a = {middle, 0.0, 0.0};
      t = 2.0 * t - 1.0;
    }
  }
  if (a.s < 0.05 && b.s > 0.05) a.h = AdjustHue(b, a.M);
  if (b.s < 0.05 && a.s > 0.05) b.h = AdjustHue(a, b.M);
  return ToRgb({(1 - t) * a.M + t * b.M, (1 - t) * a.s + t * b.s, (1 - t) * a.h + t * b.h});
}

}  // namespace moreland

// Within one unit a channel of the published colour (its table is rounded
// to whole units).
void ExpectColour(Colour got, const moreland::Rgb& want, const std::string& where) {
  EXPECT_NEAR(RedOf(got), want[0], 1.0) << where;
  EXPECT_NEAR(GreenOf(got), want[1], 1.0) << where;
  EXPECT_NEAR(BlueOf(got), want[2], 1.0) << where;
}

// Both maps at their knots, against their published definitions: the
// cool-warm map from its end colours (59, 76, 192) and (180, 4, 38) at each
// of its 33 entries, Cp = -3 .. 0 on the blue half and 0 .. 1 on the red one;
// viridis at matplotlib's published #440154, #3b528b, #21918c, #5ec962 and
// #fde725 (entries 0, 64, 128, 192 and 255 of 256) over q/U0 from 0 to 2.
TEST(ColourMap, KnotsAreThePublishedColours) {
  for (int i = 0; i <= 32; ++i) {
    const double Cp = i <= 16 ? -3.0 * (16 - i) / 16.0 : (i - 16) / 16.0;
    ExpectColour(CpColour(Cp), moreland::Interpolate({59, 76, 192}, {180, 4, 38}, i / 32.0),
                 "cool-warm entry " + std::to_string(i));
  }
  ExpectColour(CpColour(0.0), {221, 221, 221}, "the neutral middle");
  const struct {
    int entry;
    moreland::Rgb rgb;
  } viridis[] = {{0, {0x44, 0x01, 0x54}},
                 {64, {0x3b, 0x52, 0x8b}},
                 {128, {0x21, 0x91, 0x8c}},
                 {192, {0x5e, 0xc9, 0x62}},
                 {255, {0xfd, 0xe7, 0x25}}};
  for (const auto& knot : viridis) {
    ExpectColour(SpeedColour(2.0 * knot.entry / 255.0), knot.rgb,
                 "viridis entry " + std::to_string(knot.entry));
  }
  // The ranges the README gives: Cp from -3 to 1, q/U0 from 0 to 2; just
  // inside either end the colour is no longer the end's.
  EXPECT_EQ(CpColour(-3.0), CpColour(-30.0));
  EXPECT_NE(CpColour(-2.95), CpColour(-3.0));
  EXPECT_EQ(CpColour(1.0), CpColour(10.0));
  EXPECT_NE(CpColour(0.98), CpColour(1.0));
  EXPECT_EQ(SpeedColour(0.0), SpeedColour(-1.0));
  EXPECT_NE(SpeedColour(0.03), SpeedColour(0.0));
  EXPECT_EQ(SpeedColour(2.0), SpeedColour(5.0));
  EXPECT_NE(SpeedColour(1.97), SpeedColour(2.0));
}

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
