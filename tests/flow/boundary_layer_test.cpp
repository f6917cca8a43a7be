// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The boundary layer against known solutions: Blasius' flat plate, the
// turbulent flat plate, the e^N transition of the flat plate, Howarth's
// retarded flow; and on Joukowski profiles against what the physics demands
// (symmetry, the movement of transition and separation with the angle of
// attack, drag falling with the Reynolds number), the surface speed of the
// pressure view, and the refusals. The standard atmosphere against its
// tables.
#include "flow/boundary_layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "committed_table.h"
#include "flow/atmosphere.h"
#include "flow/circle_model.h"
#include "flow/lift_curve.h"
#include "flow/profile_geometry.h"
#include "flow/surface_pressure.h"

namespace fluvenna {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBlasius = 0.664;           // theta sqrt(Re_x) / x
constexpr double kBlasiusTolerance = 0.015;  // Thwaites' 0.671 is 1 % off
constexpr double kTurbulentTolerance = 0.10;
constexpr double kHowarthSeparation = 0.1198;  // x / L, exact
constexpr double kHowarthTolerance = 0.006;    // Thwaites gives about 0.123
constexpr double kConvergence = 0.01;          // C_D, relative, 160 against 640 intervals

// A flat plate of length 1 in a stream of unit speed, n intervals.
std::vector<EdgeStation> Plate(
    int n, double (*speed)(double) = [](double) { return 1.0; }) {
  std::vector<EdgeStation> st(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double x = static_cast<double>(i) / n;
    st[i].s = st[i].x = st[i].xc = x;
    st[i].ue = speed(x);
  }
  return st;
}

MarchOptions PlateOptions(double nu) {
  MarchOptions o;
  o.nu = nu;
  o.fromStagnation = false;
  return o;
}

// The laminar flat plate: theta sqrt(Re_x) / x and c_f sqrt(Re_x) near
// Blasius' 0.664 all along, and N = 9 reached at Re_x of 2 to 3 million
// (the e^N envelope's classic result); a lower N_crit goes turbulent earlier.
TEST(BoundaryLayer, FlatPlateLaminarAndTransition) {
  const double nu = 1e-7;  // Re_L = 1e7
  const SurfaceBoundaryLayer plate = MarchSurface(Plate(2000), PlateOptions(nu));
  ASSERT_TRUE(plate.sTransition.has_value());
  for (const BoundaryLayerPoint& p : plate.points) {
    if (p.s <= 0.0 || p.regime != BoundaryLayerRegime::kLaminar) continue;
    const double rootRe = std::sqrt(p.s / nu);
    EXPECT_NEAR(p.theta * rootRe / p.s, kBlasius, kBlasius * kBlasiusTolerance) << p.s;
    EXPECT_NEAR(p.cf * rootRe, kBlasius, kBlasius * kBlasiusTolerance) << p.s;
    EXPECT_NEAR(p.H, 2.59, 0.03);
  }
  const double reTransition = *plate.sTransition / nu;
  EXPECT_GT(reTransition, 2e6);
  EXPECT_LT(reTransition, 3e6);
  EXPECT_EQ(plate.transitionCause, TransitionCause::kAmplification);
  EXPECT_NEAR(plate.points[1].xc, plate.points[1].s, 1e-15);

  MarchOptions early = PlateOptions(nu);
  early.nCrit = 4.0;
  const SurfaceBoundaryLayer noisy = MarchSurface(Plate(2000), early);
  ASSERT_TRUE(noisy.sTransition.has_value());
  EXPECT_LT(*noisy.sTransition, 0.8 * *plate.sTransition);
}

// The turbulent flat plate tripped near its leading edge: at Re_x = 1e7 the
// momentum thickness of the one-seventh power law, 0.036 x Re_x^-0.2, and
// its skin friction 0.0576 Re_x^-0.2; H near 1.3-1.4; the friction drag is
// the integral of c_f, 2 theta at the end for a flat plate (momentum).
TEST(BoundaryLayer, FlatPlateTurbulentFromATrip) {
  const double nu = 1e-7;
  MarchOptions o = PlateOptions(nu);
  o.tripAt = 0.01;
  const SurfaceBoundaryLayer plate = MarchSurface(Plate(1000), o);
  ASSERT_EQ(plate.transitionCause, TransitionCause::kTrip);
  EXPECT_NEAR(*plate.sTransition, 0.01, 1e-12);
  const BoundaryLayerPoint& end = plate.points.back();
  EXPECT_EQ(end.regime, BoundaryLayerRegime::kTurbulent);
  const double powerLaw = 0.036 * std::pow(1e7, -0.2);
  EXPECT_NEAR(end.theta, powerLaw, kTurbulentTolerance * powerLaw);
  const double friction = 0.0576 * std::pow(1e7, -0.2);
  EXPECT_NEAR(end.cf, friction, kTurbulentTolerance * friction);
  EXPECT_GT(end.H, 1.25);
  EXPECT_LT(end.H, 1.45);
  EXPECT_NEAR(plate.frictionDrag, 2.0 * end.theta, 0.02 * 2.0 * end.theta);
  EXPECT_FALSE(plate.xSeparation.has_value());
}

// Howarth's linearly retarded flow u_e = 1 - x / L separates laminar at
// x / L = 0.1198; at Re_L = 1e5 nothing amplifies first, so the layer goes
// into a bubble there.
TEST(BoundaryLayer, HowarthRetardedFlowSeparatesLaminar) {
  const SurfaceBoundaryLayer howarth =
      MarchSurface(Plate(4000, [](double x) { return 1.0 - x; }), PlateOptions(1e-5));
  ASSERT_TRUE(howarth.xLaminarSeparation.has_value());
  EXPECT_NEAR(*howarth.xLaminarSeparation, kHowarthSeparation, kHowarthTolerance);
  EXPECT_EQ(howarth.transitionCause, TransitionCause::kLaminarSeparation);
}

// ---- Joukowski profiles ----

struct Case {
  FlowParameters p;
  CircleModel c;
  ProfileMeasure profile;
};

Case Joukowski(const char* delta, const char* gamma, double alpha, const char* kutta = "1") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.iKutta = kutta;
  Case k;
  k.p = ReadParameters(t, testing::CommittedTable());
  k.p.Alfa = alpha;
  k.c = ComputeCircleModel(k.p);
  k.profile = MeasureProfile(k.p.Eps, k.p.Mu);
  return k;
}

