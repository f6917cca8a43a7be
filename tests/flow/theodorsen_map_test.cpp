// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/theodorsen_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "flow/airfoil_file.h"
#include "flow/circle_model.h"
#include "flow/profile_geometry.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

// The Karman-Trefftz profile in closed form: the circle of radius A about
// c0 through z = b, carried by zeta = n b (1 + W) / (1 - W),
// W = ((z - b) / (z + b))^n (zeta -> z far away). Its TE angle is (2 - n) Pi;
// n = 2 is Joukowski's zeta = z + b^2 / z. The exact flow: Gamma = 4 Pi A
// sin(alpha - theta_TE), speed |dF/dz| / |dzeta/dz| with
// dzeta/dz = 4 n^2 b^2 W / ((1 - W)^2 (z^2 - b^2)).
struct KarmanTrefftz {
  double b = 0.25, n = 2.0;
  Complex c0;
  mutable std::vector<Complex> table;  // the contour at 20000 circle angles
  double A() const { return std::abs(b - c0); }
  double ThetaTe() const { return std::arg(b - c0); }
  Complex W(Complex z) const { return std::exp(n * std::log((z - b) / (z + b))); }
  Complex Map(Complex z) const {
    if (z == Complex(b, 0.0)) return n * b;
    const Complex w = W(z);
    return n * b * (1.0 + w) / (1.0 - w);
  }
  Complex Derivative(Complex z) const {
    const Complex w = W(z);
    return 4.0 * n * n * b * b * w / ((1.0 - w) * (1.0 - w) * (z * z - b * b));
  }
  Complex OnCircle(double theta) const { return c0 + std::polar(A(), theta); }
  double Circulation(double alpha) const { return 4.0 * kPi * A() * std::sin(alpha - ThetaTe()); }
  double Cp(double theta, double alpha) const {
    const Complex z = OnCircle(theta), w = z - c0, i(0.0, 1.0);
    const Complex dF = std::exp(-i * alpha) - A() * A() * std::exp(i * alpha) / (w * w) +
                       i * Circulation(alpha) / (2.0 * kPi * w);
    return 1.0 - std::norm(dF) / std::norm(Derivative(z));
  }
  // `count` points from the TE anticlockwise, the TE repeated at the end.
  void Points(int count, std::vector<double>& x, std::vector<double>& y) const {
    x.clear(), y.clear();
    for (int k = 0; k <= count; ++k) {
      const Complex p = Map(OnCircle(ThetaTe() + 2.0 * kPi * k / count));
      x.push_back(p.real()), y.push_back(p.imag());
    }
  }
  // The circle angle whose image is nearest `p` (a dense table, then golden section).
  double NearestTheta(Complex p) const {
    constexpr int kTable = 20000;
    if (table.empty())
      for (int k = 0; k < kTable; ++k)
        table.push_back(Map(OnCircle(ThetaTe() + 2.0 * kPi * k / kTable)));
    int best = 0;
    double bestD = 1e300;
    for (int k = 0; k < kTable; ++k) {
      const double d = std::abs(table[static_cast<std::size_t>(k)] - p);
      if (d < bestD) bestD = d, best = k;
    }
    double lo = ThetaTe() + 2.0 * kPi * (best - 1) / kTable, hi = lo + 4.0 * kPi / kTable;
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int it = 0; it < 80; ++it) {
      const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
      if (std::abs(Map(OnCircle(m1)) - p) < std::abs(Map(OnCircle(m2)) - p))
        hi = m2;
      else
        lo = m1;
    }
    return 0.5 * (lo + hi);
  }
  // Chord: the TE to the contour point farthest from it.
  double Chord() const {
    const Complex te = n * b;
    double best = 0.0, bestTheta = 0.0;
    for (int k = 0; k < 20000; ++k) {
      const double t = ThetaTe() + 2.0 * kPi * k / 20000;
      const double d = std::abs(Map(OnCircle(t)) - te);
      if (d > best) best = d, bestTheta = t;
    }
    double lo = bestTheta - 2.0 * kPi / 20000, hi = bestTheta + 2.0 * kPi / 20000;
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int it = 0; it < 80; ++it) {
      const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
      if (std::abs(Map(OnCircle(m1)) - te) > std::abs(Map(OnCircle(m2)) - te))
        hi = m2;
      else
        lo = m1;
    }
    return std::abs(Map(OnCircle(0.5 * (lo + hi))) - te);
  }
};

