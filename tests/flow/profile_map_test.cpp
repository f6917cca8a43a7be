// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one map every capability asks: the designed Joukowski map through the
// interface, and a NACA section's Theodorsen map carried through a whole pass
// and every capability.
#include "flow/profile_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <variant>

#include "committed_table.h"
#include "flow/boundary_layer.h"
#include "flow/conformal_map.h"
#include "flow/flow_field.h"
#include "flow/lift_curve.h"
#include "flow/mapping.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "flow/profile_source.h"
#include "flow/surface_pressure.h"
#include "flow/time_of_flight.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRoundTrip = 1e-10;        // inverse of the image against the point, relative
constexpr double kDerivative = 1e-6;        // against central differences, relative
constexpr double kPressureLift = 2e-3;      // C_L from the pressure against the circulation's
constexpr double kFieldSpeed = 1e-6;        // field speed against the surface speed, relative
constexpr double kContourOnProfile = 1e-4;  // mapped body against the profile's points, chords

ParameterTexts Texts(const char* alpha, const char* delta = "0.12", const char* gamma = "0.04") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.Alfa = alpha, t.iKutta = "1", t.dPsi = "0.1";
  t.Olcek = "1", t.kMax = "10";
  return t;
}

std::shared_ptr<const TheodorsenProfileMap> Naca(const char* code) {
  auto loaded = LoadProfile(ProfileSource::Naca(code));
  EXPECT_TRUE(std::holds_alternative<LoadedProfile>(loaded)) << code;
  if (!std::holds_alternative<LoadedProfile>(loaded)) return nullptr;
  return std::get<LoadedProfile>(loaded).map;
}

// Points outside the circle of a map: rings at 1.001 .. 4 radii.
std::vector<Complex> OutsidePoints(const ProfileMap& map) {
  std::vector<Complex> points;
  for (const double r : {1.001, 1.05, 1.5, 4.0}) {
    for (int j = 0; j < 24; ++j) {
      points.push_back(map.CircleCentre() +
                       std::polar(r * map.CircleRadius(), 2.0 * kPi * (j + 0.3) / 24));
    }
  }
  return points;
}

// Round trip and derivative, for any map.
void ExpectConsistent(const ProfileMap& map) {
  for (const Complex z : OutsidePoints(map)) {
    const auto zeta = map.Forward(z);
    ASSERT_TRUE(zeta) << z;
    const auto back = map.Inverse(*zeta);
    ASSERT_TRUE(back) << z;
    EXPECT_LE(std::abs(*back - z), kRoundTrip * std::abs(z) + 1e-13) << z;
    const double h = 1e-6 * map.CircleRadius();
    const Complex fd = (*map.Forward(z + h) - *map.Forward(z - h)) / (2.0 * h);
    EXPECT_LE(std::abs(fd - map.Derivative(z)), kDerivative * std::abs(fd) + 1e-9) << z;
  }
  // Far away the map is the identity: the stream keeps its speed and angle.
  const Complex far(1e4, 2e3);
  EXPECT_NEAR(std::abs(map.Derivative(far) - 1.0), 0.0, 1e-3);
  // The trailing-edge point is on the circle, maps to the trailing edge, and
  // is the first critical point.
  const Complex te = map.TrailingEdgeCirclePoint();
  EXPECT_NEAR(std::abs(te - map.CircleCentre()), map.CircleRadius(), 1e-12);
  EXPECT_LE(std::abs(*map.Forward(te) - map.TrailingEdge()), 1e-9);
  ASSERT_FALSE(map.CriticalPoints().empty());
  EXPECT_EQ(map.CriticalPoints().front().z, te);
  EXPECT_TRUE(map.CriticalPoints().front().onCircle);
}

