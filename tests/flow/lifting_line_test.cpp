// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lifting_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace fluvenna {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;
const WingSection kThin{2.0 * kPi, 0.0};

FiniteWingShape Shape(double AR, Planform planform, double taper = 1.0, double washout = 0.0) {
  return FiniteWingShape{AR, planform, taper, washout};
}

// Prandtl's classic result: the elliptic loading has the least induced drag,
// C_Di = C_L^2 / (pi AR), a constant downwash, and the lift slope
// a0 / (1 + a0 / (pi AR)) (Anderson, Fundamentals of Aerodynamics, eq. 5.69).
TEST(LiftingLine, EllipticWingIsPrandtlsMinimum) {
  for (const double AR : {1.0, 4.0, 8.0, 30.0}) {
    for (const WingSection section : {kThin, WingSection{5.9, -0.04}}) {
      const LiftingLineSolution s = SolveLiftingLine(Shape(AR, Planform::kElliptic), section);
      ASSERT_TRUE(s.ok());
      const WingState w = WingAt(s, 6.0 * kDeg);
      EXPECT_NEAR(w.CDi, w.CL * w.CL / (kPi * AR), 1e-12);
      ASSERT_TRUE(w.e && w.delta);
      EXPECT_NEAR(*w.e, 1.0, 1e-12);
      EXPECT_NEAR(*w.delta, 0.0, 1e-12);
      const double a0 = section.liftSlope;
      EXPECT_NEAR(WingLiftSlope(s), a0 / (1.0 + a0 / (kPi * AR)), 1e-12);
      EXPECT_NEAR(w.CL, WingLiftSlope(s) * (6.0 * kDeg - section.zeroLiftAngle), 1e-12);
      // alpha_i = C_L / (pi AR) everywhere, tips included; c_l is uniform too.
      for (const WingStation& st : WingStations(s, w)) {
        EXPECT_NEAR(st.alphaInduced, w.CL / (kPi * AR), 1e-10) << st.eta;
        EXPECT_NEAR(st.cl, w.CL, 1e-9) << st.eta;
      }
    }
  }
}

// Doubling the default number of terms changes C_L and C_Di by less than
// 1e-6 at the corners of the ranges, pointed tips and strong twist included;
// and collocation with many terms tends to the same solution.
TEST(LiftingLine, ConvergesInTheNumberOfTerms) {
  const WingSection section{0.95 * 2.0 * kPi, -3.0 * kDeg};
  for (const Planform planform :
       {Planform::kRectangular, Planform::kTapered, Planform::kElliptic}) {
    for (const double AR : {1.0, 4.0, 30.0}) {
      for (const double taper : {0.0, 0.2, 1.0}) {
        for (const double washout : {-10.0, 0.0, 10.0}) {
          const FiniteWingShape shape = Shape(AR, planform, taper, washout);
          const LiftingLineSolution a = SolveLiftingLine(shape, section);
          const LiftingLineSolution b = SolveLiftingLine(shape, section, 2 * kDefaultWingTerms);
          ASSERT_TRUE(a.ok() && b.ok());
          for (const double alphaDeg : {-13.0, -3.0, 7.0, 27.0}) {
            const WingState wa = WingAt(a, alphaDeg * kDeg), wb = WingAt(b, alphaDeg * kDeg);
            EXPECT_NEAR(wa.CL, wb.CL, 1e-6) << PlanformName(planform) << AR << " " << taper;
            EXPECT_NEAR(wa.CDi, wb.CDi, 1e-6) << PlanformName(planform) << AR << " " << taper;
          }
        }
      }
    }
  }
  const FiniteWingShape twisted = Shape(6.0, Planform::kTapered, 0.3, 3.0);
  const WingState galerkin = WingAt(SolveLiftingLine(twisted, kThin), 6.0 * kDeg);
  const WingState coarse =
      WingAt(SolveLiftingLine(twisted, kThin, 16, LiftingLineMethod::kCollocation), 6.0 * kDeg);
  const WingState fine =
      WingAt(SolveLiftingLine(twisted, kThin, 512, LiftingLineMethod::kCollocation), 6.0 * kDeg);
  EXPECT_LT(std::fabs(fine.CL - galerkin.CL), std::fabs(coarse.CL - galerkin.CL) / 10.0);
  EXPECT_NEAR(fine.CL, galerkin.CL, 2e-6);
  EXPECT_NEAR(*fine.e, *galerkin.e, 1e-4);
}

