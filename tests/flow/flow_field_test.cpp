// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The flow at any point, checked against what the pass itself computes (the
// traced streamlines, the surface speed, the map) and against what a
// potential flow must be (velocity = gradient, uniform far away).
#include "flow/flow_field.h"

#include <gtest/gtest.h>

#include "committed_table.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "flow/mapping.h"
#include "flow/pass.h"
#include "flow/profile_table.h"
#include "flow/surface_pressure.h"

namespace fluvenna {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTracedLevel = 1e-6;   // psi at a traced point against PSI(k)
constexpr double kCloseChord = 0.02;    // neighbours this close are checked for tangency
constexpr double kMovingSpeed = 0.05;   // ... where the flow is not near a stagnation point
constexpr double kTangent = 0.05;       // sine of the angle between velocity and chord (3 degrees)
constexpr double kSurfaceSpeed = 1e-7;  // against the surface-pressure speed, relative
constexpr double kRoundTrip = 1e-12;    // map of the inverse against the point, relative
constexpr double kJoukowskiRoundTrip = 4e-15;  // ... with zeta = z + cJ^2 / z
constexpr double kGradientStep = 1e-6;         // central differences of psi and phi
constexpr double kGradient = 1e-6;             // ... against the velocity, relative to the speed
constexpr double kSpeedIdentity = 1e-12;       // q against |(u, v)|, relative

const ProfileTable& Table() {
  return testing::CommittedTable();
}

ParameterTexts Texts(const char* delta, const char* gamma, const char* alpha, const char* kutta,
                     const char* dpsi = "0.1", const char* scale = "1") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.Alfa = alpha, t.iKutta = kutta, t.dPsi = dpsi;
  t.Olcek = scale, t.kMax = "10";
  return t;
}

// A dozen passes over the scroll bars' range: thin and thick, symmetric and
// cambered, negative and steep angles, Kutta factors 1, 0.5 and 0, and the
// flat plate of a profile the table does not hold.
std::vector<ParameterTexts> Passes() {
  return {Texts("0.01", "0", "0", "1"),
          Texts("0.12", "0.04", "8", "1"),
          Texts("0.3", "0.14", "30", "1", "0.2"),
          Texts("0.3", "0", "-10", "1"),
          Texts("0.05", "0.1", "0", "0.5"),
          Texts("0.2", "0.07", "15", "0"),
          Texts("0.08", "0.02", "-5", "1", "0.05"),
          Texts("0.15", "0.12", "20", "0.5", "0.1", "2"),
          Texts("0.25", "0.05", "3", "1", "0.1", "3"),
          Texts("0.02", "0.06", "12", "0"),
          Texts("0.1", "0", "25", "1"),
          Texts("0.105", "0", "10", "1")};
}

std::string Describe(const ParameterTexts& t) {
  return "delta " + t.DELTA + ", gamma " + t.GAMA + ", alpha " + t.Alfa + ", Kutta " + t.iKutta;
}

// Every traced point of curves 0..lastCurve carries the level of its curve,
// and the velocity follows the curve between close neighbours.
void ExpectCurvesFollowTheField(const FlowFieldModel& model, FieldPlane plane,
                                const PassResult& pass, const PointArrays& a,
                                const std::string& where) {
  for (int k = 0; k <= pass.lastCurve; ++k) {
    FieldPoint previous;
    for (int j = 1; j <= a.NP[k]; ++j) {
      const double x = a.XP(k, j), y = a.YP(k, j);
      const FieldPoint f = model.At(plane, x, y);
      ASSERT_NE(f.state, FieldState::kInsideBody) << where << ", curve " << k << " point " << j;
      ASSERT_NEAR(f.psi, a.PSI[k], kTracedLevel) << where << ", curve " << k << " point " << j;
      if (j > 1 && f.state == FieldState::kFlow && previous.state == FieldState::kFlow &&
          f.q > kMovingSpeed && previous.q > kMovingSpeed) {
        const double cx = x - a.XP(k, j - 1), cy = y - a.YP(k, j - 1);
        const double chord = std::hypot(cx, cy);
        const double vx = f.u + previous.u, vy = f.v + previous.v;
        if (chord < kCloseChord && chord > 0.0) {
          const double sine = std::fabs(vx * cy - vy * cx) / (chord * std::hypot(vx, vy));
          ASSERT_LT(sine, kTangent) << where << ", curve " << k << " point " << j;
        }
      }
      previous = f;
    }
  }
}