TheodorsenMap MapOf(const AirfoilResult& result, const TheodorsenMapOptions& options = {}) {
  const auto* contour = std::get_if<AirfoilContour>(&result);
  EXPECT_NE(contour, nullptr);
  if (!contour) return {};
  const auto map = BuildTheodorsenMap(*contour, options);
  EXPECT_TRUE(std::holds_alternative<TheodorsenMap>(map));
  if (!std::holds_alternative<TheodorsenMap>(map)) return {};
  const auto& m = std::get<TheodorsenMap>(map);
  EXPECT_TRUE(m.Converged());
  return m;
}

// The largest deviations of the general path from the closed form over
// alpha = -4..12 degrees: relative C_L, and Cp on 119 circle points of the
// map (all but the TE itself), relative to the larger of 1 and |Cp| (the
// suction peak at the nose reaches Cp = -16 at 12 degrees).
struct Deviation {
  double lift = 0.0, pressure = 0.0;
};

Deviation Compare(const KarmanTrefftz& kt, const AirfoilContour& contour,
                  const TheodorsenMap& map) {
  Deviation dev;
  const double chord = kt.Chord();
  EXPECT_NEAR(contour.scale / chord, 1.0, 1e-7);  // the spline's LE against the exact one
  std::vector<double> thetas;
  std::vector<double> phis;
  for (int k = 1; k < 120; ++k) {
    const double phi = map.TrailingEdgeAngle() + 2.0 * kPi * k / 120.0;
    const Complex p = map.Forward(map.Centre() + std::polar(map.Radius(), phi));
    const Complex original = Complex(contour.originX, contour.originY) + contour.scale * p;
    phis.push_back(phi);
    thetas.push_back(kt.NearestTheta(original));
  }
  for (double deg = -4.0; deg <= 12.0; deg += 2.0) {
    const double alpha = deg * kDeg;
    const double exact = 2.0 * kt.Circulation(alpha) / chord;
    const double error = std::abs(map.LiftCoefficient(alpha) - exact);
    dev.lift = std::max(dev.lift, exact == 0.0 ? error : error / std::abs(exact));
    for (std::size_t k = 0; k < phis.size(); ++k) {
      const double q = map.SurfaceSpeed(phis[k], alpha);
      const double exact = kt.Cp(thetas[k], alpha);
      dev.pressure =
          std::max(dev.pressure, std::abs((1.0 - q * q) - exact) / std::max(1.0, std::abs(exact)));
    }
  }
  return dev;
}

// Karman-Trefftz profiles with finite TE angles, given as 400 points like a
// file: the exact lift to 1e-5 and the exact pressure to 1e-3.
TEST(TheodorsenMap, KarmanTrefftzProfilesGivenAsPoints) {
  const struct {
    double n, cx, cy;
  } cases[] = {{1.9, -0.02, 0.02}, {1.85, -0.03, 0.0}, {1.92, -0.015, 0.035}};
  for (const auto& c : cases) {
    KarmanTrefftz kt;
    kt.n = c.n, kt.c0 = {c.cx, c.cy};
    std::vector<double> x, y;
    kt.Points(400, x, y);
    const AirfoilResult contour = ContourFromPoints(x, y, "KT");
    const TheodorsenMap map = MapOf(contour);
    // The report reads tau from the spline's end slopes; the map corrects it
    // from the near circle's corner.
    EXPECT_NEAR(std::get<AirfoilContour>(contour).report.trailingEdgeAngle, (2.0 - c.n) * kPi,
                3e-3);
    EXPECT_NEAR(map.Exponent(), c.n, 1e-5);
    const Deviation dev = Compare(kt, std::get<AirfoilContour>(contour), map);
    EXPECT_LT(dev.lift, 1e-5) << "n = " << c.n;
    EXPECT_LT(dev.pressure, 1e-3) << "n = " << c.n;
  }
}