// The rectangular wing of AR 6 with a0 = 2 pi: e = 0.953935 (delta = 0.04829)
// converged to 1e-9 with 256 terms; Glauert's and Anderson's charts give
// delta of about 0.05 for it.
TEST(LiftingLine, RectangularWingOfAspectRatioSix) {
  const FiniteWingShape shape = Shape(6.0, Planform::kRectangular);
  const WingState converged = WingAt(SolveLiftingLine(shape, kThin, 256), 5.0 * kDeg);
  const WingState w = WingAt(SolveLiftingLine(shape, kThin), 5.0 * kDeg);
  ASSERT_TRUE(w.e && converged.e);
  EXPECT_NEAR(*w.e, *converged.e, 1e-3);
  EXPECT_NEAR(*converged.e, 0.953935, 5e-6);
  EXPECT_NEAR(*converged.delta, 0.05, 0.005);
  EXPECT_NEAR(1.0 / (1.0 + *w.delta), *w.e, 1e-12);
  // Less efficient than the elliptic wing, and a lower lift slope.
  const LiftingLineSolution elliptic = SolveLiftingLine(Shape(6.0, Planform::kElliptic), kThin);
  EXPECT_LT(WingLiftSlope(SolveLiftingLine(shape, kThin)), WingLiftSlope(elliptic));
  // Taper near 0.4 comes closest to elliptic among straight wings.
  const auto eOf = [](double taper) {
    return *WingAt(SolveLiftingLine(Shape(6.0, Planform::kTapered, taper), kThin), 0.1).e;
  };
  EXPECT_GT(eOf(0.4), eOf(1.0));
  EXPECT_GT(eOf(0.4), eOf(0.0));
}

// The loading is symmetric; washout lowers the tip's loading and the lift,
// and leaves induced drag at zero lift, where e is left undefined.
TEST(LiftingLine, SymmetryAndWashout) {
  const WingSection section{6.0, -2.0 * kDeg};
  const LiftingLineSolution plain = SolveLiftingLine(Shape(8.0, Planform::kTapered, 0.5), section);
  const LiftingLineSolution out =
      SolveLiftingLine(Shape(8.0, Planform::kTapered, 0.5, 4.0), section);
  const LiftingLineSolution in =
      SolveLiftingLine(Shape(8.0, Planform::kTapered, 0.5, -4.0), section);
  const double alpha = 5.0 * kDeg;
  const std::vector<WingStation> stations = WingStations(out, WingAt(out, alpha));
  for (std::size_t j = 0; j < stations.size(); ++j) {
    const WingStation& left = stations[j];
    const WingStation& right = stations[stations.size() - 1 - j];
    EXPECT_NEAR(left.eta, -right.eta, 1e-12);
    EXPECT_NEAR(left.gamma, right.gamma, 1e-12);
    EXPECT_NEAR(left.alphaInduced, right.alphaInduced, 1e-12);
  }
  const WingState p = WingAt(plain, alpha), o = WingAt(out, alpha), i = WingAt(in, alpha);
  EXPECT_LT(o.CL, p.CL);
  EXPECT_GT(i.CL, p.CL);
  // The same lift slope: twist only shifts the curve.
  EXPECT_NEAR(WingLiftSlope(out), WingLiftSlope(plain), 1e-12);
  // Washout unloads the tip: less of the lift outboard of eta = 0.7.
  const auto outboardShare = [&](const LiftingLineSolution& s) {
    const std::vector<WingStation> st = WingStations(s, WingAt(s, alpha));
    double outer = 0.0, all = 0.0;
    for (const WingStation& x : st) {
      all += x.gamma;
      if (std::fabs(x.eta) > 0.7) outer += x.gamma;
    }
    return outer / all;
  };
  EXPECT_LT(outboardShare(out), outboardShare(plain));
  EXPECT_GT(outboardShare(in), outboardShare(plain));
  // Zero lift of the twisted wing: the root above the section's zero lift,
  // induced drag left, e undefined (and no division by zero).
  const double zeroLift = section.zeroLiftAngle - 4.0 * kDeg * out.twist[0] / out.untwisted[0];
  const WingState z = WingAt(out, zeroLift);
  EXPECT_NEAR(z.CL, 0.0, 1e-12);
  EXPECT_GT(zeroLift, section.zeroLiftAngle);
  EXPECT_GT(z.CDi, 1e-6);
  const WingState untwistedZero = WingAt(plain, section.zeroLiftAngle);
  EXPECT_EQ(untwistedZero.CL, 0.0);
  EXPECT_FALSE(untwistedZero.e);
  EXPECT_FALSE(untwistedZero.delta);
}