BoundaryLayer LayerOf(const Case& k, double reynolds = 1e6, int intervals = 160) {
  BoundaryLayerOptions o;
  o.reynolds = reynolds;
  o.intervalsPerSurface = intervals;
  return ComputeBoundaryLayer(k.p, k.c, k.profile, o);
}

// A symmetric profile at zero incidence: both layers the same point by
// point, the upper mirrored in the chord; half the drag on each side.
TEST(BoundaryLayer, SymmetricProfileHasIdenticalSurfaces) {
  const BoundaryLayer bl = LayerOf(Joukowski("0.12", "0", 0.0));
  ASSERT_TRUE(bl.computed());
  ASSERT_EQ(bl.upper.points.size(), bl.lower.points.size());
  for (std::size_t i = 0; i < bl.upper.points.size(); ++i) {
    const BoundaryLayerPoint& u = bl.upper.points[i];
    const BoundaryLayerPoint& l = bl.lower.points[i];
    EXPECT_NEAR(u.s, l.s, 1e-12);
    EXPECT_NEAR(u.xc, l.xc, 1e-12);
    EXPECT_NEAR(u.y, -l.y, 1e-12);
    EXPECT_NEAR(u.theta, l.theta, 1e-9 * u.theta + 1e-15);
    EXPECT_NEAR(u.cf, l.cf, 1e-9 * std::fabs(u.cf) + 1e-15);
    EXPECT_EQ(u.regime, l.regime);
  }
  ASSERT_TRUE(bl.upper.xTransition && bl.lower.xTransition && bl.cd);
  EXPECT_NEAR(*bl.upper.xTransition, *bl.lower.xTransition, 1e-9);
  EXPECT_NEAR(bl.upper.squireYoung, 0.5 * *bl.cd, 1e-12);
}