// A Joukowski profile of the designed family as a dense contour (2,000
// points) through the general path: the designed lift (2 Circ / (U0 chord),
// ComputeCircleModel and MeasureProfile) and the exact pressure to 1e-6
// (with the speed converged to 1e-6 rather than the default 1e-4).
TEST(TheodorsenMap, JoukowskiThroughTheGeneralPathGivesTheClosedForm) {
  for (const auto& [eps, mu] : {std::pair{0.1, 0.05}, std::pair{0.06, 0.0}}) {
    FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
    p.Eps = eps, p.Mu = mu, p.iKutta = 1.0;
    const CircleModel c = ComputeCircleModel(p);
    KarmanTrefftz kt;
    kt.n = 2.0, kt.b = c.cJ, kt.c0 = {c.xc, c.yc};
    std::vector<double> x, y;
    kt.Points(2000, x, y);
    const AirfoilResult contour = ContourFromPoints(x, y, "Joukowski");
    TheodorsenMapOptions options;
    options.speedTolerance = 1e-6;
    const TheodorsenMap map = MapOf(contour, options);
    EXPECT_NEAR(map.Exponent(), 2.0, 1e-6);
    const double chord = MeasureProfile(eps, mu).chord;
    for (double deg : {-4.0, 0.0, 4.0, 8.0, 12.0}) {
      p.Alfa = deg;
      const CircleModel turned = ComputeCircleModel(p);
      const double designed = 2.0 * turned.Circ / (p.U0 * chord);
      if (designed == 0.0) {
        EXPECT_NEAR(map.LiftCoefficient(deg * kDeg), 0.0, 1e-9);
      } else {
        EXPECT_NEAR(map.LiftCoefficient(deg * kDeg) / designed, 1.0, 1e-6) << eps << " " << deg;
      }
    }
    const Deviation dev = Compare(kt, std::get<AirfoilContour>(contour), map);
    EXPECT_LT(dev.lift, 1e-6);
    EXPECT_LT(dev.pressure, 1e-6);
  }
}

// NACA 0012 at alpha = 0: no lift, and the same pressure on both surfaces.
TEST(TheodorsenMap, Naca0012IsSymmetric) {
  const TheodorsenMap map = MapOf(NacaProfile("0012"));
  EXPECT_NEAR(map.LiftCoefficient(0.0), 0.0, 1e-12);
  EXPECT_NEAR(map.LiftCoefficient(6 * kDeg), -map.LiftCoefficient(-6 * kDeg), 1e-12);
  for (int k = 1; k < 40; ++k) {
    const Complex up = map.Forward(
        map.Centre() + std::polar(map.Radius(), map.TrailingEdgeAngle() + kPi * k / 40.0));
    // The mirror point of the upper surface on the lower one.
    const auto back = map.Inverse(std::conj(up));
    ASSERT_TRUE(back.has_value());
    const double phiLow = std::arg(*back - map.Centre());
    const double phiUp = map.TrailingEdgeAngle() + kPi * k / 40.0;
    EXPECT_NEAR(map.SurfaceSpeed(phiUp, 0.0), map.SurfaceSpeed(phiLow, 0.0), 1e-9);
  }
}

// Selig and Lednicer text of a contour in original coordinates.
std::string Selig(const AirfoilContour& c, bool clockwise, const char* separator) {
  std::string text = "# written by the test\nNACA SECTION\r\n";
  const std::size_t n = c.x.size() - 1;  // without the repeated TE
  char line[128];
  for (std::size_t k = 0; k <= n; ++k) {  // the closing point repeated
    const std::size_t i = clockwise ? (n - k) % (n + 1) : k;
    std::snprintf(line, sizeof line, "  %.17g%s%.17g\n", c.originX + c.scale * c.x[i], separator,
                  c.originY + c.scale * c.y[i]);
    text += line;
  }
  return text;
}

