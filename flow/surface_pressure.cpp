// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/surface_pressure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>

#include "flow/mapping.h"
#include "flow/profile_map.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

constexpr double kPi = 3.14159265358979323846264338327950;
constexpr double kTwoPi = 2.0 * kPi;
// Golden-section search for the lowest Cp stops when its bracket of circle
// angles is this narrow; Cp is then exact to about its square.
constexpr double kAngleTolerance = 1e-10;
// ...or after this many steps: far from zero (a typed angle of attack of
// 1e12 degrees) a bracket cannot shrink below one ulp of its angles, which
// may be wider than the tolerance. From a bracket of two sample spacings the
// tolerance is reached in about 45 steps.
constexpr int kGoldenSectionSteps = 200;

// The flow of a pass on its circle, seen on the airfoil.
class SurfaceFlow {
 public:
  SurfaceFlow(const FlowParameters& p, const CircleModel& c, const ProfileMeasure& profile)
      : c_(c), map_(MapOf(c, p.nExp)), U0_(p.U0), kuttaMet_(p.iKutta == 1.0), profile_(profile) {
    ux_ = (profile.trailingX - profile.leadingX) / profile.chord;
    uy_ = (profile.trailingY - profile.leadingY) / profile.chord;
  }

  double thetaTE() const { return -c_.AlfaBeta; }
  double thetaLE() const { return profile_.leadingAngle - c_.AlfaRad; }
  bool kuttaMet() const { return kuttaMet_; }
  // False when the map has a second sharp edge on the circle besides the
  // trailing edge (the flat plate's leading edge).
  bool leadingEdgeSmooth() const {
    const auto critical = map_->CriticalPoints();
    return std::none_of(critical.begin() + std::min<std::size_t>(1, critical.size()),
                        critical.end(), [](const MapCriticalPoint& k) { return k.onCircle; });
  }

  // The point at circle angle theta; at the trailing-edge point itself
  // (`trailingEdge`) the speed is the limit of the header.
  SurfacePoint At(double theta, SurfaceSide side, bool trailingEdge = false) const {
    SurfacePoint s;
    s.side = side;
    s.theta = theta;
    const double wx = c_.A * std::cos(theta), wy = c_.A * std::sin(theta);
    const auto [zx, zy] = TurnAndShiftPoint(c_, wx, wy);
    const auto [image, dzetadz] = map_->ForwardWithDerivative({zx, zy});
    s.x = image ? image->real() : std::nan("");
    s.y = image ? image->imag() : std::nan("");
    s.xc = ((s.x - profile_.leadingX) * ux_ + (s.y - profile_.leadingY) * uy_) / profile_.chord;
    if (trailingEdge) {
      s.q = map_->TrailingEdgeSpeed(c_.AlfaBeta);  // already / U0
    } else {
      const Complex w(wx, wy);
      const Complex dFdw = U0_ * (1.0 - c_.A * c_.A / (w * w)) + Complex(0.0, c_.Gm) / w;
      s.q = std::abs(dFdw) / std::abs(dzetadz) / U0_;
    }
    s.Cp = 1.0 - s.q * s.q;
    return s;
  }

 private:
  const CircleModel& c_;
  std::shared_ptr<const ProfileMap> map_;
  double U0_;
  bool kuttaMet_;
  const ProfileMeasure& profile_;
  double ux_ = 1.0, uy_ = 0.0;
};

bool Finite(const SurfacePoint& s) {
  return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.q) && std::isfinite(s.Cp);
}

// Smallest value of f on [a, b] by golden-section search, and where.
template <typename F>
std::pair<double, double> GoldenMinimum(const F& f, double a, double b) {
  const double g = 0.5 * (std::sqrt(5.0) - 1.0);
  double c = b - g * (b - a), d = a + g * (b - a);
  double fc = f(c), fd = f(d);
  for (int step = 0; step < kGoldenSectionSteps && std::fabs(b - a) > kAngleTolerance; ++step) {
    if (fc < fd) {
      b = d, d = c, fd = fc, c = b - g * (b - a), fc = f(c);
    } else {
      a = c, c = d, fc = fd, d = a + g * (b - a), fd = f(d);
    }
  }
  return fc < fd ? std::pair{fc, c} : std::pair{fd, d};
}

}  // namespace

const char* SurfaceSideName(SurfaceSide side) {
  return side == SurfaceSide::kUpper ? "upper" : "lower";
}