// The march runs on the surface speed of the pressure view: its fastest
// point is the pressure view's lowest Cp, and the trailing edge has the
// same speed; every layer starts at rest at the stagnation point with
// Hiemenz's lambda = 0.075 (H = 2.36), and the result holds to 1 % when the
// stations are four times as many.
TEST(BoundaryLayer, MarchesOnTheSurfaceSpeedAndConverges) {
  for (double alpha : {0.0, 4.0, 8.0}) {
    const Case k = Joukowski("0.12", "0.04", alpha);
    const BoundaryLayer bl = LayerOf(k);
    ASSERT_TRUE(bl.computed());
    const SurfacePressure sp = ComputeSurfacePressure(k.p, k.c, k.profile);
    double fastest = 0.0;
    for (const SurfaceBoundaryLayer* s : {&bl.upper, &bl.lower}) {
      EXPECT_EQ(s->points.front().ue, 0.0);
      EXPECT_EQ(s->points.front().s, 0.0);
      EXPECT_NEAR(s->points.front().H, 2.358, 1e-3);
      EXPECT_NEAR(s->points.back().xc, 1.0, 1e-9);
      EXPECT_NEAR(s->ueTE, sp.points.front().q, 1e-12);
      for (const BoundaryLayerPoint& p : s->points) fastest = std::max(fastest, p.ue);
    }
    EXPECT_NEAR(fastest, std::sqrt(1.0 - sp.CpMin), 2e-3 * fastest);
    const BoundaryLayer fine = LayerOf(k, 1e6, 640);
    ASSERT_TRUE(bl.cd && fine.cd);
    EXPECT_NEAR(*bl.cd, *fine.cd, kConvergence * *fine.cd) << alpha;
  }
}

// As the angle of attack grows the upper layer goes turbulent and
// separates earlier, the lower one later; the drag grows.
TEST(BoundaryLayer, TransitionAndSeparationMoveWithTheAngle) {
  double upper = 2.0, lower = -1.0, cd = 0.0;
  for (double alpha : {0.0, 2.0, 4.0, 6.0}) {
    const BoundaryLayer bl = LayerOf(Joukowski("0.12", "0", alpha));
    ASSERT_TRUE(bl.upper.xTransition && bl.lower.xTransition && bl.cd) << alpha;
    EXPECT_LT(*bl.upper.xTransition, upper) << alpha;
    EXPECT_GT(*bl.lower.xTransition, lower) << alpha;
    EXPECT_GT(*bl.cd, cd) << alpha;
    upper = *bl.upper.xTransition, lower = *bl.lower.xTransition, cd = *bl.cd;
  }
  // Separation, upper surface forward as alpha grows, lower back (the
  // symmetric profile's lower surface at -alpha is its upper at alpha).
  double separation = 2.0;
  for (double alpha : {11.0, 12.0, 13.0, 14.0}) {
    const BoundaryLayer up = LayerOf(Joukowski("0.12", "0", alpha));
    const BoundaryLayer down = LayerOf(Joukowski("0.12", "0", -alpha));
    ASSERT_TRUE(up.upper.xSeparation && down.lower.xSeparation) << alpha;
    EXPECT_LT(*up.upper.xSeparation, separation) << alpha;
    EXPECT_NEAR(*down.lower.xSeparation, *up.upper.xSeparation, 1e-9);
    EXPECT_FALSE(up.lower.xSeparation.has_value());
    separation = *up.upper.xSeparation;
  }
}

// C_D falls as the Reynolds number grows, at small angles; friction is
// most of it.
TEST(BoundaryLayer, DragFallsAsTheReynoldsNumberGrows) {
  for (const char* gamma : {"0", "0.04"}) {
    for (double alpha : {0.0, 2.0}) {
      double previous = 1.0;
      for (double re : {1e5, 3e5, 1e6, 3e6, 1e7}) {
        const BoundaryLayer bl = LayerOf(Joukowski("0.12", gamma, alpha), re);
        ASSERT_EQ(bl.dragStatus, DragStatus::kPredicted) << gamma << ' ' << alpha << ' ' << re;
        EXPECT_LT(*bl.cd, previous) << gamma << ' ' << alpha << ' ' << re;
        EXPECT_GT(*bl.cdFriction, 0.5 * *bl.cd);
        EXPECT_NEAR(*bl.cdFriction + *bl.cdPressure, *bl.cd, 1e-15);
        previous = *bl.cd;
      }
    }
  }
}