TEST(ProfileMap, DesignedMapIsTheJoukowskiMapOfThePass) {
  auto arrays = std::make_unique<PointArrays>();
  const PassResult r = RunWholePass(Texts("8"), testing::CommittedTable(), *arrays);
  ASSERT_TRUE(r.ok());
  const auto map = MapOf(r.circle);
  ASSERT_TRUE(map->Joukowski());
  const auto j = *map->Joukowski();
  // cJ is the turned trailing-edge point, as the mapping stage re-reads it.
  auto again = std::make_unique<PointArrays>();
  RunCirclePlane(Texts("8"), testing::CommittedTable(), *again);
  EXPECT_EQ(j.cJ, again->XP(0, 1));
  for (const Complex z : OutsidePoints(*map)) {
    const auto image = MapPoint(z.real(), z.imag(), j.cJ, j.nC, j.nExp);
    EXPECT_EQ(map->Forward(z)->real(), image->first);
    EXPECT_EQ(map->Forward(z)->imag(), image->second);
  }
  ExpectConsistent(*map);
  // The designed trailing-edge speed q_TE = cJ |cos(AlfaBeta)| / A equals
  // the interface's general one, 2 |cos(AlfaBeta)| / (A |zeta''(cJ)|).
  EXPECT_NEAR(map->TrailingEdgeSpeed(r.circle.AlfaBeta),
              2.0 * std::fabs(std::cos(r.circle.AlfaBeta)) / (r.circle.A * 2.0 / j.cJ), 1e-12);
  // Both critical points +-cJ; -cJ lies inside the circle of a thick profile.
  ASSERT_EQ(map->CriticalPoints().size(), 2u);
  EXPECT_EQ(map->CriticalPoints()[1].z, Complex(-j.cJ, 0.0));
  EXPECT_FALSE(map->CriticalPoints()[1].onCircle);
}

TEST(ProfileMap, FlatPlateHasASecondSharpEdge) {
  auto arrays = std::make_unique<PointArrays>();
  // A delta the table does not hold: the flat plate, circle through +-cJ.
  const PassResult r = RunWholePass(Texts("5", "0.777", "0"), testing::CommittedTable(), *arrays);
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(MapOf(r.circle)->CriticalPoints()[1].onCircle);
}

TEST(ProfileMap, NacaSectionThroughEveryCapability) {
  const auto map = Naca("4412");
  ASSERT_TRUE(map);
  ExpectConsistent(*map);
  EXPECT_EQ(map->TrailingEdgeSpeed(0.1), 0.0);  // a finite trailing-edge angle: stagnation

  for (const char* alpha : {"0", "4", "8"}) {
    SCOPED_TRACE(alpha);
    auto arrays = std::make_unique<PointArrays>();
    // delta and gamma are not used with a profile map.
    PassResult r =
        RunWholePass(Texts(alpha, "0.3", "0.14"), testing::CommittedTable(), *arrays, map);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.circle.map, map);
    const double a = std::atof(alpha) * kPi / 180.0;
    // The circulation's C_L is the map's own.
    const double chord = 1.0;
    EXPECT_NEAR(LiftCoefficient(r.circle.Circ, 1.0, chord), map->theodorsen().LiftCoefficient(a),
                1e-12);
    // The mapped body lies on the profile: every image is near a contour point's segment.
    const ProfileMeasure measure = MeasureProfile(*map);
    EXPECT_NEAR(measure.chord, 1.0, 1e-6);
    EXPECT_NEAR(measure.thickness, 0.12, 2e-3);
    EXPECT_NEAR(measure.camber, 0.04, 2e-3);
    EXPECT_NEAR(measure.camberAt, 0.4, 0.02);
    for (int j = 1; j <= arrays->NP[0]; ++j) {
      const double x = arrays->XP(0, j), y = arrays->YP(0, j);
      EXPECT_GE(x, -kContourOnProfile);
      EXPECT_LE(x, 1.0 + kContourOnProfile);
      EXPECT_LE(std::fabs(y), 0.1);
    }
    // Surface pressure: its integral gives the circulation's lift.
    const SurfacePressure pressure = ComputeSurfacePressure(r.params, r.circle, measure);
    ASSERT_TRUE(pressure.CL);
    EXPECT_NEAR(*pressure.CL, LiftCoefficient(r.circle.Circ, 1.0, measure.chord), kPressureLift);
    // The field's speed at a surface point's image, found by the inverse
    // map, is the surface speed.
    const FlowFieldModel field(r.params, r.circle);
    for (std::size_t i = 10; i < pressure.points.size(); i += 37) {
      const SurfacePoint& s = pressure.points[i];
      const FieldPoint f = field.AtAirfoilPoint(s.x, s.y);
      ASSERT_NE(f.state, FieldState::kInsideBody) << i;
      EXPECT_NEAR(f.q, s.q, kFieldSpeed * (1.0 + s.q)) << i;
    }
    // A point inside the profile has no flow.
    EXPECT_EQ(field.AtAirfoilPoint(0.3, 0.05).state, FieldState::kInsideBody);
    // The boundary layer marches from the stagnation point on both surfaces.
    BoundaryLayerOptions options;
    options.reynolds = 3e6;
    const BoundaryLayer layer = ComputeBoundaryLayer(r.params, r.circle, measure, options);
    EXPECT_TRUE(layer.computed());
    ASSERT_TRUE(layer.cd);
    EXPECT_GT(*layer.cd, 0.004);
    EXPECT_LT(*layer.cd, 0.02);
  }
}

