// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lift_curve.h"

#include <algorithm>
#include <cmath>

#include "flow/circle_model.h"
#include "flow/profile_geometry.h"

namespace fluvenna {
namespace {

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

double LiftCoefficientAt(const FlowParameters& p, double chord, double alphaDeg) {
  FlowParameters at = p;
  at.Alfa = alphaDeg;
  return LiftCoefficient(ComputeCircleModel(at).Circ, p.U0, chord) + 0.0;
}

LiftCurve ComputeLiftCurve(const FlowParameters& p, double chord) {
  LiftCurve curve;
  curve.chord = chord;
  const CircleModel c = ComputeCircleModel(p);
  const double camber = DrawnCamber(p);
  const double alphaL0Thin = -2.0 * camber;  // radians
  curve.zeroLiftDeg = IfFinite(-c.Beta / p.DegRad);
  curve.zeroLiftThinDeg = IfFinite(alphaL0Thin / p.DegRad);

  curve.notComputed = Refusal(p, chord);
  if (!curve.notComputed.empty()) return curve;

  const double thinSlope = 2.0 * p.Pi;
  for (const double alpha : CurveAngles(p.Alfa, curve.notes)) {
    LiftCurvePoint point;
    point.alpha_deg = alpha + 0.0;
    point.cl = LiftCoefficientAt(p, chord, alpha);
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

}  // namespace fluvenna
