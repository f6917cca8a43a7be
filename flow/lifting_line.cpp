// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lifting_line.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace fluvenna {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
// A chord below this (in mean chords) counts as the pointed tip.
constexpr double kZeroChord = 1e-12;
// Newton's method for the Gauss nodes: quadratic from Tricomi's guess, so a
// few steps reach rounding; the tolerance stops it there.
constexpr int kNewtonSteps = 10;
constexpr double kNewtonTolerance = 1e-15;
// Root angles closer than this (radians) count as the same in FindStallOnset.
constexpr double kStallTie = 1e-9;

bool Finite(double x) {
  return std::isfinite(x);
}

// Solves M x = r for two right-hand sides in place; M is n x n, row major.
// Gaussian elimination with partial pivoting. False for a singular matrix.
bool SolveTwo(std::vector<double>& M, int n, std::vector<double>& r1, std::vector<double>& r2) {
  const auto at = [&](int i, int j) -> double& {
    return M[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) +
             static_cast<std::size_t>(j)];
  };
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int i = k + 1; i < n; ++i) {
      if (std::fabs(at(i, k)) > std::fabs(at(pivot, k))) pivot = i;
    }
    if (!(std::fabs(at(pivot, k)) > 0.0)) return false;
    if (pivot != k) {
      for (int j = 0; j < n; ++j) std::swap(at(k, j), at(pivot, j));
      std::swap(r1[static_cast<std::size_t>(k)], r1[static_cast<std::size_t>(pivot)]);
      std::swap(r2[static_cast<std::size_t>(k)], r2[static_cast<std::size_t>(pivot)]);
    }
    const double inverse = 1.0 / at(k, k);
    for (int i = k + 1; i < n; ++i) {
      const double f = at(i, k) * inverse;
      if (f == 0.0) continue;
      for (int j = k + 1; j < n; ++j) at(i, j) -= f * at(k, j);
      r1[static_cast<std::size_t>(i)] -= f * r1[static_cast<std::size_t>(k)];
      r2[static_cast<std::size_t>(i)] -= f * r2[static_cast<std::size_t>(k)];
    }
  }
  for (int k = n - 1; k >= 0; --k) {
    double s1 = r1[static_cast<std::size_t>(k)], s2 = r2[static_cast<std::size_t>(k)];
    for (int j = k + 1; j < n; ++j) {
      s1 -= at(k, j) * r1[static_cast<std::size_t>(j)];
      s2 -= at(k, j) * r2[static_cast<std::size_t>(j)];
    }
    r1[static_cast<std::size_t>(k)] = s1 / at(k, k);
    r2[static_cast<std::size_t>(k)] = s2 / at(k, k);
  }
  return true;
}

// sin(n theta) for the odd n = 1, 3, ..., 2N-1 by the recurrence
// sin((n+2) theta) = 2 cos(2 theta) sin(n theta) - sin((n-2) theta).
void OddSines(double theta, int terms, double* out) {
  const double c2 = 2.0 * std::cos(2.0 * theta);
  double previous = -std::sin(theta);  // sin(-theta)
  double current = std::sin(theta);
  for (int k = 0; k < terms; ++k) {
    out[k] = current;
    const double next = c2 * current - previous;
    previous = current;
    current = next;
  }
}

// The series' sums at one theta: sum A_n sin n theta and alpha_i.
struct SeriesSums {
  double sum = 0.0;
  double induced = 0.0;
};
SeriesSums SumSeries(const std::vector<double>& A, double theta) {
  const int terms = static_cast<int>(A.size());
  std::vector<double> sines(static_cast<std::size_t>(terms));
  OddSines(theta, terms, sines.data());
  const double s = std::sin(theta);
  SeriesSums out;
  double nA = 0.0;
  for (int k = 0; k < terms; ++k) {
    const double n = 2.0 * k + 1.0;
    out.sum += A[static_cast<std::size_t>(k)] * sines[static_cast<std::size_t>(k)];
    nA += n * A[static_cast<std::size_t>(k)] * sines[static_cast<std::size_t>(k)];
  }
  if (std::fabs(s) > 1e-9) {
    out.induced = nA / s;
  } else {  // at a tip sin(n theta) / sin(theta) -> n for odd n
    for (int k = 0; k < terms; ++k) {
      const double n = 2.0 * k + 1.0;
      out.induced += n * n * A[static_cast<std::size_t>(k)];
    }
  }
  return out;
}