// Psi equals PSI(k) at every point of every traced curve, in the circle plane
// (the points before the map) and in the airfoil plane (after it, carried
// back by the inverse map), and the velocity is tangent to the curves.
TEST(FlowField, TracedStreamlinesAreLevelLinesOfPsiAndFollowTheVelocity) {
  for (const ParameterTexts& texts : Passes()) {
    auto arrays = std::make_unique<PointArrays>();
    PassResult pass = RunCirclePlane(texts, Table(), *arrays);
    ASSERT_TRUE(pass.ok()) << Describe(texts);
    const FlowFieldModel model(pass.params, pass.circle);
    ExpectCurvesFollowTheField(model, FieldPlane::kCircle, pass, *arrays,
                               Describe(texts) + ", circle plane");
    RunAirfoilPlane(pass, *arrays);
    ExpectCurvesFollowTheField(model, FieldPlane::kAirfoil, pass, *arrays,
                               Describe(texts) + ", airfoil plane");
  }
}

// The velocity is the gradient of phi and the rotated gradient of psi
// (u = dpsi/dy, v = -dpsi/dx), by central differences, on a grid of points
// in the flow of both planes; q is |(u, v)| and Cp = 1 - q^2.
TEST(FlowField, VelocityIsTheGradientOfPhiAndTheCurlOfPsi) {
  for (const ParameterTexts& texts : Passes()) {
    const FlowParameters p = ReadParameters(texts, Table());
    const CircleModel c = ComputeCircleModel(p);
    const FlowFieldModel model(p, c);
    const double h = kGradientStep;
    for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
      int checked = 0, straddling = 0;
      // The grid is offset from round numbers: the cut of phi of a symmetric
      // profile with the Kutta factor 1 lies on y = 0.
      for (double x = -1.4987; x <= 1.5; x += 0.0625) {
        for (double y = -0.9923; y <= 1.0; y += 0.0625) {
          const FieldPoint f = model.At(plane, x, y);
          if (f.state != FieldState::kFlow) continue;
          const FieldPoint e = model.At(plane, x + h, y), wst = model.At(plane, x - h, y);
          const FieldPoint n = model.At(plane, x, y + h), s = model.At(plane, x, y - h);
          const double scale = std::max(f.q, 1.0);
          const std::string where = Describe(texts) +
                                    (plane == FieldPlane::kCircle ? ", circle" : ", airfoil") +
                                    " at " + std::to_string(x) + ", " + std::to_string(y);
          ASSERT_NEAR((n.psi - s.psi) / (2 * h), f.u, kGradient * scale) << where;
          ASSERT_NEAR(-(e.psi - wst.psi) / (2 * h), f.v, kGradient * scale) << where;
          // phi jumps by 2 Pi Gm across its cut; a difference that straddles it is skipped.
          const double jump = 2 * kPi * std::fabs(c.Gm);
          const double dx = (e.phi - wst.phi) / (2 * h), dy = (n.phi - s.phi) / (2 * h);
          if (std::fabs(dx - f.u) * 2 * h > 0.5 * jump && jump > 0.0) {
            ++straddling;
          } else {
            ASSERT_NEAR(dx, f.u, kGradient * scale) << where;
          }
          if (std::fabs(dy - f.v) * 2 * h > 0.5 * jump && jump > 0.0) {
            ++straddling;
          } else {
            ASSERT_NEAR(dy, f.v, kGradient * scale) << where;
          }
          ASSERT_NEAR(f.q, std::hypot(f.u, f.v), kSpeedIdentity * scale) << where;
          ASSERT_NEAR(f.Cp, 1.0 - f.q * f.q, kSpeedIdentity * scale * scale) << where;
          ++checked;
        }
      }
      EXPECT_GT(checked, 1000) << Describe(texts);
      EXPECT_LE(straddling, 2) << Describe(texts);  // only a stencil across the cut
    }
  }
}

struct Flow {
  std::string name;
  FlowParameters p;
  CircleModel c;
};

// A flow of given circle offsets, as a pass would make it.
Flow FromOffsets(const std::string& name, double Eps, double Mu, double Alfa, double iKutta) {
  Flow f{name, ReadParameters(ParameterTexts{}, ProfileTable{}), {}};
  f.p.Eps = Eps, f.p.Mu = Mu, f.p.Alfa = Alfa, f.p.iKutta = iKutta;
  f.c = ComputeCircleModel(f.p);
  return f;
}