// A rectangular wing stalls first at the root, a strongly tapered one
// outboard; washout moves the onset inboard and to a higher root angle.
TEST(LiftingLine, StallOnset) {
  const double clStall = 1.2;
  const auto onset = [&](double taper, double washout) {
    const LiftingLineSolution s =
        SolveLiftingLine(Shape(8.0, Planform::kTapered, taper, washout), kThin);
    const std::optional<StallOnset> o = FindStallOnset(s, clStall);
    EXPECT_TRUE(o);
    // At that root angle the station's c_l is the section's.
    const std::vector<WingStation> st = WingStations(s, WingAt(s, o->alphaRoot));
    double highest = 0.0;
    for (std::size_t j = 1; j + 1 < st.size(); ++j) highest = std::max(highest, st[j].cl);
    EXPECT_NEAR(highest, clStall, 1e-9);
    return *o;
  };
  EXPECT_NEAR(onset(1.0, 0.0).eta, 0.0, 1e-12);
  const StallOnset pointed = onset(0.2, 0.0);
  EXPECT_GT(pointed.eta, 0.5);
  const StallOnset washed = onset(0.2, 4.0);
  EXPECT_LT(washed.eta, pointed.eta);
  EXPECT_GT(washed.alphaRoot, pointed.alphaRoot);
  EXPECT_FALSE(FindStallOnset(LiftingLineSolution(), clStall));
  // The elliptic wing's c_l is the same everywhere: it starts at the root.
  EXPECT_EQ(FindStallOnset(SolveLiftingLine(Shape(8.0, Planform::kElliptic), kThin), clStall)->eta,
            0.0);
}

TEST(LiftingLine, RefusesWhatItCannotSolve) {
  const double nan = std::nan(""), inf = INFINITY;
  EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, 0.4, 2.0)), FiniteWingFault::kNone);
  EXPECT_EQ(CheckFiniteWing(Shape(1.0, Planform::kTapered, 0.0, -10.0)), FiniteWingFault::kNone);
  EXPECT_EQ(CheckFiniteWing(Shape(30.0, Planform::kTapered, 1.0, 10.0)), FiniteWingFault::kNone);
  EXPECT_EQ(CheckFiniteWing(Shape(0.99, Planform::kRectangular)),
            FiniteWingFault::kAspectRatioOutOfRange);
  EXPECT_EQ(CheckFiniteWing(Shape(30.01, Planform::kRectangular)),
            FiniteWingFault::kAspectRatioOutOfRange);
  EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, -0.01)),
            FiniteWingFault::kTaperOutOfRange);
  EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, 1.01)),
            FiniteWingFault::kTaperOutOfRange);
  EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, 0.5, 10.5)),
            FiniteWingFault::kWashoutOutOfRange);
  EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, 0.5, -10.5)),
            FiniteWingFault::kWashoutOutOfRange);
  for (const double bad : {nan, inf, -inf}) {
    EXPECT_EQ(CheckFiniteWing(Shape(bad, Planform::kRectangular)), FiniteWingFault::kNotFinite);
    EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, bad)), FiniteWingFault::kNotFinite);
    EXPECT_EQ(CheckFiniteWing(Shape(8.0, Planform::kTapered, 0.5, bad)),
              FiniteWingFault::kNotFinite);
    EXPECT_FALSE(SolveLiftingLine(Shape(8.0, Planform::kRectangular), WingSection{bad, 0.0}).ok());
    EXPECT_FALSE(SolveLiftingLine(Shape(8.0, Planform::kRectangular), WingSection{6.0, bad}).ok());
  }
  EXPECT_FALSE(SolveLiftingLine(Shape(0.5, Planform::kRectangular), kThin).ok());
  EXPECT_FALSE(SolveLiftingLine(Shape(8.0, Planform::kRectangular), WingSection{0.0, 0.0}).ok());
  EXPECT_FALSE(SolveLiftingLine(Shape(8.0, Planform::kRectangular), kThin, 0).ok());
  for (const Planform p : {Planform::kRectangular, Planform::kTapered, Planform::kElliptic}) {
    EXPECT_EQ(PlanformNamed(PlanformName(p)), p);
  }
  EXPECT_FALSE(PlanformNamed("swept"));
  EXPECT_FALSE(PlanformNamed("Elliptic"));
  EXPECT_FALSE(PlanformNamed(nullptr));
}