std::vector<double> Combine(const LiftingLineSolution& s, double alphaRoot) {
  const double u = alphaRoot - s.section.zeroLiftAngle;
  const double t = s.shape.washoutDeg * kDegree;
  std::vector<double> A(s.untwisted.size());
  for (std::size_t k = 0; k < A.size(); ++k) A[k] = u * s.untwisted[k] + t * s.twist[k];
  return A;
}

}  // namespace

FiniteWingFault CheckFiniteWing(const FiniteWingShape& shape) {
  if (!Finite(shape.aspectRatio) || !Finite(shape.taper) || !Finite(shape.washoutDeg)) {
    return FiniteWingFault::kNotFinite;
  }
  if (shape.aspectRatio < kLowestAspectRatio || shape.aspectRatio > kHighestAspectRatio) {
    return FiniteWingFault::kAspectRatioOutOfRange;
  }
  if (shape.taper < kLowestTaper || shape.taper > kHighestTaper) {
    return FiniteWingFault::kTaperOutOfRange;
  }
  if (std::fabs(shape.washoutDeg) > kLargestWashoutDeg) return FiniteWingFault::kWashoutOutOfRange;
  return FiniteWingFault::kNone;
}

const char* PlanformName(Planform planform) {
  switch (planform) {
    case Planform::kRectangular:
      return "rectangular";
    case Planform::kTapered:
      return "tapered";
    case Planform::kElliptic:
      return "elliptic";
  }
  return "rectangular";
}

std::optional<Planform> PlanformNamed(const char* name) {
  if (!name) return std::nullopt;
  for (const Planform p : {Planform::kRectangular, Planform::kTapered, Planform::kElliptic}) {
    if (std::strcmp(name, PlanformName(p)) == 0) return p;
  }
  return std::nullopt;
}

double WingChord(const FiniteWingShape& shape, double eta) {
  const double a = std::min(1.0, std::fabs(eta));
  switch (shape.planform) {
    case Planform::kRectangular:
      return 1.0;
    case Planform::kTapered:
      return 2.0 * (1.0 - (1.0 - shape.taper) * a) / (1.0 + shape.taper);
    case Planform::kElliptic:
      return 4.0 / kPi * std::sqrt(std::max(0.0, 1.0 - a * a));
  }
  return 1.0;
}