// Thick and thin, symmetric and cambered, the flat plate and the circular
// arc (both with the circle through -cJ), Kutta factors 1, 0.5, 0 and 1.5
// (no stagnation point on the circle).
std::vector<Flow> Flows() {
  return {FromOffsets("Eps 0.1, Mu 0.05, alpha 10", 0.1, 0.05, 10.0, 1.0),
          FromOffsets("Eps 0.25, Mu 0, alpha -10", 0.25, 0.0, -10.0, 1.0),
          FromOffsets("Eps 0.02, Mu 0.12, alpha 20, Kutta 0.5", 0.02, 0.12, 20.0, 0.5),
          FromOffsets("Eps 0.15, Mu 0.08, alpha 5, Kutta 0", 0.15, 0.08, 5.0, 0.0),
          FromOffsets("flat plate, alpha 8", 0.0, 0.0, 8.0, 1.0),
          FromOffsets("circular arc, alpha 4, Kutta 0.5", 0.0, 0.1, 4.0, 0.5),
          FromOffsets("Eps 0.1, Mu 0.05, alpha 30, Kutta 1.5", 0.1, 0.05, 30.0, 1.5)};
}

// On the body the speed is the surface speed of the pressure picture; far
// upstream the flow is the free stream, q -> U0 and Cp -> 0, within the
// doublet's A^2 / R^2 and the vortex's |Gm| / R.
TEST(FlowField, SpeedIsTheSurfaceSpeedOnTheBodyAndTheStreamFarAway) {
  for (const Flow& f : Flows()) {
    const FlowFieldModel model(f.p, f.c);
    if (f.p.iKutta <= 1.0) {
      const SurfacePressure surface = ComputeSurfacePressure(f.p, f.c);
      ASSERT_GT(surface.points.size(), 300u) << f.name;
      for (const SurfacePoint& s : surface.points) {
        const std::string where = f.name + ", theta " + std::to_string(s.theta);
        // The speed of the circle point, carried to the airfoil.
        const auto [zx, zy] =
            TurnAndShiftPoint(f.c, f.c.A * std::cos(s.theta), f.c.A * std::sin(s.theta));
        ASSERT_NEAR(std::sqrt(model.SpeedSquared(FieldPlane::kAirfoil, zx, zy)), s.q,
                    kSurfaceSpeed * std::max(1.0, s.q))
            << where;
        // The probe at the airfoil point; a profile without thickness
        // (Eps = 0) has both its surfaces at the same points, and the probe
        // may take either.
        const FieldPoint probe = model.AtAirfoilPoint(s.x, s.y);
        ASSERT_EQ(probe.state, FieldState::kOnBody) << where;
        if (f.p.Eps > 0.0) {
          ASSERT_NEAR(probe.q, s.q, kSurfaceSpeed * std::max(1.0, s.q)) << where;
        }
      }
    }
    for (const double R : {1e2, 1e4, 1e6, 1e60}) {
      const double bound = 1.01 * (f.c.A * f.c.A / (R * R) + std::fabs(f.c.Gm) / R) + 1e-15;
      // Upstream of the centre, against the stream.
      const double x = f.c.xc - R * f.c.CosAlfa, y = f.c.yc - R * f.c.SinAlfa;
      for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
        const FieldPoint probe = model.At(plane, x, y);
        ASSERT_EQ(probe.state, FieldState::kFlow) << f.name << ", R " << R;
        EXPECT_NEAR(probe.q, 1.0, bound) << f.name << ", R " << R;
        EXPECT_NEAR(probe.Cp, 0.0, 2.01 * bound) << f.name << ", R " << R;
        EXPECT_NEAR(probe.u, f.c.CosAlfa, bound) << f.name << ", R " << R;
        EXPECT_NEAR(probe.v, f.c.SinAlfa, bound) << f.name << ", R " << R;
      }
    }
  }
}

// Crossing number of (x, y) with the closed polygon, and its distance from it.
struct Box {
  double left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
};
bool InsidePolygon(const std::vector<std::pair<double, double>>& polygon, const Box& box, double x,
                   double y, double& distance) {
  distance = std::max({box.left - x, x - box.right, box.bottom - y, y - box.top});
  if (distance > 0.0) return false;  // a lower bound is enough out there
  bool inside = false;
  distance = INFINITY;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const auto [xi, yi] = polygon[i];
    const auto [xj, yj] = polygon[j];
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    const double dx = xj - xi, dy = yj - yi, len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0.0 ? std::clamp(((x - xi) * dx + (y - yi) * dy) / len2, 0.0, 1.0) : 0.0;
    const double ex = x - (xi + t * dx), ey = y - (yi + t * dy);
    distance = std::min(distance, ex * ex + ey * ey);
  }
  distance = std::sqrt(distance);
  return inside;
}

