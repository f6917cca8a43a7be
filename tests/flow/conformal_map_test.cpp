// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/conformal_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <random>
#include <vector>

#include "committed_table.h"
#include "flow/flow_field.h"
#include "flow/mapping.h"
#include "flow/pass.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

// A cambered, thick profile at an angle: the circle plane as the circle plot
// shows it, its morph, and the airfoil plot's arrays after the map.
struct MorphedPass {
  std::unique_ptr<PointArrays> arrays = std::make_unique<PointArrays>();
  PassResult result;
  std::unique_ptr<ConformalMorph> morph;

  explicit MorphedPass(const char* delta = "0.12", const char* gamma = "0.04",
                       const char* alpha = "8") {
    ParameterTexts texts;
    texts.DELTA = delta, texts.GAMA = gamma, texts.Alfa = alpha, texts.kMax = "6";
    result = RunCirclePlane(texts, testing::CommittedTable(), *arrays);
    EXPECT_TRUE(result.ok());
    morph = std::make_unique<ConformalMorph>(result.circle, arrays->XP(0, 1), result.params.Olcek);
    for (int k = 0; k <= result.lastCurve; ++k) {
      const auto n = static_cast<std::size_t>(arrays->NP[k]);
      std::vector<double> x(n), y(n);
      for (int j = 1; j <= arrays->NP[k]; ++j) {
        x[j - 1] = arrays->XP(k, j);
        y[j - 1] = arrays->YP(k, j);
      }
      morph->AddCurve(k, x, y);
    }
    RunAirfoilPlane(result, *arrays);
  }
};

Complex Image(const ConformalMorph& m, double t, Complex z) {
  const auto w = m.Morph(t, z.real(), z.imag());
  EXPECT_TRUE(w.has_value());
  return w ? Complex(w->first, w->second) : Complex();
}

// The angle between two directions, in [0, Pi].
double AngleBetween(Complex a, Complex b) {
  return std::atan2(std::fabs((std::conj(a) * b).imag()), (std::conj(a) * b).real());
}

// Every crossing of a grid circle (the body included) and a ray keeps its
// right angle through the morph: the images of the two lines' tangents, by
// central differences of the very map the picture draws with. Only crossings
// near the critical points z = +-sqrt(t) cJ are left out, and at t = 1 the
// one there is checked to open to a straight angle instead.
TEST(ConformalMap, GridStaysRightAngledExceptAtTheCriticalPoints) {
  const MorphedPass pass;
  const ConformalMorph& m = *pass.morph;
  const double Pi = 4.0 * std::atan(1.0);
  const double A = m.A(), h = 1e-5 * A;
  for (const double t : {0.0, 0.3, 0.75, 1.0}) {
    const double critical = std::sqrt(t) * m.cJ();
    double worst = 0.0;
    int crossings = 0, skipped = 0;
    for (int k = 0; k <= 12; ++k) {
      const double r = A * (1.0 + k * kMapGridStep);
      for (int ray = 0; ray < 24; ++ray) {
        const double theta = m.trailingEdgeAngle() + ray * kMapRayDegrees * Pi / 180.0;
        const auto at = [&](double rr, double th) { return m.centre() + std::polar(rr, th); };
        const Complex z = at(r, theta);
        if (std::abs(z - critical) < 0.1 * A || std::abs(z + critical) < 0.1 * A) {
          ++skipped;
          continue;
        }
        const Complex along = Image(m, t, at(r, theta + h / r)) - Image(m, t, at(r, theta - h / r));
        const Complex out = Image(m, t, at(r + h, theta)) - Image(m, t, at(r - h, theta));
        worst = std::max(worst, std::fabs(AngleBetween(along, out) - Pi / 2.0));
        ++crossings;
      }
    }
    EXPECT_LT(worst, 1e-6) << "t = " << t;
    EXPECT_GT(crossings, 250);
    EXPECT_EQ(skipped, t == 1.0 ? 1 : 0) << "t = " << t;  // the trailing edge, at t = 1 only
  }
  // The grid the picture draws is that grid: its circles keep their radius
  // and its rays their angle, and every drawn point is the morph of its
  // circle-plane point.
  int circles = 0, rays = 0;
  for (const MapLine& line : m.Lines()) {
    if (line.kind != MapLineKind::kGrid) continue;
    const Complex first = Complex(line.zx[0], line.zy[0]) - m.centre();
    const Complex mid = Complex(line.zx[line.size() / 2], line.zy[line.size() / 2]) - m.centre();
    const bool circle = std::fabs(std::abs(first) - std::abs(mid)) < 1e-12;
    if (circle) {
      const double k = (std::abs(first) / A - 1.0) / kMapGridStep;
      EXPECT_NEAR(k, std::round(k), 1e-9);
      ++circles;
    } else {
      EXPECT_NEAR(std::fabs(AngleBetween(first, mid)), 0.0, 1e-9);
      ++rays;
    }
    for (int j = 0; j < line.size(); j += 17) {
      const auto [x, y] = m.At(line, j, 0.4);
      const Complex w = Image(m, 0.4, Complex(line.zx[j], line.zy[j]));
      EXPECT_NEAR(x, w.real(), 1e-15);
      EXPECT_NEAR(y, w.imag(), 1e-15);
    }
  }
  EXPECT_EQ(rays, 24);
  EXPECT_GE(circles, 8);
}