std::string Lednicer(const AirfoilContour& c, std::size_t le, bool lowerFirst) {
  const std::size_t n = c.x.size() - 1;
  std::vector<std::size_t> upper, lower;
  for (std::size_t i = le + 1; i-- > 0;) upper.push_back(i);  // LE to TE
  for (std::size_t i = le; i <= n; ++i) lower.push_back(i);
  if (lowerFirst) std::swap(upper, lower);
  char line[128];
  std::snprintf(line, sizeof line, "NACA SECTION\n%zu.  %zu.\n\n", upper.size(), lower.size());
  std::string text = line;
  for (const auto* surface : {&upper, &lower}) {
    for (std::size_t i : *surface) {
      std::snprintf(line, sizeof line, "%.17g\t%.17g\n", c.originX + c.scale * c.x[i],
                    c.originY + c.scale * c.y[i]);
      text += line;
    }
    text += "\n";
  }
  return text;
}

// A NACA code and the same section written to a file in both formats and
// both senses: the same lift to 1e-6.
TEST(TheodorsenMap, NacaCodeAndItsFilesGiveTheSameLift) {
  for (const char* code : {"2412", "23012"}) {
    const AirfoilResult naca = NacaProfile(code);
    const auto& c = std::get<AirfoilContour>(naca);
    const TheodorsenMap reference = MapOf(naca);
    std::size_t le = 0;
    for (std::size_t i = 0; i < c.x.size(); ++i)
      if (c.x[i] < c.x[le]) le = i;
    const std::string files[] = {Selig(c, false, " "), Selig(c, true, ","), Lednicer(c, le, false),
                                 Lednicer(c, le, true)};
    for (const std::string& text : files) {
      const TheodorsenMap map = MapOf(ReadAirfoilFile(text));
      for (double deg : {0.0, 4.0, 8.0}) {
        EXPECT_NEAR(map.LiftCoefficient(deg * kDeg) / reference.LiftCoefficient(deg * kDeg), 1.0,
                    1e-6)
            << code << " at " << deg << " from\n"
            << text.substr(0, 80);
      }
    }
  }
}

// The map's own properties on cambered and thick sections: the inverse
// undoes the forward map; the derivative is that of the forward map; points
// inside the profile have no circle point; the re-traced contour stays
// within 1e-5 chord of the spline between the nodes too.
TEST(TheodorsenMap, InverseDerivativeAndContour) {
  for (const char* code : {"4412", "0030", "23012"}) {
    const AirfoilResult result = NacaProfile(code);
    const TheodorsenMap map = MapOf(result);
    EXPECT_LE(map.Residual(), 1e-5);
    for (int k = 0; k < 60; ++k) {
      const double phi = 2.0 * kPi * (k + 0.37) / 60.0;
      const double r = map.Radius() * (1.0 + 1e-6 + 0.05 * (k % 7));
      const Complex z = map.Centre() + std::polar(r, phi);
      const Complex zeta = map.Forward(z);
      const auto back = map.Inverse(zeta);
      ASSERT_TRUE(back.has_value()) << code << " " << k;
      EXPECT_LT(std::abs(*back - z), 1e-11) << code << " " << k;
      // To 1e-8 (the field's accuracy): the shortened series lands as close.
      const auto rough = map.Inverse(zeta, 1e-8);
      ASSERT_TRUE(rough.has_value());
      EXPECT_LT(std::abs(*rough - z), 1e-7 * map.Radius()) << code << " " << k;
      // The derivative's terms carry k: the left-out tail weighs up to ~1e-5.
      EXPECT_LT(std::abs(map.Derivative(z, 1e-8) / map.Derivative(z) - 1.0), 1e-5);
      const double h = 1e-6 * map.Radius();
      const Complex numeric = (map.Forward(z + h) - map.Forward(z - h)) / (2.0 * h);
      EXPECT_LT(std::abs(map.Derivative(z) - numeric), 1e-6 * std::abs(numeric) + 1e-8) << code;
    }
    const auto& c = std::get<AirfoilContour>(result);
    EXPECT_FALSE(map.Inverse({0.5, 0.5 * (c.y[0] + c.y[c.y.size() / 2])}).has_value());
    const ContourSpline spline(c.x, c.y);
    double worst = 0.0, s = 0.0;
    for (int k = 0; k <= 4000; ++k) {
      const double phi = map.TrailingEdgeAngle() + 2.0 * kPi * k / 4000.0;
      const Complex p = map.Forward(map.Centre() + std::polar(map.Radius(), phi));
      s = spline.Nearest(p.real(), p.imag(), s, std::max(0.0, s - 0.05),
                         std::min(spline.Length(), s + 0.05));
      double x, y;
      spline.Eval(s, x, y);
      worst = std::max(worst, std::hypot(x - p.real(), y - p.imag()));
    }
    EXPECT_LT(worst, 1e-5) << code;
  }
}