namespace {

// Gauss-Legendre nodes and weights on [-1, 1] (Golub-Welsch would do as
// well; Newton on P_Q from Tricomi's first guess is exact to rounding).
void GaussLegendre(int Q, std::vector<double>& x, std::vector<double>& w) {
  x.assign(static_cast<std::size_t>(Q), 0.0);
  w.assign(static_cast<std::size_t>(Q), 0.0);
  // P_j = a_j z P_(j-1) - b_j P_(j-2), a_j = (2j - 1) / j, b_j = (j - 1) / j.
  std::vector<double> a(static_cast<std::size_t>(Q) + 1), bj(static_cast<std::size_t>(Q) + 1);
  for (int j = 1; j <= Q; ++j) {
    a[static_cast<std::size_t>(j)] = (2.0 * j - 1.0) / j;
    bj[static_cast<std::size_t>(j)] = (j - 1.0) / j;
  }
  for (int i = 0; i < (Q + 1) / 2; ++i) {
    // Tricomi's guess with its next term, within about Q^-4 of the node.
    const double q = static_cast<double>(Q);
    double z = (1.0 - 1.0 / (8.0 * q * q) + 1.0 / (8.0 * q * q * q)) *
               std::cos(kPi * (4.0 * i + 3.0) / (4.0 * q + 2.0));
    double derivative = 1.0;
    for (int iteration = 0; iteration < kNewtonSteps; ++iteration) {
      double p1 = 1.0, p2 = 0.0;
      for (int j = 1; j <= Q; ++j) {
        const double p3 = p2;
        p2 = p1;
        p1 = a[static_cast<std::size_t>(j)] * z * p2 - bj[static_cast<std::size_t>(j)] * p3;
      }
      derivative = Q * (z * p1 - p2) / (z * z - 1.0);
      const double step = p1 / derivative;
      z -= step;
      if (std::fabs(step) < kNewtonTolerance) break;
    }
    const double weight = 2.0 / ((1.0 - z * z) * derivative * derivative);
    x[static_cast<std::size_t>(i)] = z;
    x[static_cast<std::size_t>(Q - 1 - i)] = -z;
    w[static_cast<std::size_t>(i)] = weight;
    w[static_cast<std::size_t>(Q - 1 - i)] = weight;
  }
}

// Cholesky solve of the symmetric positive definite K (n x n, row major,
// lower triangle used) for two right-hand sides in place.
bool CholeskyTwo(std::vector<double>& K, int n, std::vector<double>& r1, std::vector<double>& r2) {
  const auto at = [&](int i, int j) -> double& {
    return K[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) +
             static_cast<std::size_t>(j)];
  };
  for (int j = 0; j < n; ++j) {
    double d = at(j, j);
    for (int k = 0; k < j; ++k) d -= at(j, k) * at(j, k);
    if (!(d > 0.0)) return false;
    d = std::sqrt(d);
    at(j, j) = d;
    for (int i = j + 1; i < n; ++i) {
      double s = at(i, j);
      for (int k = 0; k < j; ++k) s -= at(i, k) * at(j, k);
      at(i, j) = s / d;
    }
  }
  for (std::vector<double>* r : {&r1, &r2}) {
    std::vector<double>& v = *r;
    for (int i = 0; i < n; ++i) {
      double s = v[static_cast<std::size_t>(i)];
      for (int k = 0; k < i; ++k) s -= at(i, k) * v[static_cast<std::size_t>(k)];
      v[static_cast<std::size_t>(i)] = s / at(i, i);
    }
    for (int i = n - 1; i >= 0; --i) {
      double s = v[static_cast<std::size_t>(i)];
      for (int k = i + 1; k < n; ++k) s -= at(k, i) * v[static_cast<std::size_t>(k)];
      v[static_cast<std::size_t>(i)] = s / at(i, i);
    }
  }
  return true;
}

