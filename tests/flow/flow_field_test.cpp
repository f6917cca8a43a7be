// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The flow at any point, checked against what the pass itself computes (the
// traced streamlines, the surface speed, the map) and against what a
// potential flow must be (velocity = gradient, uniform far away).
#include "flow/flow_field.h"

#include <gtest/gtest.h>

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
constexpr double kGradientStep = 1e-6;  // central differences of psi and phi
constexpr double kGradient = 1e-6;      // ... against the velocity, relative to the speed
constexpr double kSpeedIdentity = 1e-12;  // q against |(u, v)|, relative

const std::string kTablePath = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;

const ProfileTable& Table() {
  static const std::unique_ptr<ProfileTable> table = [] {
    auto t = std::make_unique<ProfileTable>();
    EXPECT_FALSE(LoadProfileTableFile(*t, kTablePath).has_value());
    return t;
  }();
  return *table;
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

}  // namespace
}  // namespace fluvenna