// The inverse map gives a point of the circle plane whose image is the
// airfoil point (MapPoint, as the pass maps) and which lies on or outside the
// circle, for every point outside the airfoil, also beside the slit
// -2cJ..2cJ (where a principal square root would change its sign) and
// beside the trailing edge; for points inside the airfoil (by the drawn
// contour) it gives none. And a circle point outside the circle comes back
// from its image.
TEST(FlowField, InverseMapIsTheOutsideRootOfTheMap) {
  for (const Flow& f : Flows()) {
    const FlowFieldModel model(f.p, f.c);
    const double cJ = model.cJ();
    std::vector<std::pair<double, double>> contour;
    constexpr int kContour = 4000;
    for (int i = 0; i < kContour; ++i) {
      const double theta = 2 * kPi * i / kContour;
      const auto z = TurnAndShiftPoint(f.c, f.c.A * std::cos(theta), f.c.A * std::sin(theta));
      contour.push_back(*MapPoint(z.first, z.second, cJ, f.c.nC, 2));
    }
    Box box;
    for (const auto& [x, y] : contour) {
      box.left = std::min(box.left, x), box.right = std::max(box.right, x);
      box.bottom = std::min(box.bottom, y), box.top = std::max(box.top, y);
    }
    std::vector<std::pair<double, double>> points;
    for (double xi = -1.0; xi <= 1.0; xi += 0.025) {
      for (double eta = -0.6; eta <= 0.6; eta += 0.025) points.emplace_back(xi, eta);
      for (const double eta : {0.0, 1e-12, -1e-12, 1e-9, -1e-9, 1e-6, -1e-6}) {
        points.emplace_back(xi, eta);
      }
    }
    for (const double rho : {1e-12, 1e-9, 1e-6, 1e-3}) {
      for (int k = 0; k < 16; ++k) {
        points.emplace_back(2 * cJ + rho * std::cos(k * kPi / 8), rho * std::sin(k * kPi / 8));
      }
    }
    for (const double R : {10.0, 1e3, 1e5}) {  // far out, where the small root is all rounding
      for (int k = 0; k < 16; ++k)
        points.emplace_back(R * std::cos(k * 0.4), R * std::sin(k * 0.4));
    }
    int inside = 0, outside = 0;
    for (const auto& [xi, eta] : points) {
      const auto z = model.InverseMap(xi, eta);
      const std::string where = f.name + " at " + std::to_string(xi) + ", " + std::to_string(eta);
      if (z) {
        ASSERT_GE(std::hypot(z->first - f.c.xc, z->second - f.c.yc),
                  f.c.A * (1.0 - kOnBodyTolerance))
            << where;
        // The Joukowski form everywhere, and the pass's own map over the
        // plots (its real arithmetic loses digits as (|zeta| / cJ)^2 far out).
        const std::complex<double> zc(z->first, z->second), zeta(xi, eta);
        const double size = std::max(std::abs(zeta), cJ);
        ASSERT_LE(std::abs(zc + cJ * cJ / zc - zeta), kJoukowskiRoundTrip * size) << where;
        if (size <= 10.0) {
          const auto image = MapPoint(z->first, z->second, cJ, f.c.nC, 2);
          ASSERT_TRUE(image) << where;
          ASSERT_NEAR(image->first, xi, kRoundTrip * size) << where;
          ASSERT_NEAR(image->second, eta, kRoundTrip * size) << where;
        }
      }
      double distance = 0.0;
      const bool in = InsidePolygon(contour, box, xi, eta, distance);
      if (distance > 1e-3) {
        ASSERT_EQ(z.has_value(), !in) << where;
        ++(in ? inside : outside);
      }
    }
    EXPECT_GT(outside, 3000) << f.name;
    if (f.p.Eps > 0.0) {
      EXPECT_GT(inside, 20) << f.name;
    }

    for (double r = f.c.A * (1.0 + 1e-6); r < 20.0 * f.c.A; r *= 1.1) {
      for (int k = 0; k < 360; ++k) {
        const auto z =
            TurnAndShiftPoint(f.c, r * std::cos(k * kPi / 180), r * std::sin(k * kPi / 180));
        const auto image = MapPoint(z.first, z.second, cJ, f.c.nC, 2);
        ASSERT_TRUE(image);
        const auto back = model.InverseMap(image->first, image->second);
        ASSERT_TRUE(back) << f.name;
        // The inverse is as well conditioned as the map's derivative allows.
        const std::complex<double> zc(z.first, z.second);
        const double derivative = std::abs(1.0 - cJ * cJ / (zc * zc));
        const double tolerance =
            kRoundTrip * std::max(std::abs(zc), cJ) / std::min(derivative, 1.0);
        ASSERT_NEAR(back->first, z.first, tolerance) << f.name << ", r " << r << ", " << k;
        ASSERT_NEAR(back->second, z.second, tolerance) << f.name << ", r " << r << ", " << k;
      }
    }
  }
}