// Galerkin: the equation times sin(theta), tested with sin(m theta) over the
// half span (see the header). With g(theta) = 4 b sin(theta) / (a0 c),
//   K_mn = integral g sin(n theta) sin(m theta) + (pi/4) n delta_mn
//        = (G_|n-m| - G_(n+m)) / 2 + (pi/4) n delta_mn,
//   G_k  = quadrature of g cos(k theta),
// the identity applied to the quadrature sums themselves, so that a pointed
// tip's g ~ 1/theta, whose G_k alone would diverge, does no harm.
bool SolveGalerkin(const FiniteWingShape& shape, const WingSection& section, int n,
                   std::vector<double>& r1, std::vector<double>& r2) {
  const int Q = kWingQuadratureFactor * n + kWingQuadratureExtra;
  std::vector<double> x, w;
  GaussLegendre(Q, x, w);
  const int kinds = 2 * n;  // G_0, G_2, ..., G_(4n-2)
  std::vector<double> G(static_cast<std::size_t>(kinds), 0.0);
  std::vector<double> sines(static_cast<std::size_t>(n));
  r1.assign(static_cast<std::size_t>(n), 0.0);
  r2.assign(static_cast<std::size_t>(n), 0.0);
  const double b = shape.aspectRatio;
  for (int q = 0; q < Q; ++q) {
    const double theta = (x[static_cast<std::size_t>(q)] + 1.0) * kPi / 4.0;
    const double weight = w[static_cast<std::size_t>(q)] * kPi / 4.0;
    const double s = std::sin(theta), eta = std::cos(theta);
    const double chord = WingChord(shape, eta);
    const double g = 4.0 * b * s / (section.liftSlope * chord) * weight;
    // cos(k theta) for even k by cos((k+2) t) = 2 cos(2t) cos(k t) - cos((k-2) t).
    const double c2 = 2.0 * std::cos(2.0 * theta);
    double previous = std::cos(2.0 * theta), current = 1.0;  // cos(-2t), cos(0)
    for (int k = 0; k < kinds; ++k) {
      G[static_cast<std::size_t>(k)] += g * current;
      const double next = c2 * current - previous;
      previous = current;
      current = next;
    }
    OddSines(theta, n, sines.data());
    for (int m = 0; m < n; ++m) {
      r1[static_cast<std::size_t>(m)] += weight * s * sines[static_cast<std::size_t>(m)];
      r2[static_cast<std::size_t>(m)] -= weight * eta * s * sines[static_cast<std::size_t>(m)];
    }
  }
  std::vector<double> K(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {     // n_i = 2i + 1
    for (int j = 0; j <= i; ++j) {  // |n_i - n_j| = 2(i - j), n_i + n_j = 2(i + j + 1)
      double k =
          0.5 * (G[static_cast<std::size_t>(i - j)] - G[static_cast<std::size_t>(i + j + 1)]);
      if (i == j) k += kPi / 4.0 * (2.0 * i + 1.0);
      K[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) + static_cast<std::size_t>(j)] =
          k;
    }
  }
  return CholeskyTwo(K, n, r1, r2);
}

// Collocation at theta_i = i pi / (2N), i = 1..N (see the header).
bool SolveCollocation(const FiniteWingShape& shape, const WingSection& section, int n,
                      std::vector<double>& r1, std::vector<double>& r2) {
  const double b = shape.aspectRatio;
  std::vector<double> M(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
  r1.assign(static_cast<std::size_t>(n), 0.0);
  r2.assign(static_cast<std::size_t>(n), 0.0);
  std::vector<double> sines(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double theta = (i + 1) * kPi / (2.0 * n);
    const double eta = std::cos(theta);
    const double mu = section.liftSlope * WingChord(shape, eta) / (4.0 * b);
    const double s = std::sin(theta);
    OddSines(theta, n, sines.data());
    for (int k = 0; k < n; ++k) {
      const double order = 2.0 * k + 1.0;
      M[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) + static_cast<std::size_t>(k)] =
          sines[static_cast<std::size_t>(k)] * (1.0 + order * mu / s);
    }
    r1[static_cast<std::size_t>(i)] = mu;
    r2[static_cast<std::size_t>(i)] = -mu * eta;
  }
  return SolveTwo(M, n, r1, r2);
}

}  // namespace

LiftingLineSolution SolveLiftingLine(const FiniteWingShape& shape, const WingSection& section,
                                     int terms, LiftingLineMethod method) {
  LiftingLineSolution out;
  if (CheckFiniteWing(shape) != FiniteWingFault::kNone || !Finite(section.liftSlope) ||
      !(section.liftSlope > 0.0) || !Finite(section.zeroLiftAngle) || terms < 1) {
    return out;
  }
  std::vector<double> r1, r2;
  const bool solved = method == LiftingLineMethod::kGalerkin
                          ? SolveGalerkin(shape, section, terms, r1, r2)
                          : SolveCollocation(shape, section, terms, r1, r2);
  if (!solved) return out;
  out.shape = shape;
  out.section = section;
  out.terms = terms;
  out.untwisted = std::move(r1);
  out.twist = std::move(r2);
  return out;
}