// The field of a NACA section sampled by cells agrees with the probe: Cp
// within a small part of the cells' spread, and no flow exactly where the
// probe finds the body.
TEST(ProfileMap, SampledFieldOfANacaSectionAgreesWithTheProbe) {
  const auto map = Naca("4412");
  ASSERT_TRUE(map);
  auto arrays = std::make_unique<PointArrays>();
  const PassResult r = RunWholePass(Texts("6"), testing::CommittedTable(), *arrays, map);
  ASSERT_TRUE(r.ok());
  const FlowFieldModel field(r.params, r.circle);
  PixelGrid grid;
  grid.left = -0.2, grid.right = 1.3, grid.top = 0.4, grid.bottom = -0.4;
  grid.width = 300, grid.height = 160;
  const std::vector<double> values =
      SampleField(field, FieldPlane::kAirfoil, FieldQuantity::kCp, grid);
  int inside = 0, compared = 0;
  for (int j = 0; j < grid.height; ++j) {
    for (int i = 0; i < grid.width; ++i) {
      const auto [x, y] = PixelCentre(grid, i, j);
      const FieldPoint f = field.AtAirfoilPoint(x, y);
      const double v = values[static_cast<std::size_t>(j) * grid.width + i];
      if (f.state == FieldState::kInsideBody) {
        ++inside;
        EXPECT_TRUE(std::isnan(v)) << x << ", " << y;
      } else if (f.state == FieldState::kFlow) {
        ++compared;
        EXPECT_NEAR(v, f.Cp, 0.01 * kFieldCellSpread / 0.05) << x << ", " << y;
      }
    }
  }
  EXPECT_GT(inside, 1000);
  EXPECT_GT(compared, 40000);
}

// Thin-airfoil theory's zero-lift angle of a 4-digit mean line in closed
// form: the integral of the two parabolas' slopes done exactly.
double FourDigitZeroLift(double m, double p) {
  // -(1/Pi) int dz/dx (cos t - 1) dt with dz/dx = 2 m / p^2 (p - x) before
  // t_p (x = p), 2 m / (1 - p)^2 (p - x) after, x = (1 - cos t) / 2.
  const double tp = std::acos(1.0 - 2.0 * p);
  auto part = [&](double a, double b, double k) {  // int k (p - x)(cos t - 1) dt
    auto F = [&](double t) {
      // (p - 1/2 + cos t / 2)(cos t - 1) = (p - 1/2) cos t - (p - 1/2) + cos^2 t / 2 - cos t / 2
      return (p - 0.5) * std::sin(t) - (p - 0.5) * t + 0.25 * (t + std::sin(t) * std::cos(t)) -
             0.5 * std::sin(t);
    };
    return k * (F(b) - F(a));
  };
  const double sum =
      part(0.0, tp, 2.0 * m / (p * p)) + part(tp, kPi, 2.0 * m / ((1 - p) * (1 - p)));
  return -sum / kPi;
}