// The series by Horner's scheme in blocks is the plain sum of its terms
// (a count of terms that is no multiple of the block, and |u| up to 1), and
// the number of terms it takes follows the cutoff: all of them on the
// circle, fewer the farther out and the looser the cutoff, never one whose
// bound lies above the cutoff.
TEST(PowerSeries, HornerSumIsTheSumOfItsTermsAndCountsThem) {
  std::vector<Complex> c;
  for (int k = 1; k <= 37; ++k)
    c.push_back(std::polar(std::pow(0.7, k), 0.9 * k));  // |c_k| = 0.7^k
  const PowerSeries series(c);
  EXPECT_EQ(series.Size(), 37u);
  for (const double r : {1.0, 0.93, 0.5, 0.1}) {
    for (int j = 0; j < 12; ++j) {
      const Complex u = std::polar(r, 2.0 * kPi * (j + 0.3) / 12.0);
      Complex plain = 0.0, weighted = 0.0, power = 1.0;
      for (std::size_t k = 0; k < c.size(); ++k) {
        power *= u;
        plain += c[k] * power;
        weighted += double(k + 1) * c[k] * power;
      }
      Complex w;
      EXPECT_LT(std::abs(series.Sum(u, 0.0, &w) - plain), 1e-15);
      EXPECT_LT(std::abs(w - weighted), 1e-14);
      EXPECT_LT(std::abs(series.Sum(u, 0.0) - plain), 1e-15);
      // With a cutoff the left-out terms weigh less than their bound.
      EXPECT_LT(std::abs(series.Sum(u, 1e-6) - plain), 1e-6 / (1.0 - 0.7 * r));
    }
  }
  EXPECT_EQ(series.TermsFor(0.0, 1e-16), 37u);
  EXPECT_EQ(series.TermsFor(0.0, 0.0), 37u);
  std::size_t previous = 37;
  for (const double r : {0.9, 0.5, 0.1, 1e-3}) {
    const std::size_t terms = series.TermsFor(std::log(r), 1e-12);
    EXPECT_LE(terms, previous) << r;
    previous = terms;
    // The first term left out lies below the cutoff, the last one taken above it
    // (the bound of ln|u| the series uses may take one or two more).
    if (terms < 37) {
      EXPECT_LT(std::pow(r * 0.7, double(terms + 1)), 1e-12) << r;
    }
    if (terms > 2) {
      EXPECT_GE(std::pow(r * 0.7, double(terms - 2)), 1e-12) << r;
    }
  }
  EXPECT_LT(series.TermsFor(std::log(0.5), 1e-6), series.TermsFor(std::log(0.5), 1e-12));
  EXPECT_EQ(PowerSeries().Sum(Complex(0.5, 0.5), 0.0), Complex(0.0));
}