// Not computed without the Kutta condition, for a sharp leading edge, or
// with a refused Re or N_crit; C_D not predicted when a surface separates
// ahead of 90 % of the chord, and the polar says the same at each angle.
TEST(BoundaryLayer, RefusesWhatItCannotPredict) {
  EXPECT_EQ(LayerOf(Joukowski("0.12", "0", 4.0, "0.8")).status,
            BoundaryLayerStatus::kNotComputedKutta);
  EXPECT_EQ(LayerOf(Joukowski("0.123", "0", 4.0)).status,  // no row: the flat plate
            BoundaryLayerStatus::kNotComputedNoProfile);
  for (double re : {kNaN, 999.0, 2e9, -1e6}) {
    EXPECT_EQ(LayerOf(Joukowski("0.12", "0", 4.0), re).status,
              BoundaryLayerStatus::kNotComputedBadInput);
  }
  const Case k = Joukowski("0.12", "0", 4.0);
  for (double n : {kNaN, 0.5, 21.0}) {
    BoundaryLayerOptions o;
    o.nCrit = n;
    EXPECT_EQ(ComputeBoundaryLayer(k.p, k.c, k.profile, o).status,
              BoundaryLayerStatus::kNotComputedBadInput);
  }
  EXPECT_TRUE(LayerOf(k).upper.points.size() > 0);
  EXPECT_TRUE(LayerOf(Joukowski("0.12", "0", 4.0), 1e3).computed());
  EXPECT_TRUE(LayerOf(Joukowski("0.12", "0", 4.0), 1e9).computed());

  const BoundaryLayer stalled = LayerOf(Joukowski("0.12", "0", 16.0));
  ASSERT_TRUE(stalled.computed());
  EXPECT_EQ(stalled.dragStatus, DragStatus::kSeparatesEarly);
  EXPECT_FALSE(stalled.cd.has_value());
  ASSERT_TRUE(stalled.earlySeparationXc.has_value());
  EXPECT_LT(*stalled.earlySeparationXc, kSeparationDragLimitXc);
  EXPECT_EQ(stalled.earlySeparationSide, SurfaceSide::kUpper);
  EXPECT_EQ(*stalled.earlySeparationXc, *stalled.upper.xSeparation);
}

// The polar is the boundary layer at each angle of the lift curve.
TEST(BoundaryLayer, PolarFollowsTheLiftCurve) {
  const Case k = Joukowski("0.12", "0.04", 0.0);
  const LiftCurve lift = ComputeLiftCurve(k.p, k.profile.chord);
  const Polar polar = ComputePolar(k.p, k.profile, lift);
  ASSERT_TRUE(polar.computed());
  ASSERT_EQ(polar.points.size(), lift.points.size());
  int predicted = 0;
  for (std::size_t i = 0; i < polar.points.size(); ++i) {
    const PolarPoint& pt = polar.points[i];
    EXPECT_EQ(pt.alphaDeg, lift.points[i].alpha_deg);
    EXPECT_EQ(pt.cl, lift.points[i].cl);
    const BoundaryLayer bl = LayerOf(Joukowski("0.12", "0.04", pt.alphaDeg));
    EXPECT_EQ(pt.cd, bl.cd);
    EXPECT_EQ(pt.xTransitionUpper, bl.upper.xTransition);
    EXPECT_EQ(pt.xSeparationUpper, bl.upper.xSeparation);
    predicted += pt.cd.has_value();
  }
  EXPECT_GT(predicted, 10);
  EXPECT_LT(predicted, static_cast<int>(polar.points.size()));
  EXPECT_FALSE(ComputePolar(Joukowski("0.12", "0", 0.0, "0.5").p, k.profile, lift).computed());
}

