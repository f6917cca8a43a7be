// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace fluvenna {
namespace {

constexpr double kRounding = 1e-14;
constexpr double kFiveDigits = 5e-6;  // orientation values quoted to five digits
constexpr double kFourDigits = 5e-5;
constexpr double kReference = 1e-8;  // accuracy of the dense reference below
constexpr double kRefined = 1e-12;   // refinement makes the sample count irrelevant
constexpr double kTwoPi = 6.283185307179586476925286766559;

// Map constant for which the symmetric profile has chord 1.
double MapConstant(double Eps) {
  return (1.0 + 2.0 * Eps) / (4.0 * (1.0 + Eps) * (1.0 + Eps));
}

struct Ratios {
  double thickness = 0.0, camber = 0.0;
};

// An independent measure: the map in complex form, zeta = z + cJ^2 / z, on a
// dense contour; the leading edge where d|P - TE|^2 / dtheta changes sign
// (bisection); the lower surface interpolated linearly at the stations of
// the upper surface's points.
Ratios DenseReference(double Eps, double Mu) {
  using C = std::complex<double>;
  const double cJ = MapConstant(Eps);
  const C centre(-Eps * cJ, Mu * cJ);
  const double A = cJ * std::sqrt((1 + Eps) * (1 + Eps) + Mu * Mu);
  const auto P = [&](double t) {
    const C z = centre + std::polar(A, t);
    return z + cJ * cJ / z;
  };
  const C te(2 * cJ, 0);
  const auto outward = [&](double t) {  // > 0 while P moves away from the trailing edge
    const C z = centre + std::polar(A, t);
    const C dP = (1.0 - cJ * cJ / (z * z)) * C(0, 1) * (z - centre);
    return std::real(std::conj(P(t) - te) * dP) > 0.0;
  };
  const double t0 = -std::atan2(Mu, 1 + Eps);
  double lo = t0 + 0.25 * kTwoPi, hi = t0 + 0.75 * kTwoPi;  // the leading edge lies in between
  for (int i = 0; i < 100; ++i) (outward(0.5 * (lo + hi)) ? lo : hi) = 0.5 * (lo + hi);
  const double tLE = 0.5 * (lo + hi);
  const C le = P(tLE);
  const C u = (te - le) / std::abs(te - le);
  const double chord = std::abs(te - le);
  const auto local = [&](C p) { return (p - le) / u / chord; };

  constexpr int kN = 200000;
  std::vector<C> lower(kN + 1);
  for (int j = 0; j <= kN; ++j) lower[j] = local(P(tLE + (t0 + kTwoPi - tLE) * j / kN));
  Ratios r;
  int k = 0;
  for (int j = kN - 1; j >= 1; --j) {  // upper surface from the leading edge back
    const C p = local(P(t0 + (tLE - t0) * j / kN));
    while (k + 2 <= kN && lower[k + 1].real() < p.real()) ++k;
    const double w = (p.real() - lower[k].real()) / (lower[k + 1].real() - lower[k].real());
    const double hLower = lower[k].imag() + w * (lower[k + 1].imag() - lower[k].imag());
    r.thickness = std::max(r.thickness, p.imag() - hLower);
    r.camber = std::max(r.camber, std::fabs(0.5 * (p.imag() + hLower)));
  }
  return r;
}

TEST(ProfileGeometry, OrientationValues) {
  const ProfileMeasure symmetric = MeasureProfile(0.1, 0.0);
  EXPECT_NEAR(symmetric.thickness, 0.11785, kFiveDigits);
  const ProfileMeasure cambered = MeasureProfile(0.1, 0.1);
  EXPECT_NEAR(cambered.thickness, 0.1186, kFourDigits);
  EXPECT_NEAR(cambered.camber, 0.0447, kFourDigits);
}

TEST(ProfileGeometry, SymmetricProfileHasUnitChordOnTheAxisAndNoCamber) {
  for (double Eps : {0.005, 0.05, 0.1, 0.2, 0.3}) {
    SCOPED_TRACE(Eps);
    const ProfileMeasure m = MeasureProfile(Eps, 0.0);
    const double cJ = MapConstant(Eps);
    EXPECT_NEAR(m.chord, 1.0, kRounding);
    EXPECT_NEAR(m.trailingX, 2.0 * cJ, kRounding);
    EXPECT_EQ(m.trailingY, 0.0);
    // The nose is the image of the leftmost circle point z = -cJ (1 + 2 Eps).
    EXPECT_NEAR(m.leadingX, -cJ * (1.0 + 2.0 * Eps) - cJ / (1.0 + 2.0 * Eps), kRounding);
    EXPECT_NEAR(m.leadingY, 0.0, kRounding);
    EXPECT_NEAR(m.camber, 0.0, kRounding);
    EXPECT_TRUE(m.singleValued);
  }
}

TEST(ProfileGeometry, FlatPlateAndCircularArcHaveNoThickness) {
  const ProfileMeasure plate = MeasureProfile(0.0, 0.0);
  EXPECT_NEAR(plate.chord, 1.0, kRounding);
  EXPECT_NEAR(plate.leadingX, -0.5, kRounding);
  EXPECT_NEAR(plate.thickness, 0.0, kRounding);
  EXPECT_NEAR(plate.camber, 0.0, kRounding);

  // Eps = 0: the circle passes through both -cJ and cJ and maps onto a
  // circular arc of chord 4 cJ = 1 rising to Mu / 2 at mid-chord.
  for (double Mu : {0.05, 0.2, 0.4}) {
    SCOPED_TRACE(Mu);
    const ProfileMeasure arc = MeasureProfile(0.0, Mu);
    EXPECT_NEAR(arc.chord, 1.0, kRounding);
    EXPECT_NEAR(arc.thickness, 0.0, kRounding);
    EXPECT_NEAR(arc.camber, 0.5 * Mu, kRounding);
    EXPECT_NEAR(arc.camberAt, 0.5, 1e-7);  // a flat maximum fixes its station to ~1e-8 only
  }
}

TEST(ProfileGeometry, AgreesWithADenseIndependentMeasure) {
  const double cases[][2] = {{0.008, 0.02}, {0.1, 0.1}, {0.15, 0.15}, {0.3, 0.0}, {0.28, 0.4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Eps " << c[0] << " Mu " << c[1]);
    const ProfileMeasure m = MeasureProfile(c[0], c[1]);
    const Ratios reference = DenseReference(c[0], c[1]);
    EXPECT_NEAR(m.thickness, reference.thickness, kReference);
    EXPECT_NEAR(m.camber, reference.camber, kReference);
    EXPECT_TRUE(m.singleValued);
    // Few samples only locate the extremes; the refined values are the same.
    const ProfileMeasure coarse = MeasureProfile(c[0], c[1], {.samples = 64});
    EXPECT_NEAR(coarse.thickness, m.thickness, kRefined);
    EXPECT_NEAR(coarse.camber, m.camber, kRefined);
  }
}

TEST(ProfileGeometry, CamberBelowTheChordIsMeasuredToo) {
  const ProfileMeasure up = MeasureProfile(0.12, 0.2);
  const ProfileMeasure down = MeasureProfile(0.12, -0.2);
  EXPECT_GT(up.camber, 0.05);
  EXPECT_NEAR(down.camber, up.camber, kRefined);
  EXPECT_NEAR(down.thickness, up.thickness, kRefined);
  EXPECT_NEAR(down.leadingY, -up.leadingY, kRefined);
  EXPECT_NEAR(down.camberAt, up.camberAt, 1e-6);
}

}  // namespace
}  // namespace fluvenna

namespace fluvenna {
namespace {

TEST(LiftCoefficient, TwiceTheCirculationOverSpeedAndChord) {
  // C_L = 2 Circ / (U0 chord) for a chord that is not 1.
  EXPECT_DOUBLE_EQ(LiftCoefficient(0.6, 1.0, 0.8), 1.5);
  EXPECT_DOUBLE_EQ(LiftCoefficient(0.6, 2.0, 1.2), 0.5);
}

}  // namespace
}  // namespace fluvenna
