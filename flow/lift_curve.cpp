// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lift_curve.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "flow/circle_model.h"
#include "flow/profile_geometry.h"

namespace fluvenna {
namespace {

constexpr double kPi = 3.14159265358979323846264338327950;

// The camber ratio of the drawn profile: the row's GAMA, 0 for the flat plate.
double DrawnCamber(const FlowParameters& p) {
  return (p.profileRow > 0 && std::isfinite(p.GAMA)) ? p.GAMA : 0.0;
}

std::optional<double> IfFinite(double value) {
  return std::isfinite(value) ? std::optional<double>(value + 0.0) : std::nullopt;
}

// Why the curve cannot be drawn, or an empty text.
std::string Refusal(const FlowParameters& p, double chord) {
  if (!(std::isfinite(chord) && chord > 0.0))
    return "the chord of the profile is not a positive number";
  if (!std::isfinite(p.iKutta)) return "the Kutta factor is not a finite number";
  if (!std::isfinite(p.Eps) || !std::isfinite(p.Mu))
    return "the profile's circle is not made of finite numbers";
  return {};
}

// The angles of the curve, increasing: the whole degrees of the range,
// extended to reach alpha, and alpha itself.
std::vector<double> CurveAngles(double alpha, std::vector<std::string>& notes) {
  double first = kLiftCurveFirstDeg, last = kLiftCurveLastDeg;
  const bool finite = std::isfinite(alpha);
  const bool extends = finite && std::fabs(alpha) <= kLiftCurveExtendLimitDeg;
  if (extends) {
    first = std::min(first, std::floor(alpha));
    last = std::max(last, std::ceil(alpha));
  }
  std::vector<double> angles;
  angles.reserve(static_cast<std::size_t>(last - first) + 2);
  for (double a = first; a <= last; a += 1.0) angles.push_back(a);
  if (!finite) {
    notes.push_back("alpha is not a finite number, so the curve has no point for it");
  } else {
    if (!extends) {
      notes.push_back(
          "alpha lies more than one turn from zero: the curve shows it as a lone point");
    }
    const auto at = std::lower_bound(angles.begin(), angles.end(), alpha);
    if (at == angles.end() || *at != alpha) angles.insert(at, alpha);
  }
  return angles;
}

}  // namespace

namespace {

// The lift curve with the circle of `profile` (the designed one when null)
// and the thin-airfoil zero-lift angle `thinZeroLift` (radians).
LiftCurve ComputeLift(const FlowParameters& p, double chord,
                      const std::shared_ptr<const ProfileMap>& profile, double thinZeroLift) {
  LiftCurve curve;
  curve.chord = chord;
  const CircleModel c = profile ? ComputeCircleModel(p, profile) : ComputeCircleModel(p);
  const double alphaL0Thin = thinZeroLift;  // radians
  curve.zeroLiftDeg = IfFinite(-c.Beta / p.DegRad);
  curve.zeroLiftThinDeg = IfFinite(alphaL0Thin / p.DegRad);

  curve.notComputed = Refusal(p, chord);
  if (!curve.notComputed.empty()) return curve;

  const double thinSlope = 2.0 * p.Pi;
  for (const double alpha : CurveAngles(p.Alfa, curve.notes)) {
    LiftCurvePoint point;
    point.alpha_deg = alpha + 0.0;
    point.cl = LiftCoefficientAt(p, chord, alpha, profile);
    point.cl_thin = thinSlope * (p.DegRad * alpha - alphaL0Thin) + 0.0;
    if (alpha == p.Alfa) curve.passPoint = curve.points.size();
    curve.points.push_back(point);
  }

  if (curve.passPoint) {
    // d/dalpha of 2 Circ / (U0 chord), Circ = 4 Pi A U0 sin(AlfaBeta) iKutta.
    const double slope =
        2.0 * ((((4.0 * p.Pi) * c.A) * p.U0) * std::cos(c.AlfaBeta)) * p.iKutta / (p.U0 * chord);
    curve.slopePerRad = IfFinite(slope);
    curve.slopePerDeg = IfFinite(slope * p.DegRad);
    curve.slopeRatio = IfFinite(slope / thinSlope);
  }
  return curve;
}

}  // namespace

double LiftCoefficientAt(const FlowParameters& p, double chord, double alphaDeg,
                         const std::shared_ptr<const ProfileMap>& profile) {
  FlowParameters at = p;
  at.Alfa = alphaDeg;
  const CircleModel c = profile ? ComputeCircleModel(at, profile) : ComputeCircleModel(at);
  return LiftCoefficient(c.Circ, p.U0, chord) + 0.0;
}

LiftCurve ComputeLiftCurve(const FlowParameters& p, double chord) {
  return ComputeLift(p, chord, nullptr, -2.0 * DrawnCamber(p));
}

LiftCurve ComputeLiftCurve(const FlowParameters& p, double chord,
                           const std::shared_ptr<const ProfileMap>& profile) {
  return ComputeLift(p, chord, profile, ThinAirfoilZeroLift(*profile));
}

double ThinAirfoilZeroLift(const ProfileMap& map) {
  const std::complex<double> zc = map.CircleCentre(), zTE = map.TrailingEdgeCirclePoint();
  const double t0 = std::arg(zTE - zc);
  const auto te = map.Forward(zTE);
  if (!te) return std::nan("");
  // The contour from the trailing edge counter-clockwise (upper surface
  // first for a profile in the usual orientation) back to it.
  std::vector<std::complex<double>> pts;
  pts.reserve(kMeanLineSamples + 1);
  std::size_t le = 0;
  double farthest = -1.0;
  const auto images = map.CircleImages(t0, kMeanLineSamples);
  for (int j = 0; j <= kMeanLineSamples; ++j) {
    const auto& image = images[static_cast<std::size_t>(j % kMeanLineSamples)];
    if (!image) return std::nan("");
    pts.push_back(j == 0 || j == kMeanLineSamples ? *te : *image);
    if (std::norm(pts.back() - *te) > farthest)
      farthest = std::norm(pts.back() - *te), le = pts.size() - 1;
  }
  const double xLE = pts[le].real(), xTE = te->real();
  if (!(xTE > xLE)) return std::nan("");
  // y on the part of the contour from `from` to `to` (inclusive) at x, by
  // linear interpolation between the first pair of points that brackets x.
  const auto height = [&](std::size_t from, std::size_t to, double x) {
    const int step = from < to ? 1 : -1;
    for (std::size_t i = from; i != to; i += step) {
      const std::complex<double> a = pts[i], b = pts[i + step];
      if ((a.real() - x) * (b.real() - x) <= 0.0 && a.real() != b.real()) {
        return a.imag() + (x - a.real()) / (b.real() - a.real()) * (b.imag() - a.imag());
      }
    }
    return std::nan("");
  };
  const auto mean = [&](double x) {
    return 0.5 * (height(le, 0, x) + height(le, pts.size() - 1, x));
  };
  const auto station = [&](double t) { return xLE + (xTE - xLE) * 0.5 * (1.0 - std::cos(t)); };
  double sum = 0.0;
  double previousX = xLE, previousY = pts[le].imag();
  for (int i = 1; i <= kMeanLineStations; ++i) {
    const double t = kPi * i / kMeanLineStations, mid = kPi * (i - 0.5) / kMeanLineStations;
    const double x = station(t);
    const double y = i == kMeanLineStations ? te->imag() : mean(x);
    const double slope = (y - previousY) / (x - previousX);
    sum += slope * (std::cos(mid) - 1.0) * (kPi / kMeanLineStations);
    previousX = x, previousY = y;
  }
  return -sum / kPi;
}

}  // namespace fluvenna