// The trailing edge: with the Kutta factor 1 a point of the body with the
// finite limit of the surface pressure, approached from the flow; with any
// other factor a singular point, where the speed grows without bound. No
// result in the flow or on the body has a number that is not finite, and the
// sampled field is the probe's at every pixel centre, NaN exactly where the
// probe finds no flow.
TEST(FlowField, TrailingEdgeHasItsLimitOnlyWithTheKuttaFactorOneAndNothingIsNaN) {
  for (const Flow& f : Flows()) {
    const FlowFieldModel model(f.p, f.c);
    const double cJ = model.cJ();
    const FieldPoint edge = model.AtAirfoilPoint(2 * cJ, 0.0);
    EXPECT_TRUE(std::isfinite(edge.psi) && std::isfinite(edge.phi)) << f.name;
    EXPECT_NEAR(edge.psi, 0.0, 1e-12) << f.name;
    // Downstream of the edge, closer and closer.
    std::vector<double> speeds;
    for (const double rho : {1e-2, 1e-4, 1e-6, 1e-8, 1e-10}) {
      const FieldPoint near = model.AtAirfoilPoint(2 * cJ + rho, 0.0);
      ASSERT_EQ(near.state, FieldState::kFlow) << f.name << ", " << rho;
      speeds.push_back(near.q);
    }
    if (f.p.iKutta == 1.0) {
      const SurfacePressure surface = ComputeSurfacePressure(f.p, f.c);
      ASSERT_TRUE(surface.trailingEdgeKept);
      ASSERT_EQ(edge.state, FieldState::kOnBody) << f.name;
      EXPECT_NEAR(edge.q, surface.points.front().q, 1e-12) << f.name;
      EXPECT_NEAR(edge.q, model.trailingEdgeSpeed(), 1e-12) << f.name;
      EXPECT_NEAR(speeds.back(), edge.q, 1e-4) << f.name;
    } else {
      EXPECT_EQ(edge.state, FieldState::kSingular) << f.name;
      EXPECT_EQ(edge.q, 0.0);
      EXPECT_EQ(edge.Cp, 0.0);
      EXPECT_GT(speeds.back(), 1e3 * speeds.front()) << f.name;
    }

    PixelGrid grid{-1.2, 0.8, 1.2, -0.8, 240, 160};
    for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
      for (const FieldQuantity quantity : {FieldQuantity::kCp, FieldQuantity::kSpeed}) {
        const std::vector<double> values = SampleField(model, plane, quantity, grid);
        ASSERT_EQ(values.size(), 240u * 160u);
        for (int j = 0; j < grid.height; ++j) {
          for (int i = 0; i < grid.width; ++i) {
            const auto [x, y] = PixelCentre(grid, i, j);
            const FieldPoint probe = model.At(plane, x, y);
            const double value = values[static_cast<std::size_t>(j) * 240 + i];
            if (probe.state == FieldState::kFlow || probe.state == FieldState::kOnBody) {
              ASSERT_EQ(value, quantity == FieldQuantity::kCp ? probe.Cp : probe.q) << f.name;
            } else {
              ASSERT_TRUE(std::isnan(value)) << f.name;
            }
          }
        }
      }
    }

    // Points of every kind: a grid, the singular points of the map and their
    // images, the centre, the origin, the slit.
    std::vector<std::pair<double, double>> points = {
        {0.0, 0.0},     {cJ, 0.0},        {-cJ, 0.0},       {2 * cJ, 0.0},
        {-2 * cJ, 0.0}, {f.c.xc, f.c.yc}, {2 * cJ, 1e-300}, {-2 * cJ, -1e-300},
        {NAN, 0.0},     {0.0, INFINITY},  {1e300, -1e300}};
    for (double x = -1.0; x <= 1.0; x += 1.0 / 64) {
      for (double y = -0.5; y <= 0.5; y += 1.0 / 64) points.emplace_back(x, y);
    }
    for (const auto& [x, y] : points) {
      for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
        const FieldPoint r = model.At(plane, x, y);
        const double numbers[] = {r.u, r.v, r.q, r.Cp, r.psi, r.phi, r.zx, r.zy};
        for (const double n : numbers) {
          ASSERT_TRUE(std::isfinite(n))
              << f.name << " at " << x << ", " << y << ": " << FieldStateName(r.state);
        }
        if (r.state == FieldState::kSingular || r.state == FieldState::kInsideBody) {
          ASSERT_EQ(r.q, 0.0);
          ASSERT_EQ(r.u, 0.0);
          ASSERT_EQ(r.v, 0.0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace fluvenna
