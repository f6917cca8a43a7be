// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_map.h"

#include <cmath>

#include "flow/circle_model.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

// Beyond this multiple of cJ the Joukowski map is the identity to far below
// rounding (cJ^2 / zeta is 1e-100 of zeta), and the squares of the root
// formula would overflow further out.
constexpr double kFarField = 1e50;
// Newton's method for the inverse stops when a step is below this fraction
// of |z| (a few units in the last place of the circle-plane point), or after
// kNewtonSteps steps.
constexpr double kNewtonStep = 1e-13;
constexpr int kNewtonSteps = 60;
// ...and its end point must map to within this fraction of |zeta| of zeta.
constexpr double kNewtonResidual = 1e-9;
// A step that would land this far inside the circle is halved instead.
constexpr int kNewtonHalvings = 40;

double Norm(double x, double y) {
  return x * x + y * y;
}

}  // namespace

JoukowskiProfileMap::JoukowskiProfileMap(double cJ, double nC, int nExp, double xc, double yc,
                                         double A, double cJModel)
    : cJ_(cJ), nC_(nC), nExp_(nExp), xc_(xc), yc_(yc), A_(A), cJModel_(cJModel) {}

double JoukowskiProfileMap::TrailingEdgeSpeed(double AlfaBeta) const {
  return cJModel_ * std::fabs(std::cos(AlfaBeta)) / A_;
}

std::optional<ProfileMap::Complex> JoukowskiProfileMap::Forward(Complex z) const {
  const auto image = MapPoint(z.real(), z.imag(), cJ_, nC_, nExp_);
  if (!image) return std::nullopt;
  return Complex(image->first, image->second);
}

ProfileMap::Complex JoukowskiProfileMap::Derivative(Complex z) const {
  return 1.0 - cJ_ * cJ_ / (z * z);
}

std::optional<ProfileMap::Complex> JoukowskiProfileMap::Inverse(Complex zeta) const {
  const double x = zeta.real(), y = zeta.imag();
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  const double c = cJ_;
  if (Norm(x, y) > (kFarField * c) * (kFarField * c)) return zeta;
  const double inner2 =
      (A_ * (1.0 - kInsideCircleTolerance)) * (A_ * (1.0 - kInsideCircleTolerance));
  const double outer2 =
      (A_ * (1.0 + kInsideCircleTolerance)) * (A_ * (1.0 + kInsideCircleTolerance));
  double z1x = 0.0, z1y = 0.0;
  JoukowskiLargerRoot(x, y, c, z1x, z1y);
  const double d1 = Norm(z1x - xc_, z1y - yc_);
  if (d1 > outer2) return Complex(z1x, z1y);  // at most one root lies outside the circle
  const double k = (c * c) / Norm(z1x, z1y);
  const double z2x = k * z1x, z2y = -k * z1y;
  const double d2 = Norm(z2x - xc_, z2y - yc_);
  if (std::max(d1, d2) < inner2) return std::nullopt;
  return d1 >= d2 ? Complex(z1x, z1y) : Complex(z2x, z2y);
}

std::vector<MapCriticalPoint> JoukowskiProfileMap::CriticalPoints() const {
  return {{Complex(cJ_, 0.0), Complex(nC_, 0.0), true},
          // The circle passes through -cJ too when its centre has no x offset
          // (Eps = 0: the flat plate and the circular arcs).
          {Complex(-cJ_, 0.0), Complex(-nC_, 0.0), xc_ == 0.0}};
}

std::shared_ptr<const ProfileMap> MapOf(const CircleModel& c, int nExp) {
  if (c.map) return c.map;
  const double cJ =
      TurnAndShiftPoint(c, c.A * std::cos(-c.AlfaBeta), c.A * std::sin(-c.AlfaBeta)).first;
  return std::make_shared<JoukowskiProfileMap>(cJ, c.nC, nExp, c.xc, c.yc, c.A, c.cJ);
}

std::optional<Complex> NewtonInverse(const ProfileMap& map, Complex zeta, Complex start) {
  if (!std::isfinite(zeta.real()) || !std::isfinite(zeta.imag())) return std::nullopt;
  const Complex zc = map.CircleCentre();
  const double A = map.CircleRadius();
  const double inside = A * (1.0 - kInsideCircleTolerance);
  Complex z = start;
  for (int step = 0; step < kNewtonSteps; ++step) {
    const auto image = map.Forward(z);
    if (!image) return std::nullopt;
    const Complex d = map.Derivative(z);
    Complex dz = (*image - zeta) / d;
    if (!std::isfinite(dz.real()) || !std::isfinite(dz.imag())) return std::nullopt;
    int halvings = 0;
    while (std::abs(z - dz - zc) < inside && halvings++ < kNewtonHalvings) dz *= 0.5;
    z -= dz;
    if (std::abs(dz) <= kNewtonStep * std::max(std::abs(z), A)) {
      // A step cut short at the circle also ends here: the image must be zeta.
      const auto reached = map.Forward(z);
      if (std::abs(z - zc) < inside || !reached ||
          std::abs(*reached - zeta) > kNewtonResidual * std::max(std::abs(zeta), A)) {
        return std::nullopt;
      }
      return z;
    }
  }
  return std::nullopt;
}

}  // namespace fluvenna