double WingLiftSlope(const LiftingLineSolution& solution) {
  return solution.ok() ? kPi * solution.shape.aspectRatio * solution.untwisted[0] : 0.0;
}

WingState WingAt(const LiftingLineSolution& solution, double alphaRoot) {
  WingState state;
  state.alphaRoot = alphaRoot;
  if (!solution.ok()) return state;
  state.A = Combine(solution, alphaRoot);
  const double AR = solution.shape.aspectRatio;
  double sum = 0.0;
  for (std::size_t k = 0; k < state.A.size(); ++k) {
    sum += (2.0 * static_cast<double>(k) + 1.0) * state.A[k] * state.A[k];
  }
  state.CL = kPi * AR * state.A[0];
  state.CDi = kPi * AR * sum;
  if (state.CL != 0.0 && state.CDi > 0.0) {
    state.e = state.CL * state.CL / (kPi * AR * state.CDi);
    // delta from the higher terms alone, so that it is exactly 0 for one term.
    double higher = 0.0;
    for (std::size_t k = 1; k < state.A.size(); ++k) {
      const double ratio = state.A[k] / state.A[0];
      higher += (2.0 * static_cast<double>(k) + 1.0) * ratio * ratio;
    }
    state.delta = higher;
  }
  return state;
}

std::vector<WingStation> WingStations(const LiftingLineSolution& solution, const WingState& state,
                                      int intervals) {
  std::vector<WingStation> stations;
  if (!solution.ok() || state.A.empty() || intervals < 2) return stations;
  const double AR = solution.shape.aspectRatio;
  const double a0 = solution.section.liftSlope;
  const double eps = solution.shape.washoutDeg * kDegree;
  stations.reserve(static_cast<std::size_t>(intervals) + 1);
  for (int j = 0; j <= intervals; ++j) {
    const double theta = j * kPi / intervals;
    WingStation st;
    st.eta = j == intervals ? 1.0 : (2 * j == intervals ? 0.0 : -std::cos(theta));
    st.chord = WingChord(solution.shape, st.eta);
    const SeriesSums sums =
        (j == 0 || j == intervals) ? SumSeries(state.A, 0.0) : SumSeries(state.A, theta);
    st.gamma = (j == 0 || j == intervals) ? 0.0 : 2.0 * AR * sums.sum;
    st.loading = 2.0 * st.gamma;
    st.alphaInduced = sums.induced;
    st.downwash = sums.induced;
    st.alphaGeometric = state.alphaRoot - eps * std::fabs(st.eta);
    st.cl = st.chord > kZeroChord
                ? st.loading / st.chord
                : a0 * (st.alphaGeometric - solution.section.zeroLiftAngle - st.alphaInduced);
    stations.push_back(st);
  }
  return stations;
}

std::optional<double> SectionDragAt(const SectionDragCurve& curve, double cl) {
  const std::size_t n = std::min(curve.cl.size(), curve.cd.size());
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (!curve.cd[i] || !curve.cd[i + 1]) continue;
    const double c1 = curve.cl[i], c2 = curve.cl[i + 1];
    if ((cl - c1) * (cl - c2) > 0.0) continue;
    if (c1 == c2) return *curve.cd[i];
    const double t = (cl - c1) / (c2 - c1);
    return *curve.cd[i] + t * (*curve.cd[i + 1] - *curve.cd[i]);
  }
  return std::nullopt;
}