// The body's two sides leave the trailing-edge point at an angle that shrinks
// to nothing at t = 1 (a cusp, the doubled right angle of the circle), while
// before t = 1 they still meet in a straight, smooth line; dzeta/dz vanishes
// at z = +-cJ.
TEST(ConformalMap, TrailingEdgeIsACuspOnlyAtTheEnd) {
  const MorphedPass pass;
  const ConformalMorph& m = *pass.morph;
  const double Pi = 4.0 * std::atan(1.0);
  const Complex te(m.cJ(), 0.0);
  const auto sidesAngle = [&](double t, double d) {
    const Complex upper = m.centre() + std::polar(m.A(), m.trailingEdgeAngle() + d);
    const Complex lower = m.centre() + std::polar(m.A(), m.trailingEdgeAngle() - d);
    const Complex edge = Image(m, t, te);
    return AngleBetween(Image(m, t, upper) - edge, Image(m, t, lower) - edge);
  };
  double last = Pi, lastBefore = Pi;
  for (const double d : {1e-1, 1e-2, 1e-3, 1e-4}) {
    const double angle = sidesAngle(1.0, d);
    EXPECT_LT(angle, last);
    EXPECT_LT(angle, 5.0 * d);  // goes to 0 with the distance from the edge
    last = angle;
    const double before = Pi - sidesAngle(0.9, d);  // goes to a straight angle just before the end
    EXPECT_LT(before, lastBefore);
    lastBefore = before;
  }
  EXPECT_LT(last, 5e-4);
  EXPECT_LT(lastBefore, 5e-3);
  EXPECT_EQ(m.Local(1.0, m.cJ(), 0.0).stretch, 0.0);
  EXPECT_LT(m.Local(1.0, -m.cJ(), 0.0).stretch, 1e-15);
  EXPECT_LT(m.Local(0.49, 0.7 * m.cJ(), 0.0).stretch, 1e-15);  // +sqrt(t) cJ
  EXPECT_NEAR(m.Local(0.0, 0.3, 0.2).stretch, 1.0, 1e-15);
  EXPECT_TRUE(m.minusCJInside());
  // A profile not in the table is the flat plate: z = -cJ lies on its circle.
  EXPECT_FALSE(MorphedPass("0.99", "0", "5").morph->minusCJInside());
}

// t = 0 is the circle plot's plane point for point, t = 1 exactly the airfoil
// plot's map: the body and the streamlines end as the plots' arrays.
TEST(ConformalMap, EndsAreTheTwoPlots) {
  const MorphedPass pass;
  const ConformalMorph& m = *pass.morph;
  int curves = 0;
  for (const MapLine& line : m.Lines()) {
    if (line.kind == MapLineKind::kGrid) continue;
    ++curves;
    ASSERT_EQ(line.size(), pass.arrays->NP[line.k]) << "curve " << line.k;
    for (int j = 0; j < line.size(); ++j) {
      const auto [x0, y0] = m.At(line, j, 0.0);
      EXPECT_EQ(x0, line.zx[j]);
      EXPECT_EQ(y0, line.zy[j]);
      const auto [x1, y1] = m.At(line, j, 1.0);
      EXPECT_EQ(x1, pass.arrays->XP(line.k, j + 1));
      EXPECT_EQ(y1, pass.arrays->YP(line.k, j + 1));
    }
  }
  EXPECT_EQ(curves, pass.result.lastCurve + 1);
}

// The linked pointer: the counterpart of a point in the flow maps back onto
// it within 1e-12 and lies outside the circle; at t = 1 it is the flow's own
// inverse map's point; a point inside the body has none.
TEST(ConformalMap, LinkedPointerMapsBackOntoThePointer) {
  const MorphedPass pass;
  const ConformalMorph& m = *pass.morph;
  const FlowFieldModel field(pass.result.params, pass.result.circle);
  std::mt19937 random(25);
  std::uniform_real_distribution<double> x(-1.0, 1.0), y(-2.0 / 3.0, 2.0 / 3.0);
  for (const double t : {0.0, 0.37, 1.0}) {
    int linked = 0;
    for (int i = 0; i < 2000; ++i) {
      const double px = x(random), py = y(random);
      const LinkedPoint p = m.Link(t, px, py);
      const auto z = m.Inverse(t, px, py);
      ASSERT_EQ(p.inside, !z.has_value());
      if (p.inside) continue;
      ++linked;
      const Complex back = Image(m, t, Complex(p.zx, p.zy));
      EXPECT_NEAR(back.real(), px, 1e-12);
      EXPECT_NEAR(back.imag(), py, 1e-12);
      EXPECT_GE(std::abs(Complex(p.zx, p.zy) - m.centre()), m.A() * (1.0 - kOnBodyTolerance));
      const Complex whole = Image(m, 1.0, Complex(p.zx, p.zy));
      EXPECT_EQ(p.fx, whole.real());
      EXPECT_EQ(p.fy, whole.imag());
      if (t == 1.0) {
        const auto own = field.InverseMap(px, py);
        ASSERT_TRUE(own.has_value());
        EXPECT_NEAR(own->first, p.zx, 1e-12);
        EXPECT_NEAR(own->second, p.zy, 1e-12);
      }
    }
    EXPECT_GT(linked, 1500) << "t = " << t;
    // Half-way between the images of the body's top and bottom: inside.
    const double Pi = 4.0 * std::atan(1.0);
    const Complex top = Image(m, t, m.centre() + std::polar(m.A(), m.trailingEdgeAngle() + Pi / 2));
    const Complex bottom =
        Image(m, t, m.centre() + std::polar(m.A(), m.trailingEdgeAngle() - Pi / 2));
    const Complex middle = 0.5 * (top + bottom);
    EXPECT_TRUE(m.Link(t, middle.real(), middle.imag()).inside) << "t = " << t;
  }
}

}  // namespace
}  // namespace fluvenna