// A polar that borrows the points of an earlier one is the polar marched
// afresh, whether the earlier one can lend (a new angle of attack) or must
// not (another profile, Kutta factor or Re).
TEST(BoundaryLayer, PolarBorrowingFromAnEarlierOneIsTheFreshPolar) {
  const auto polarOf = [](const Case& k, double reynolds, const Polar* earlier) {
    BoundaryLayerOptions o;
    o.reynolds = reynolds;
    return ComputePolar(k.p, k.profile, ComputeLiftCurve(k.p, k.profile.chord), o, earlier);
  };
  const Polar earlier = polarOf(Joukowski("0.12", "0.04", 3.5), 1e6, nullptr);
  ASSERT_TRUE(earlier.computed());
  const Case later[] = {Joukowski("0.12", "0.04", 8.25), Joukowski("0.12", "0.04", 3.5),
                        Joukowski("0.15", "0.04", 3.5), Joukowski("0.12", "0.04", 3.5, "0.5")};
  for (const double reynolds : {1e6, 3e6}) {
    for (const Case& k : later) {
      SCOPED_TRACE(::testing::Message() << "Eps " << k.p.Eps << " alpha " << k.p.Alfa << " Kutta "
                                        << k.p.iKutta << " Re " << reynolds);
      const Polar fresh = polarOf(k, reynolds, nullptr);
      const Polar borrowed = polarOf(k, reynolds, &earlier);
      ASSERT_EQ(borrowed.status, fresh.status);
      ASSERT_EQ(borrowed.points.size(), fresh.points.size());
      for (std::size_t i = 0; i < fresh.points.size(); ++i) {
        const PolarPoint &a = borrowed.points[i], &b = fresh.points[i];
        EXPECT_EQ(a.alphaDeg, b.alphaDeg);
        EXPECT_EQ(a.cl, b.cl);
        EXPECT_EQ(a.dragStatus, b.dragStatus);
        EXPECT_EQ(a.cd, b.cd);
        EXPECT_EQ(a.cdFriction, b.cdFriction);
        EXPECT_EQ(a.xTransitionUpper, b.xTransitionUpper);
        EXPECT_EQ(a.xTransitionLower, b.xTransitionLower);
        EXPECT_EQ(a.xSeparationUpper, b.xSeparationUpper);
        EXPECT_EQ(a.xSeparationLower, b.xSeparationLower);
      }
    }
  }
}

// ---- Atmosphere and wing ----

// The standard atmosphere's tabled values at sea level and at 11 km, and a
// wing's Re, lift and drag per metre of span.
TEST(Atmosphere, StandardValuesAndAWing) {
  const Atmosphere sea = IsaAtmosphere(0.0);
  EXPECT_NEAR(sea.density, 1.225, 5e-4);
  EXPECT_NEAR(sea.viscosity, 1.789e-5, 1e-8);
  EXPECT_NEAR(sea.temperature, 288.15, 1e-12);
  const Atmosphere top = IsaAtmosphere(11000.0);
  EXPECT_NEAR(top.density, 0.3639, 5e-4);
  EXPECT_NEAR(top.viscosity, 1.422e-5, 1e-8);
  EXPECT_NEAR(top.pressure, 22632.0, 5.0);

  const Wing wing{50.0, 1.5, 0.0};
  ASSERT_EQ(CheckWing(wing), WingFault::kNone);
  const auto flow = FlowOfWing(wing);
  ASSERT_TRUE(flow.has_value());
  EXPECT_NEAR(flow->reynolds, 1.225 * 50.0 * 1.5 / 1.789e-5, 0.001 * flow->reynolds);
  EXPECT_NEAR(flow->PerSpan(0.5), 0.5 * sea.density * 50.0 * 50.0 * 1.5 * 0.5, 1e-9);

  EXPECT_EQ(CheckWing({-1.0, 1.0, 0.0}), WingFault::kSpeedNotUsable);
  EXPECT_EQ(CheckWing({kNaN, 1.0, 0.0}), WingFault::kSpeedNotUsable);
  EXPECT_EQ(CheckWing({50.0, 0.0, 0.0}), WingFault::kChordNotUsable);
  EXPECT_EQ(CheckWing({50.0, kNaN, 0.0}), WingFault::kChordNotUsable);
  EXPECT_EQ(CheckWing({50.0, 1.0, -1.0}), WingFault::kAltitudeNotUsable);
  EXPECT_EQ(CheckWing({50.0, 1.0, 11001.0}), WingFault::kAltitudeNotUsable);
  EXPECT_EQ(CheckWing({0.0, 1.0, 0.0}), WingFault::kReynoldsOutOfRange);
  EXPECT_EQ(CheckWing({1e6, 1e3, 0.0}), WingFault::kReynoldsOutOfRange);
  EXPECT_FALSE(FlowOfWing({-1.0, 1.0, 0.0}).has_value());
  EXPECT_EQ(CheckReynolds(kNaN), ReynoldsFault::kNotFinite);
  EXPECT_EQ(CheckReynolds(1e10), ReynoldsFault::kOutOfRange);
  EXPECT_EQ(CheckReynolds(1e3), ReynoldsFault::kNone);
}

}  // namespace
}  // namespace fluvenna
