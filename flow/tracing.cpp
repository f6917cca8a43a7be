// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/tracing.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "flow/root1.h"

namespace fluvenna {
namespace {

// cos(theta) >= 0 for a given sin(theta); false where |sin| > 1 or the value
// is not finite, i.e. where the streamline has no point.
bool CosineOf(double SinTeta, double& CosTeta) {
  const double s = 1.0 - SinTeta * SinTeta;
  if (!(s >= 0.0)) return false;
  CosTeta = std::sqrt(s);
  return true;
}

std::string CurveName(int k) {
  return "curve " + std::to_string(k);
}

// Curves 1 and 2: the dividing streamline psi = 0 from the rear stagnation
// point outwards, and its mirror in the y axis.
void TraceDividingStreamline(const FlowParameters& p, const CircleModel& c, PointArrays& a,
                             std::vector<std::string>& notes) {
  const double A = c.A;
  a.PSI[1] = 0.0;
  int n = 1;
  double SinTeta = -c.Circ / (4.0 * p.Pi * A * p.U0);
  double CosTeta = 0.0;
  if (!CosineOf(SinTeta, CosTeta) || !std::isfinite(A)) {
    a.NP[1] = a.NP[2] = 0;
    a.PSI[2] = 0.0;
    notes.push_back(
        "the dividing streamline is left out: the flow has no stagnation point on the circle "
        "(Kutta factor beyond 1)");
    return;
  }
  a.XA(1, 1) = A * CosTeta;
  a.YA(1, 1) = A * SinTeta;
  double R = A;
  for (;;) {
    if (n == PointArrays::kMaxPoint) {
      notes.push_back(CurveName(1) + " is cut short at " + std::to_string(n) +
                      " points (dR is too small to reach the edge of the plot)");
      break;
    }
    R = R + p.dR;
    SinTeta = -c.Gm * std::log(R / A) / (R - A * A / R);
    if (!CosineOf(SinTeta, CosTeta)) {
      notes.push_back(CurveName(1) + " ends early: the streamline has no further point");
      break;
    }
    ++n;
    const double x = R * CosTeta;
    a.XA(1, n) = x;
    a.YA(1, n) = R * SinTeta;
    if (!(x < p.XMax)) break;
  }
  a.NP[1] = (n >= 2) ? n : 0;
  if (n < 2) notes.push_back(CurveName(1) + " is left out: it has no second point");

  a.PSI[2] = 0.0;
  a.NP[2] = a.NP[1];
  for (int j = 1; j <= a.NP[2]; ++j) {
    a.XA(2, j) = -a.XA(1, j);
    a.YA(2, j) = a.YA(1, j);
  }
  if (a.NP[1] == 0) notes.push_back(CurveName(2) + " is left out with it");
}

// One streamline of a pair: the half x >= 0 traced from the apex into Xs/Ys,
// then mirrored into curve k. Kok carries over between calls as the root
// solver leaves it.
void TracePairCurve(int k, const FlowParameters& p, const CircleModel& c, PointArrays& a,
                    double& Kok, std::vector<std::string>& notes) {
  const double A = c.A;
  const double U0 = p.U0;
  double Sgn = 1.0;
  a.PSI[k] = p.dPsi * (k - 1) / 2;
  if (k == 2 * (k / 2)) {
    a.PSI[k] = -a.PSI[k - 1];
    Sgn = -1.0;
  }
  const double PSI = a.PSI[k];
  const double dTetaSL = -Sgn * p.Pi / 180.0;
  double Teta = Sgn * p.Pi / 2.0;

  // Apex on the y axis.
  double SinTeta = std::sin(Teta);
  std::int16_t iKok = 0;
  ROOT1(A, A, PSI, c.Gm, U0, SinTeta, iKok, Kok);
  double R = Kok;
  if (iKok == 0) {
    if (!ApexByBisection(A, PSI, c.Gm, U0, SinTeta, R)) {
      a.NP[k] = 0;
      notes.push_back(CurveName(k) + " is left out: its streamline does not cross the y axis");
      return;
    }
  }

  int n = 1;
  a.Xs(1) = 0.0;
  a.Ys(1) = Sgn * R;
  int iMod = 1;
  for (;;) {
    if (n == PointArrays::kMaxHalfPoints) {
      notes.push_back(CurveName(k) + " is cut short at " + std::to_string(2 * n - 1) +
                      " points (dR is too small to reach the edge of the plot)");
      break;
    }
    const double Rprev = R;
    double CosTeta = 0.0;
    bool defined = true;
    if (iMod == 1) {
      Teta = Teta + dTetaSL;
      SinTeta = std::sin(Teta);
      ROOT1(A, Rprev, PSI, c.Gm, U0, SinTeta, iKok, Kok);
      R = Kok;
      if (iKok == 0 || std::fabs(R - Rprev) > p.dR) {
        R = Rprev;
        iMod = 2;
      }
    }
    if (iMod == 2) {
      R = R + p.dR;
      const double span = R - A * A / R;
      SinTeta = (PSI - c.Gm * std::log(R / A)) / U0 / span;
      defined = (span != 0.0) && std::isfinite(SinTeta);
    }
    if (!defined || !CosineOf(SinTeta, CosTeta)) {
      notes.push_back(CurveName(k) + " ends early: the streamline has no further point");
      break;
    }
    ++n;
    a.Xs(n) = R * CosTeta;
    a.Ys(n) = R * SinTeta;
    if (!(a.Xs(n) < p.XMax)) break;
  }

  if (n < 2) {
    a.NP[k] = 0;
    notes.push_back(CurveName(k) + " is left out: it has no point beside its apex");
    return;
  }
  for (int j = 1; j <= n; ++j) {
    a.XA(k, n + j - 1) = a.Xs(j);
    a.YA(k, n + j - 1) = a.Ys(j);
    a.XA(k, n - j + 1) = -a.Xs(j);
    a.YA(k, n - j + 1) = a.Ys(j);
  }
  a.NP[k] = 2 * n - 1;
}

}  // namespace

bool ApexByBisection(double A, double PSI, double Gm, double U0, double SinTeta, double& R) {
  const auto f = [&](double r) {
    return U0 * (r - A * A / r) * SinTeta + Gm * std::log(r / A) - PSI;
  };
  if (!(A > 0.0) || !std::isfinite(A)) return false;
  const double fA = f(A);
  if (fA == 0.0) {
    R = A;
    return true;
  }
  // Look outward first (the streamlines outside the circle), then inward.
  constexpr int kSteps = 64;
  double lo = 0.0, hi = 0.0, flo = 0.0;
  bool bracketed = false;
  for (const double factor : {2.0, 0.5}) {
    double r0 = A, f0 = fA;
    for (int i = 0; i < kSteps && !bracketed; ++i) {
      const double r1 = r0 * factor;
      const double f1 = f(r1);
      if (!std::isfinite(f1)) break;
      if ((f0 < 0.0) != (f1 < 0.0)) {
        lo = r0;
        hi = r1;
        flo = f0;
        bracketed = true;
      }
      r0 = r1;
      f0 = f1;
    }
    if (bracketed) break;
  }
  if (!bracketed) return false;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid == lo || mid == hi) break;
    const double fm = f(mid);
    if (fm == 0.0) {
      lo = hi = mid;
      break;
    }
    if ((fm < 0.0) == (flo < 0.0)) {
      lo = mid;
      flo = fm;
    } else {
      hi = mid;
    }
  }
  R = 0.5 * (lo + hi);
  return std::isfinite(R);
}

void TraceStreamlines(const FlowParameters& p, const CircleModel& c, PointArrays& arrays,
                      std::vector<std::string>& notes) {
  TraceDividingStreamline(p, c, arrays, notes);
  const double last = (p.kMax > PointArrays::kMaxCurve) ? PointArrays::kMaxCurve : p.kMax;
  double Kok = 0.0;
  for (int k = 3; k <= last; ++k) TracePairCurve(k, p, c, arrays, Kok, notes);
}

}  // namespace fluvenna
