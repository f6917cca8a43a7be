// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The boundary layer's published correlations, each written here with the
// numbers of its source and checked at every point a march gives: Thwaites'
// 0.45 and Cebeci & Bradshaw's fits of H and l on both branches, Drela &
// Giles' e^N envelope, Head's entrainment with its H1(H) fit,
// Ludwieg-Tillmann's skin friction and Squire & Young's drag. The marches run
// on surface speeds whose gradient the march's differences give exactly
// (u_e linear in s), so the laminar relations hold to rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "flow/boundary_layer.h"

namespace fluvenna {
namespace {

constexpr double kExact = 1e-9;  // relative, for relations the march evaluates directly

// Thwaites (1949): theta^2 u_e^6 = 0.45 nu integral u_e^5 ds; Cebeci &
// Bradshaw (1977), Momentum Transfer in Boundary Layers, fits of his table.
double PublishedThwaitesH(double lambda) {
  return lambda >= 0.0 ? 2.61 - 3.75 * lambda + 5.24 * lambda * lambda
                       : 2.088 + 0.0731 / (lambda + 0.14);
}
double PublishedThwaitesL(double lambda) {
  return lambda >= 0.0 ? 0.22 + 1.57 * lambda - 1.8 * lambda * lambda
                       : 0.22 + 1.402 * lambda + 0.018 * lambda / (lambda + 0.107);
}

// Drela & Giles (1987): the critical Re_theta and the envelope's growth.
double PublishedAmplificationRate(double H, double theta, double reTheta) {
  const double h = 1.0 / (H - 1.0);
  const double log10Re0 = (1.415 * h - 0.489) * std::tanh(20.0 * h - 12.9) + 3.295 * h + 0.44;
  if (reTheta <= std::pow(10.0, log10Re0)) return 0.0;
  const double dNdRe =
      0.01 * std::sqrt(std::pow(2.4 * H - 3.7 + 2.5 * std::tanh(1.5 * H - 4.65), 2) + 0.25);
  const double l = (6.54 * H - 14.07) / (H * H);
  const double m = (0.058 * std::pow(H - 4.0, 2) / (H - 1.0) - 0.068) / l;
  return dNdRe * (m + 1.0) / 2.0 * l / theta;
}

// Head (1958), as Cebeci & Bradshaw give it.
double PublishedHeadH1(double H) {
  return H <= 1.6 ? 3.3 + 0.8234 * std::pow(H - 1.1, -1.287)
                  : 3.3 + 1.5501 * std::pow(H - 0.6778, -3.064);
}
double PublishedEntrainment(double H1) {
  return 0.0306 * std::pow(H1 - 3.0, -0.6169);
}

// Ludwieg & Tillmann (1949): tau_w / (rho u_e^2 / 2).
double PublishedLudwiegTillmann(double H, double reTheta) {
  return 0.246 * std::pow(10.0, -0.678 * H) * std::pow(reTheta, -0.268);
}

// n + 1 stations over s in [0, length], u_e = speed(s).
std::vector<EdgeStation> Stations(int n, double length,
                                  const std::function<double(double)>& speed) {
  std::vector<EdgeStation> st(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double s = length * i / n;
    st[i].s = st[i].x = st[i].xc = s;
    st[i].ue = speed(s);
  }
  return st;
}

MarchOptions Options(double nu, bool fromStagnation) {
  MarchOptions o;
  o.nu = nu;
  o.fromStagnation = fromStagnation;
  return o;
}

// Every laminar point of a march on a speed of slope du_e/ds = slope(s)
// (NaN where the march's differences do not give it exactly): lambda from
// the point's own theta, and H and c_f from the published fits at that
// lambda.
void ExpectThwaites(const SurfaceBoundaryLayer& layer, const std::function<double(double)>& slope,
                    double nu, double lambdaLow, double lambdaHigh, double tolerance = kExact) {
  int checked = 0;
  double lowest = 1.0, highest = -1.0;
  for (const BoundaryLayerPoint& p : layer.points) {
    const double g = slope(p.s);
    if (p.regime != BoundaryLayerRegime::kLaminar || p.theta <= 0.0 || p.ue <= 0.0 ||
        std::isnan(g)) {
      continue;
    }
    // Held at the top of the fits' range.
    const double lambda = std::min(p.theta * p.theta * g / nu, 0.25);
    if (lambda <= kLaminarSeparationLambda) continue;
    lowest = std::min(lowest, lambda), highest = std::max(highest, lambda);
    const double reTheta = p.ue * p.theta / nu;
    SCOPED_TRACE(::testing::Message() << "s = " << p.s << ", lambda = " << lambda);
    EXPECT_NEAR(p.H, PublishedThwaitesH(lambda), tolerance * p.H);
    const double cf = 2.0 * PublishedThwaitesL(lambda) / reTheta * p.ue * p.ue;
    EXPECT_NEAR(p.cf, cf, tolerance * std::fabs(cf));
    ++checked;
  }
  EXPECT_GT(checked, 50);
  EXPECT_LE(lowest, lambdaLow);  // the march went over the branch checked
  EXPECT_GE(highest, lambdaHigh);
}

// Thwaites' integral and both branches of the fits. With u_e linear the
// integral is exact, so theta itself is pinned: on a flat plate theta^2 =
// 0.45 nu s; from a stagnation point u_e = a s, Hiemenz's lambda = 0.075.
TEST(BoundaryLayerCorrelations, ThwaitesAndCebeciBradshawFits) {
  const double nu = 1e-6;
  const SurfaceBoundaryLayer plate =
      MarchSurface(Stations(400, 0.05, [](double) { return 1.0; }), Options(nu, false));
  for (const BoundaryLayerPoint& p : plate.points) {
    if (p.regime != BoundaryLayerRegime::kLaminar) continue;
    EXPECT_NEAR(p.theta, std::sqrt(0.45 * nu * p.s), kExact * p.theta) << p.s;
  }
  // The march's differences of a constant speed may leave lambda a rounding
  // error below 0, where the lower branch gives H = 2.6101 for 2.61.
  ExpectThwaites(
      plate, [](double) { return 0.0; }, nu, 0.0, 0.0, 1e-4);

  const double a = 3.0;
  const SurfaceBoundaryLayer stagnation =
      MarchSurface(Stations(400, 0.05, [a](double s) { return a * s; }), Options(nu, true));
  for (const BoundaryLayerPoint& p : stagnation.points) {
    EXPECT_NEAR(p.theta * p.theta * a / nu, 0.075, 1e-9) << p.s;
  }
  ExpectThwaites(
      stagnation, [a](double) { return a; }, nu, 0.075, 0.075);

  // A plate's layer accelerated from half way on: lambda jumps up the upper
  // branch and falls back towards the stagnation point's.
  const auto kink = [](double s) { return s > 0.5 ? 0.8 : std::nan(""); };  // the plate above
  const SurfaceBoundaryLayer accelerated = MarchSurface(
      Stations(2000, 1.0, [](double s) { return s < 0.5 ? 1.0 : 1.0 + 0.8 * (s - 0.5); }),
      Options(nu, false));
  ExpectThwaites(accelerated, kink, nu, 0.09, 0.17);

  // Howarth's retarded flow: lambda falls through the lower branch to separation.
  const SurfaceBoundaryLayer retarded =
      MarchSurface(Stations(4000, 1.0, [](double s) { return 1.0 - s; }), Options(1e-5, false));
  ExpectThwaites(
      retarded, [](double) { return -1.0; }, 1e-5, -0.08, -0.001);
  // The bubble keeps Thwaites' H at separation.
  EXPECT_NEAR(kBubbleH, PublishedThwaitesH(kLaminarSeparationLambda), 1e-3);
}

// The e^N envelope: N grows by the trapezoid of Drela & Giles' rate between
// neighbouring laminar points, on a plate (H = 2.61) and in a mildly
// retarded flow (H rising), and does not grow below the critical Re_theta.
TEST(BoundaryLayerCorrelations, DrelaGilesEnvelope) {
  const double nu = 1e-7;
  for (const double g : {0.0, -0.05}) {
    SCOPED_TRACE(g);
    const SurfaceBoundaryLayer layer = MarchSurface(
        Stations(3000, 1.0, [g](double s) { return 1.0 + g * s; }), Options(nu, false));
    int growing = 0, quiet = 0;
    for (std::size_t i = 1; i < layer.points.size(); ++i) {
      const BoundaryLayerPoint& p0 = layer.points[i - 1];
      const BoundaryLayerPoint& p1 = layer.points[i];
      if (p1.regime != BoundaryLayerRegime::kLaminar || p0.theta <= 0.0) continue;
      const double r0 = PublishedAmplificationRate(p0.H, p0.theta, p0.ue * p0.theta / nu);
      const double r1 = PublishedAmplificationRate(p1.H, p1.theta, p1.ue * p1.theta / nu);
      const double step = 0.5 * (r0 + r1) * (p1.s - p0.s);
      EXPECT_NEAR(p1.n - p0.n, step, 1e-9 * std::max(step, 1e-6)) << p1.s;
      (step > 0.0 ? growing : quiet) += 1;
    }
    EXPECT_GT(growing, 100);
    EXPECT_GT(quiet, 10);
    ASSERT_TRUE(layer.sTransition.has_value());
    EXPECT_EQ(layer.transitionCause, TransitionCause::kAmplification);
  }
}

// The turbulent layer: at every attached turbulent point c_f is
// Ludwieg-Tillmann's of the point's own H and Re_theta; between points
// u_e theta H1(H) grows by Head's entrainment u_e F(H1) and theta by the
// momentum equation (to the accuracy of the march's second-order steps),
// on a plate (H about 1.3, the first branch of H1) and in a retarded flow
// that carries H past 1.6 to separation (the second branch).
TEST(BoundaryLayerCorrelations, HeadEntrainmentAndLudwiegTillmann) {
  const double nu = 1e-7;
  constexpr double kStepTolerance = 2e-3;  // relative, the march's second-order steps
  for (const double g : {0.0, -0.6}) {
    SCOPED_TRACE(g);
    MarchOptions o = Options(nu, false);
    o.tripAt = 0.01;
    const auto speed = [g](double s) { return 1.0 + g * s; };
    const SurfaceBoundaryLayer layer = MarchSurface(Stations(20000, 1.0, speed), o);
    ASSERT_EQ(layer.transitionCause, TransitionCause::kTrip);
    int checked = 0;
    double highestH = 0.0;
    for (std::size_t i = 1; i < layer.points.size(); ++i) {
      const BoundaryLayerPoint& p0 = layer.points[i - 1];
      const BoundaryLayerPoint& p1 = layer.points[i];
      if (p1.regime != BoundaryLayerRegime::kTurbulent) continue;
      const double reTheta = p1.ue * p1.theta / nu;
      const double cf = PublishedLudwiegTillmann(p1.H, reTheta) * p1.ue * p1.ue;
      EXPECT_NEAR(p1.cf, cf, kExact * cf) << p1.s;
      highestH = std::max(highestH, p1.H);
      // Near separation H1 runs into its floor and the steps stiffen; the
      // fit's two branches miss each other by 0.4 % where they meet.
      const auto seam = [](double H) { return H > 1.59 && H < 1.61; };
      if (p0.regime != BoundaryLayerRegime::kTurbulent || p1.H > 2.0 || seam(p0.H) || seam(p1.H)) {
        continue;
      }
      const double h = p1.s - p0.s;
      const double h1a = PublishedHeadH1(p0.H), h1b = PublishedHeadH1(p1.H);
      const double dY = (p1.ue * p1.theta * h1b - p0.ue * p0.theta * h1a) / h;
      const double entrainment =
          0.5 * (p0.ue * PublishedEntrainment(h1a) + p1.ue * PublishedEntrainment(h1b));
      EXPECT_NEAR(dY, entrainment, kStepTolerance * entrainment) << p1.s;
      const double dTheta = (p1.theta - p0.theta) / h;
      const auto momentum = [&](const BoundaryLayerPoint& p) {
        return 0.5 * p.cf / (p.ue * p.ue) - (p.H + 2.0) * p.theta / p.ue * g;
      };
      const double expected = 0.5 * (momentum(p0) + momentum(p1));
      EXPECT_NEAR(dTheta, expected, kStepTolerance * std::fabs(expected)) << p1.s;
      ++checked;
    }
    EXPECT_GT(checked, 1000);
    if (g < 0.0) {
      EXPECT_GT(highestH, 1.8);
      EXPECT_TRUE(layer.sSeparation.has_value());
    }
  }
}

// Squire & Young (1938): each surface's drag from its trailing-edge state.
TEST(BoundaryLayerCorrelations, SquireYoungDrag) {
  MarchOptions o = Options(1e-6, false);
  o.chord = 2.0;
  o.tripAt = 0.2;
  const SurfaceBoundaryLayer layer =
      MarchSurface(Stations(2000, 2.0, [](double s) { return 1.2 - 0.05 * s; }), o);
  const BoundaryLayerPoint& te = layer.points.back();
  ASSERT_EQ(te.regime, BoundaryLayerRegime::kTurbulent);
  EXPECT_EQ(layer.thetaTE, te.theta);
  EXPECT_EQ(layer.HTE, te.H);
  EXPECT_EQ(layer.ueTE, te.ue);
  const double cd = 2.0 * te.theta / 2.0 * std::pow(te.ue, (te.H + 5.0) / 2.0);
  EXPECT_NEAR(layer.squireYoung, cd, kExact * cd);
}

}  // namespace
}  // namespace fluvenna
