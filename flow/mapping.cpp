// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/mapping.h"

#include <cmath>
#include <memory>
#include <string>

namespace fluvenna {

std::pair<double, double> TurnAndShiftPoint(const CircleModel& c, double x, double y) {
  return {(c.xc + x * c.CosAlfa) - y * c.SinAlfa, (c.yc + y * c.CosAlfa) + x * c.SinAlfa};
}

void TurnAndShift(const CircleModel& c, int lastCurve, PointArrays& arrays) {
  for (int k = 0; k <= lastCurve; ++k) {
    for (int j = 1; j <= arrays.NP[k]; ++j) {
      const auto [x, y] = TurnAndShiftPoint(c, arrays.XA(k, j), arrays.YA(k, j));
      arrays.XP(k, j) = x;
      arrays.YP(k, j) = y;
    }
  }
}

namespace {

// q^n for a whole n >= 0 by repeated squaring: q^2 is q * q exactly rounded,
// as pow gives it, at a small part of pow's cost (the map runs for every
// point of every pass). A negative n is left to pow.
double WholePower(double q, int n) {
  if (n < 0) return std::pow(q, n);
  double result = 1.0;
  for (double square = q; n > 0; n >>= 1, square *= square) {
    if (n & 1) result *= square;
  }
  return result;
}

}  // namespace

std::optional<std::pair<double, double>> MapPoint(double x, double y, double cJ, double nC,
                                                  int nExp) {
  const double Pi = 4.0 * std::atan(1.0);
  const double Rho = std::sqrt(x * x + y * y) / cJ;
  if (!(Rho != 0.0) || !std::isfinite(Rho)) return std::nullopt;  // z = 0 has no image
  const double CosFi = (x / Rho) / cJ;
  const double SinFi = (y / Rho) / cJ;
  const double Vp = std::sqrt((1.0 + Rho * Rho) + (2.0 * Rho) * CosFi);
  double s = (1.0 + Rho * Rho) - (2.0 * Rho) * CosFi;
  if (s < 0.0) s = 0.0;
  const double Vm = std::sqrt(s);
  const double Q = Vm / Vp;
  const double Q2n = WholePower(Q, 2 * nExp);
  // At z = -cJ (and so near it that Q^(2 nExp) overflows) W is infinite and
  // the map tends to -nC.
  if (Vp == 0.0 || std::isinf(Q2n)) return std::make_pair(-nC, 0.0);

  double Fi = 0.0;
  if (Rho == 1.0) {
    Fi = Pi / 2.0;
  } else {
    Fi = std::atan((2.0 * SinFi) / (Rho - 1.0 / Rho));
    if (Rho < 1.0) Fi = Fi - Pi;
  }
  const double Qn = WholePower(Q, nExp);
  const double Den = (1.0 + Q2n) - (2.0 * Qn) * std::cos(nExp * Fi);
  const double xi = nC * (1.0 - Q2n) / Den;
  const double eta = ((2.0 * nC) * Qn) * std::sin(nExp * Fi) / Den;
  if (!std::isfinite(xi) || !std::isfinite(eta)) return std::nullopt;
  return std::make_pair(xi, eta);
}

void MapToAirfoil(const CircleModel& c, int nExp, int lastCurve, PointArrays& arrays,
                  std::vector<std::string>& notes) {
  // The pass's map; a circle model without one gets the designed map with
  // cJ read from the turned trailing-edge point before it is mapped.
  const std::shared_ptr<const ProfileMap> map =
      c.map ? c.map
            : std::make_shared<JoukowskiProfileMap>(arrays.XP(0, 1), c.nC, nExp, c.xc, c.yc, c.A,
                                                    c.cJ);
  for (int k = 0; k <= lastCurve; ++k) {
    int kept = 0;
    for (int j = 1; j <= arrays.NP[k]; ++j) {
      const auto image = map->Forward({arrays.XP(k, j), arrays.YP(k, j)});
      if (!image) continue;
      ++kept;
      arrays.XP(k, kept) = image->real();
      arrays.YP(k, kept) = image->imag();
    }
    const int dropped = arrays.NP[k] - kept;
    if (dropped == 0) continue;
    const std::string curve = "curve " + std::to_string(k);
    if (kept < 2) {
      arrays.NP[k] = 0;
      notes.push_back(curve + " is left out of the airfoil plot: the map has no image of it");
    } else {
      arrays.NP[k] = kept;
      notes.push_back(curve + ": " + std::to_string(dropped) +
                      " point(s) at the centre of the map left out of the airfoil plot");
    }
  }
}

}  // namespace fluvenna