std::optional<double> SectionDragAt(const std::vector<SectionDragCurve>& curves, double cl,
                                    double reynolds) {
  if (curves.empty() || !(reynolds > 0.0)) return std::nullopt;
  if (curves.size() == 1 || reynolds <= curves.front().reynolds) {
    return SectionDragAt(curves.front(), cl);
  }
  if (reynolds >= curves.back().reynolds) return SectionDragAt(curves.back(), cl);
  std::size_t i = 0;
  while (i + 2 < curves.size() && curves[i + 1].reynolds < reynolds) ++i;
  const std::optional<double> low = SectionDragAt(curves[i], cl);
  const std::optional<double> high = SectionDragAt(curves[i + 1], cl);
  if (!low || !high) return std::nullopt;
  const double t = std::log(reynolds / curves[i].reynolds) /
                   std::log(curves[i + 1].reynolds / curves[i].reynolds);
  return *low + t * (*high - *low);
}

std::optional<double> StripProfileDrag(const std::vector<WingStation>& stations,
                                       const std::vector<SectionDragCurve>& curves, double reynolds,
                                       std::vector<double>* cdOut) {
  if (cdOut) cdOut->assign(stations.size(), std::numeric_limits<double>::quiet_NaN());
  const std::size_t m = stations.size();
  if (m < 3) return std::nullopt;
  const double dTheta = kPi / static_cast<double>(m - 1);
  double sum = 0.0;
  bool all = true;
  for (std::size_t j = 0; j < m; ++j) {
    const WingStation& st = stations[j];
    if (st.chord <= kZeroChord) continue;  // a pointed tip adds nothing
    const std::optional<double> cd = SectionDragAt(curves, st.cl, reynolds * st.chord);
    if (!cd) {
      all = false;
      continue;
    }
    if (cdOut) (*cdOut)[j] = *cd;
    // The whole span, theta from 0 to pi: half the integral over 0..pi,
    // the ends of the trapezoid halved.
    const double weight = (j == 0 || j + 1 == m) ? 0.5 : 1.0;
    const double theta = static_cast<double>(j) * dTheta;
    sum += weight * st.chord * *cd * std::sin(theta);
  }
  if (!all) return std::nullopt;
  return 0.5 * sum * dTheta;
}

std::optional<StallOnset> FindStallOnset(const LiftingLineSolution& solution, double clStall,
                                         int intervals) {
  if (!solution.ok() || !Finite(clStall)) return std::nullopt;
  const double alphaL0 = solution.section.zeroLiftAngle;
  // c_l per radian of either unit solution: states at alpha_L0 + 1 with and
  // without the twist.
  LiftingLineSolution untwisted = solution;
  untwisted.shape.washoutDeg = 0.0;
  const std::vector<WingStation> gu =
      WingStations(untwisted, WingAt(untwisted, alphaL0 + 1.0), intervals);
  std::vector<WingStation> gt;
  if (solution.shape.washoutDeg != 0.0) {
    gt = WingStations(solution, WingAt(solution, alphaL0), intervals);  // eps_t in it
  }
  std::optional<StallOnset> best;
  // The right half from the root out (the loading is symmetric); a station
  // farther out must reach the section's c_l at a lower angle by more than
  // kStallTie, so that a uniform c_l (the elliptic wing) starts at the root.
  for (std::size_t j = gu.size() / 2; j + 1 < gu.size(); ++j) {
    const double slope = gu[j].cl;
    if (!(slope > 0.0)) continue;
    const double twisted = gt.empty() ? 0.0 : gt[j].cl;
    const double alpha = alphaL0 + (clStall - twisted) / slope;
    if (!best || alpha < best->alphaRoot - kStallTie)
      best = StallOnset{std::fabs(gu[j].eta), alpha};
  }
  return best;
}