// Every planform's area is b c_mean: a section drag the same at every c_l
// and Re gives the wing that very drag; and the drag is looked up in c_l and
// interpolated in log Re.
TEST(LiftingLine, StripProfileDrag) {
  const SectionDragCurve flat{1e6, {-1.0, 0.0, 2.0}, {0.01, 0.01, 0.01}};
  for (const Planform planform :
       {Planform::kRectangular, Planform::kTapered, Planform::kElliptic}) {
    const LiftingLineSolution s = SolveLiftingLine(Shape(7.0, planform, 0.3), kThin);
    const std::optional<double> cdp =
        StripProfileDrag(WingStations(s, WingAt(s, 4.0 * kDeg)), {flat}, 1e6);
    ASSERT_TRUE(cdp);
    EXPECT_NEAR(*cdp, 0.01, 2e-6) << PlanformName(planform);
  }
  const SectionDragCurve low{1e5, {0.0, 1.0}, {0.02, 0.04}};
  const SectionDragCurve high{1e7, {0.0, 1.0}, {0.01, 0.02}};
  EXPECT_NEAR(*SectionDragAt(low, 0.25), 0.025, 1e-15);
  EXPECT_FALSE(SectionDragAt(low, 1.5));
  EXPECT_NEAR(*SectionDragAt({low, high}, 0.5, 1e6), 0.0225, 1e-12);
  EXPECT_NEAR(*SectionDragAt({low, high}, 0.5, 1e4), 0.03, 1e-15);  // the nearest outside
  EXPECT_NEAR(*SectionDragAt({low, high}, 0.5, 1e9), 0.015, 1e-15);
  // A gap in the predicted points is no bridge.
  const SectionDragCurve gap{1e6, {0.0, 0.5, 1.0}, {0.01, std::nullopt, 0.02}};
  EXPECT_FALSE(SectionDragAt(gap, 0.7));
  // A station beyond the section's c_l: no profile drag for the wing.
  const LiftingLineSolution s = SolveLiftingLine(Shape(7.0, Planform::kRectangular), kThin);
  EXPECT_FALSE(StripProfileDrag(WingStations(s, WingAt(s, 25.0 * kDeg)), {flat}, 1e6));
}

TEST(LiftingLine, PolarAndBestLiftToDrag) {
  const SectionDragCurve section{1e6, {-1.0, 0.0, 1.0, 2.0}, {0.012, 0.008, 0.012, 0.03}};
  const LiftingLineSolution s = SolveLiftingLine(Shape(10.0, Planform::kTapered, 0.4, 1.0), kThin);
  std::vector<double> alphas;
  for (int a = -4; a <= 14; ++a) alphas.push_back(a);
  const WingPolar polar = ComputeWingPolar(s, alphas, {section}, 1e6);
  ASSERT_EQ(polar.points.size(), alphas.size());
  ASSERT_TRUE(polar.bestLiftToDrag);
  double best = 0.0;
  for (const WingPolarPoint& p : polar.points) {
    EXPECT_NEAR(p.CL, WingAt(s, p.alphaDeg * kDeg).CL, 1e-15);
    if (p.CD) {
      EXPECT_NEAR(*p.CD, p.CDi + *p.CDp, 1e-15);
      if (p.CL > 0.0) best = std::max(best, p.CL / *p.CD);
    }
  }
  EXPECT_EQ(*polar.bestLiftToDrag, best);
  EXPECT_GT(best, 10.0);
}

}  // namespace
}  // namespace fluvenna