TEST(ProfileMap, LiftCurveOfANacaSection) {
  // Thin-airfoil theory for NACA 2412 gives alpha_L0 = -2.08 degrees
  // (Abbott and von Doenhoff, section 4.3, with the 4-digit mean line); the
  // line midway between the thick section's surfaces lies within 2 % of it.
  const auto map = Naca("2412");
  ASSERT_TRUE(map);
  EXPECT_NEAR(ThinAirfoilZeroLift(*map) * 180.0 / kPi, -2.08, 0.045);
  // The line midway between the surfaces is not quite y_c: the thickness is
  // laid off across y_c, not upright; the two differ by about 2 % of alpha_0.
  const double a2412 = FourDigitZeroLift(0.02, 0.4), a4412 = FourDigitZeroLift(0.04, 0.4);
  EXPECT_NEAR(a2412 * 180.0 / kPi, -2.077, 0.001);
  EXPECT_NEAR(ThinAirfoilZeroLift(*map) / a2412, 1.0, 0.025);
  const auto cambered = Naca("4412");
  ASSERT_TRUE(cambered);
  EXPECT_NEAR(ThinAirfoilZeroLift(*cambered) / a4412, 1.0, 0.025);
  FlowParameters p = ReadParameters(Texts("4"), testing::CommittedTable());
  const LiftCurve curve = ComputeLiftCurve(p, 1.0, map);
  ASSERT_TRUE(curve.ok());
  ASSERT_TRUE(curve.passPoint);
  EXPECT_NEAR(curve.points[*curve.passPoint].cl, map->theodorsen().LiftCoefficient(4 * kPi / 180),
              1e-12);
  // The exact zero-lift angle lies near thin-airfoil theory's, a little
  // more negative for a thick section.
  ASSERT_TRUE(curve.zeroLiftDeg && curve.zeroLiftThinDeg);
  EXPECT_LT(*curve.zeroLiftDeg, -1.8);
  EXPECT_GT(*curve.zeroLiftDeg, -2.6);
  // Symmetric NACA 0012: no lift at zero angle, both lines through zero.
  const auto symmetric = Naca("0012");
  ASSERT_TRUE(symmetric);
  EXPECT_NEAR(ThinAirfoilZeroLift(*symmetric), 0.0, 1e-9);
  p.Alfa = 0.0;
  EXPECT_NEAR(LiftCoefficientAt(p, 1.0, 0.0, symmetric), 0.0, 1e-9);
}

TEST(ProfileMap, MorphOfANacaSectionIsTheStraightBlend) {
  const auto map = Naca("4412");
  ASSERT_TRUE(map);
  const ConformalMorph morph(map, 1.0);
  EXPECT_FALSE(morph.joukowski());
  ASSERT_EQ(morph.criticalPoints().size(), 1u);
  const Complex z = map->CircleCentre() + std::polar(1.3 * map->CircleRadius(), 2.0);
  for (const double t : {0.0, 0.4, 1.0}) {
    const auto w = morph.Morph(t, z.real(), z.imag());
    ASSERT_TRUE(w);
    const Complex expected = (1.0 - t) * z + t * *map->Forward(z);
    EXPECT_NEAR(w->first, expected.real(), 1e-14);
    EXPECT_NEAR(w->second, expected.imag(), 1e-14);
    const auto back = morph.Inverse(t, w->first, w->second);
    ASSERT_TRUE(back) << t;
    EXPECT_NEAR(back->first, z.real(), 1e-10) << t;
    EXPECT_NEAR(back->second, z.imag(), 1e-10) << t;
  }
}

}  // namespace
}  // namespace fluvenna