WingPolar ComputeWingPolar(const LiftingLineSolution& solution,
                           const std::vector<double>& alphasDeg,
                           const std::vector<SectionDragCurve>& curves, double reynolds) {
  WingPolar polar;
  if (!solution.ok()) return polar;
  for (const double alphaDeg : alphasDeg) {
    const WingState state = WingAt(solution, alphaDeg * kDegree);
    WingPolarPoint point{alphaDeg, state.CL, state.CDi, std::nullopt, std::nullopt};
    if (!curves.empty()) {
      point.CDp = StripProfileDrag(WingStations(solution, state), curves, reynolds);
      if (point.CDp) point.CD = state.CDi + *point.CDp;
    }
    if (point.CD && point.CL > 0.0 && *point.CD > 0.0) {
      const double ratio = point.CL / *point.CD;
      if (!polar.bestLiftToDrag || ratio > *polar.bestLiftToDrag) {
        polar.bestLiftToDrag = ratio;
        polar.bestLiftToDragAlphaDeg = alphaDeg;
      }
    }
    polar.points.push_back(point);
  }
  return polar;
}

std::optional<WingSection> WingSectionOf(const FlowParameters& p, const LiftCurve& lift) {
  if (!lift.ok() || !lift.zeroLiftDeg) return std::nullopt;
  const double zero = *lift.zeroLiftDeg;
  const double h = kSectionSlopeStepDeg;
  const double slope =
      (LiftCoefficientAt(p, lift.chord, zero + h) - LiftCoefficientAt(p, lift.chord, zero - h)) /
      (2.0 * h * kDegree);
  if (!Finite(slope) || !(slope > 0.0)) return std::nullopt;
  return WingSection{slope, zero * kDegree};
}

SectionDragCurve DragCurveOf(const Polar& polar) {
  SectionDragCurve curve;
  curve.reynolds = polar.reynolds;
  if (!polar.computed()) return curve;
  for (const PolarPoint& point : polar.points) {
    curve.cl.push_back(point.cl);
    curve.cd.push_back(point.dragStatus == DragStatus::kPredicted ? point.cd : std::nullopt);
  }
  return curve;
}

std::optional<double> StallLiftCoefficient(const Polar& polar, double zeroLiftDeg) {
  if (!polar.computed()) return std::nullopt;
  for (const PolarPoint& point : polar.points) {
    if (point.alphaDeg <= zeroLiftDeg) continue;
    if (point.xSeparationUpper && std::isfinite(*point.xSeparationUpper) &&
        *point.xSeparationUpper < kSeparationDragLimitXc) {
      return point.cl;
    }
  }
  return std::nullopt;
}

std::vector<double> StripReynoldsFactors(const FiniteWingShape& shape) {
  double low = 1.0, high = 1.0;
  for (int j = 0; j <= kWingStations / 2; ++j) {
    const double chord = WingChord(shape, std::cos(j * kPi / kWingStations));
    if (chord > kZeroChord) low = std::min(low, chord);
    high = std::max(high, chord);
  }
  low = std::max(low, kLowestChordShare);
  std::vector<double> factors;
  for (double f = std::exp2(std::floor(std::log2(low))); f <= high * 2.0; f *= 2.0) {
    factors.push_back(f);
    if (f >= high) break;
  }
  return factors;
}

FiniteWingAnalysis AnalyseFiniteWing(const FiniteWingShape& shape, const WingSection& section,
                                     double alphaRootDeg, const std::vector<double>& alphasDeg,
                                     const std::vector<SectionDragCurve>& curves, double reynolds,
                                     std::optional<double> clStall) {
  FiniteWingAnalysis a;
  a.solution = SolveLiftingLine(shape, section);
  if (!a.solution.ok()) return a;
  a.state = WingAt(a.solution, alphaRootDeg * kDegree);
  a.liftSlope = WingLiftSlope(a.solution);
  a.stations = WingStations(a.solution, a.state);
  a.CDp = StripProfileDrag(a.stations, curves, reynolds, &a.cdProfile);
  if (a.CDp) a.CD = a.state.CDi + *a.CDp;
  a.polar = ComputeWingPolar(a.solution, alphasDeg, curves, reynolds);
  a.clStall = clStall;
  if (clStall) a.stall = FindStallOnset(a.solution, *clStall);
  return a;
}

}  // namespace fluvenna