// The images of equally spaced circle points all at once (one transform for
// a power of two) are Forward's, for both the map and its ProfileMap.
TEST(TheodorsenMap, CircleImagesAreForwardsImages) {
  const TheodorsenMap map = MapOf(NacaProfile("4412"));
  for (const int count : {4096, 64, 1000}) {
    const double from = map.TrailingEdgeAngle();
    const std::vector<Complex> images = map.CircleImages(from, count);
    ASSERT_EQ(images.size(), static_cast<std::size_t>(count));
    double worst = 0.0;
    for (int j = 0; j < count; ++j) {
      const Complex z = map.Centre() + std::polar(map.Radius(), from + 2.0 * kPi * j / count);
      worst = std::max(worst, std::abs(images[static_cast<std::size_t>(j)] - map.Forward(z)));
    }
    EXPECT_LT(worst, 1e-13) << count;
  }
  EXPECT_TRUE(map.CircleImages(0.0, 0).empty());
}

// From 1.1 R out Forward and Derivative take the map's Laurent series
// about the centre: it agrees with the two stages (the near circle's series,
// then the pre-map) to rounding, from its inner circle out to 10 R (beyond,
// the pre-map's 1 - q cancels), and the derivative with the difference
// quotient of the two stages; far out zeta - z settles to a constant and
// dzeta/dz to 1.
TEST(TheodorsenMap, FarSeriesIsTheMapItself) {
  for (const char* code : {"4412", "0012", "23012"}) {
    const TheodorsenMap map = MapOf(NacaProfile(code));
    const double R = map.Radius();
    double worst = 0.0, worstSlope = 0.0;
    for (const double r : {1.1, 1.1000001, 1.25, 1.3, 1.7, 3.0, 10.0}) {
      for (int k = 0; k < 64; ++k) {
        const Complex z = map.Centre() + std::polar(r * R, 2.0 * kPi * (k + 0.21) / 64.0);
        const Complex staged = map.PreMap(map.NearCircle(z));
        worst = std::max(worst, std::abs(map.Forward(z) - staged) / std::abs(staged));
        const double h = 1e-5 * r * R;
        const Complex slope =
            (map.PreMap(map.NearCircle(z + h)) - map.PreMap(map.NearCircle(z - h))) / (2.0 * h);
        worstSlope = std::max(worstSlope, std::abs(map.Derivative(z) - slope));
      }
    }
    EXPECT_LT(worst, 3e-14) << code;
    EXPECT_LT(worstSlope, 1e-9) << code;
    const Complex far = map.Centre() + 1e8 * R;
    const Complex shift = map.Forward(far) - far;
    for (int k = 1; k < 16; ++k) {
      const Complex z = map.Centre() + std::polar(1e8 * R, 2.0 * kPi * k / 16.0);
      EXPECT_LT(std::abs(map.Forward(z) - z - shift), 1e-8) << code;
      EXPECT_LT(std::abs(map.Derivative(z) - 1.0), 1e-15) << code;
    }
  }
}

// The number of terms follows from the tolerances: a tighter lift
// tolerance takes more terms, and the lift it gives moves by less.
TEST(TheodorsenMap, TermsFollowFromTheTolerances) {
  const AirfoilResult result = NacaProfile("4412");
  const auto& contour = std::get<AirfoilContour>(result);
  TheodorsenMapOptions loose, tight;
  loose.liftTolerance = 1e-3;
  loose.contourTolerance = 1e-3;
  tight.liftTolerance = 1e-8;
  const auto a = std::get<TheodorsenMap>(BuildTheodorsenMap(contour, loose));
  const auto b = std::get<TheodorsenMap>(BuildTheodorsenMap(contour, tight));
  EXPECT_LT(a.Terms(), b.Terms());
  EXPECT_LE(b.LiftChange(), 1e-8);
  const double standard =
      std::get<TheodorsenMap>(BuildTheodorsenMap(contour)).LiftCoefficient(4 * kDeg);
  EXPECT_NEAR(standard / b.LiftCoefficient(4 * kDeg), 1.0, 1e-6);
}

}  // namespace
}  // namespace fluvenna