SurfacePressure ComputeSurfacePressure(const FlowParameters& p, const CircleModel& c,
                                       const ProfileMeasure& profile,
                                       const SurfacePressureOptions& options) {
  SurfacePressure result;
  if (!(profile.chord > 0.0) || !std::isfinite(profile.chord)) {
    result.notes.push_back("the surface is not computed: the chord of the profile is not usable");
    return result;
  }
  const SurfaceFlow flow(p, c, profile);
  result.chord = profile.chord;
  result.leadingX = profile.leadingX, result.leadingY = profile.leadingY;
  result.trailingX = profile.trailingX, result.trailingY = profile.trailingY;
  result.trailingEdgeKept = flow.kuttaMet();
  result.leadingEdgeKept = flow.leadingEdgeSmooth();

  const int n = std::max(options.intervalsPerSurface, SurfacePressureOptions::kFewestIntervals);
  const double teUpper = flow.thetaTE(), le = flow.thetaLE(), teLower = teUpper + kTwoPi;
  int leftOut = 0;
  const auto add = [&](double from, double to, SurfaceSide side) {
    for (int i = 0; i <= n; ++i) {
      const double theta = from + (to - from) * (0.5 * (1.0 - std::cos(kPi * i / n)));
      const bool atTrailingEdge =
          (side == SurfaceSide::kUpper && i == 0) || (side == SurfaceSide::kLower && i == n);
      const bool atLeadingEdge =
          (side == SurfaceSide::kUpper && i == n) || (side == SurfaceSide::kLower && i == 0);
      if (atTrailingEdge && !result.trailingEdgeKept) continue;
      if (atLeadingEdge && !result.leadingEdgeKept) continue;
      const SurfacePoint s = flow.At(
          atTrailingEdge ? (side == SurfaceSide::kUpper ? from : to) : theta, side, atTrailingEdge);
      if (!Finite(s)) {
        ++leftOut;
        continue;
      }
      result.points.push_back(s);
    }
  };
  add(teUpper, le, SurfaceSide::kUpper);
  add(le, teLower, SurfaceSide::kLower);

  if (!flow.kuttaMet()) {
    result.notes.push_back(
        "the trailing edge is left out of the surface: with a Kutta factor other than 1 the "
        "speed there is unbounded");
  }
  if (!result.leadingEdgeKept) {
    result.notes.push_back(
        "the leading edge is left out of the surface: the circle passes through both singular "
        "points of the map, so the speed there is unbounded too");
  }
  if (leftOut > 0) {
    result.notes.push_back(std::to_string(leftOut) +
                           " surface point(s) with an unbounded speed left out");
  }
  if (result.points.empty()) return result;

  // C_L = (1 / c) sum over segments of (Cp_i + Cp_i+1) / 2 (cos a dx + sin a dy).
  double sum = 0.0;
  for (std::size_t i = 1; i < result.points.size(); ++i) {
    const SurfacePoint& a = result.points[i - 1];
    const SurfacePoint& b = result.points[i];
    sum += 0.5 * (a.Cp + b.Cp) * (c.CosAlfa * (b.x - a.x) + c.SinAlfa * (b.y - a.y));
  }
  if (result.leadingEdgeKept) result.CL = sum / profile.chord;

  std::size_t lowest = 0;
  for (std::size_t i = 1; i < result.points.size(); ++i) {
    if (result.points[i].Cp < result.points[lowest].Cp) lowest = i;
  }
  SurfacePoint best = result.points[lowest];
  if (lowest > 0 && lowest + 1 < result.points.size() &&
      result.points[lowest - 1].side == best.side && result.points[lowest + 1].side == best.side) {
    const auto Cp = [&](double theta) { return flow.At(theta, best.side).Cp; };
    const auto [value, theta] =
        GoldenMinimum(Cp, result.points[lowest - 1].theta, result.points[lowest + 1].theta);
    if (value < best.Cp) best = flow.At(theta, best.side);
  }
  result.CpMin = best.Cp;
  result.CpMinXc = best.xc;
  result.CpMinSide = best.side;
  return result;
}

SurfacePressure ComputeSurfacePressure(const FlowParameters& p, const CircleModel& c,
                                       const SurfacePressureOptions& options) {
  // The designed profile is measured from its table row (as at Alfa = 0);
  // any other from its map.
  if (c.map && !c.map->Joukowski()) {
    return ComputeSurfacePressure(p, c, MeasureProfile(*c.map), options);
  }
  return ComputeSurfacePressure(p, c, MeasureProfile(p.Eps, p.Mu), options);
}

}  // namespace fluvenna
