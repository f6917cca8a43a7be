// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/time_of_flight.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "flow/blocks_on_cores.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;
constexpr Complex kI(0.0, 1.0);
constexpr double kInf = std::numeric_limits<double>::infinity();
// The crossing of a station: steps of the Illinois method at most, and the
// bracket (relative to the stretch's phi) that ends it.
constexpr int kCrossingSteps = 100;
constexpr double kCrossingTolerance = 1e-14;
// Releases of one frame at most (a guard against a tiny interval).
constexpr std::int64_t kMaxReleases = 100000;
// Animation times beyond this many intervals are not placed.
constexpr double kLargestRelease = 1e15;
// Newton steps that stop shrinking below this (relative) have met the
// rounding of F.
constexpr double kLevelNoiseFloor = 1e-9;

// A point of the streamline taken as a function of a parameter v: phi(v) is
// phi0 + v (a plain stretch) or phiS + sigma v^2 (a stretch from a
// stagnation point at v = 0). f is the integrand dt/dv = (dphi/dv) / q^2.
struct Sample {
  double v = 0.0;
  Complex w;     // flow frame
  Complex dwdv;  // dw/dv = (dphi/dv) / F'(w)
  double f = 0.0;
};

// 1 / w without the library's careful complex division (the points here
// are never near 0 or overflow).
Complex Inverse(Complex w) {
  const double n = 1.0 / std::norm(w);
  return Complex(w.real() * n, -w.imag() * n);
}

// ln(w / r) for w near r, given 1 / r: ln(1 + u) = 2 atanh(u / (2 + u)) by
// its series when |u| < kLogSeriesRadius (the terms left out stay below
// 1e-17), else std::log.
constexpr double kLogSeriesRadius = 0.05;
Complex LogRatio(Complex w, Complex r, Complex inverseR) {
  const Complex u = (w - r) * inverseR;
  if (std::norm(u) >= kLogSeriesRadius * kLogSeriesRadius) return std::log(w * inverseR);
  // In real arithmetic: the series is the inner loop of the whole computation.
  const Complex v = u * Inverse(2.0 + u);
  const double vr = v.real(), vi = v.imag();
  const double ar = vr * vr - vi * vi, ai = 2.0 * vr * vi;  // v^2
  double sr = 1.0 / 13.0, si = 0.0;
  for (const double c : {1.0 / 11.0, 1.0 / 9.0, 1.0 / 7.0, 1.0 / 5.0, 1.0 / 3.0, 1.0}) {
    const double tr = c + ar * sr - ai * si;
    si = ar * si + ai * sr;
    sr = tr;
  }
  return Complex(2.0 * (vr * sr - vi * si), 2.0 * (vr * si + vi * sr));
}

// The trailing-edge station: x of the trailing edge, 2 cJ for the designed map.
double StationX(const ProfileMap& map) {
  if (const auto j = map.Joukowski()) return 2.0 * j->cJ;
  return map.TrailingEdge().real();
}

// The level psi = PSI of one curve, with its logarithm continued from the
// reference point wRef where ln(w / A) = logRef.
class Level {
 public:
  Level(const FlowParameters& p, const CircleModel& c, const FlowFieldModel& model, double PSI)
      : U0_(p.U0),
        A2_(c.A * c.A),
        Gm_(c.Gm),
        PSI_(PSI),
        turn_(c.CosAlfa, c.SinAlfa),
        zc_(c.xc, c.yc),
        cJ_(model.cJ()),
        joukowski_(model.map().Joukowski().has_value()),
        model_(model) {}

  Complex F(Complex w) const {
    return U0_ * (w + A2_ * Inverse(w)) + kI * Gm_ * (logRef_ + LogRatio(w, wRef_, inverseRef_));
  }
  Complex dF(Complex w) const {
    const Complex iw = Inverse(w);
    return U0_ * (1.0 - A2_ * iw * iw) + kI * Gm_ * iw;
  }
  Complex d2F(Complex w) const {
    const Complex iw = Inverse(w);
    return (2.0 * U0_ * A2_ * iw - kI * Gm_) * iw * iw;
  }
  Complex Z(Complex w) const { return zc_ + turn_ * w; }
  // The image of w: the designed map in its closed form z + cJ^2 / z, any
  // other map by its Forward.
  Complex Zeta(Complex w) const {
    const Complex z = Z(w);
    if (joukowski_) return z + cJ_ * cJ_ / z;
    const auto image = model_.map().Forward(z);
    return image ? *image : Complex(kInf, kInf);
  }
  const ProfileMap& map() const { return model_.map(); }
  bool joukowski() const { return joukowski_; }
  double SpeedSquared(FieldPlane plane, Complex w) const {
    const Complex z = Z(w);
    return model_.SpeedSquared(plane, z.real(), z.imag());
  }
  double cJ() const { return cJ_; }
  double PSI() const { return PSI_; }

  void SetReference(Complex wRef, Complex logRef) {
    wRef_ = wRef;
    inverseRef_ = Inverse(wRef);
    logRef_ = logRef;
  }

  // The point of potential phi on the level, by Newton's method from `w`.
  // False (w left at the last finite iterate) when it does not settle.
  // Newton's error after a step is about |F'' / (2 F')| step^2, so a step
  // with that below kLevelNewtonTolerance |w| ends the search. Near a
  // stagnation point F' is small and the rounding of F limits the steps:
  // they stop shrinking at a size far below kLevelNoiseFloor |w|, and that
  // ends it as well.
  bool Solve(double phi, Complex& w) const {
    const Complex target(phi, PSI_);
    double previous2 = kInf;
    for (int i = 0; i < kLevelNewtonSteps; ++i) {
      const Complex iw = Inverse(w);
      const Complex value =
          U0_ * (w + A2_ * iw) + kI * Gm_ * (logRef_ + LogRatio(w, wRef_, inverseRef_)) - target;
      const Complex slope = U0_ * (1.0 - A2_ * iw * iw) + kI * Gm_ * iw;
      const Complex bend = (2.0 * U0_ * A2_ * iw - kI * Gm_) * iw * iw;
      const Complex step = value * Inverse(slope);
      const Complex next = w - step;
      if (!std::isfinite(next.real()) || !std::isfinite(next.imag())) return false;
      w = next;
      // Squared sizes: no square roots in the loop.
      const double size2 = std::norm(step), scale2 = std::norm(w);
      constexpr double kTolerance2 = kLevelNewtonTolerance * kLevelNewtonTolerance;
      if (0.25 * std::norm(bend) * size2 * size2 <= kTolerance2 * scale2 * std::norm(slope)) {
        return true;
      }
      if (size2 >= 0.25 * previous2 && size2 <= kLevelNoiseFloor * kLevelNoiseFloor * scale2) {
        return true;
      }
      previous2 = size2;
    }
    return false;
  }

 private:
  double U0_, A2_, Gm_, PSI_;
  Complex turn_, zc_;
  double cJ_;
  bool joukowski_;
  const FlowFieldModel& model_;
  Complex wRef_{1.0, 0.0}, inverseRef_{1.0, 0.0}, logRef_{0.0, 0.0};
};

// The integrator of one stretch in one parametrisation.
class Stretch {
 public:
  Stretch(const Level& level, int& failures, double phi0, double sigma, bool square)
      : level_(level), failures_(failures), phi0_(phi0), sigma_(sigma), square_(square) {}

  double Phi(double v) const { return square_ ? phi0_ + sigma_ * v * v : phi0_ + v; }
  double PhiRate(double v) const { return square_ ? 2.0 * sigma_ * v : 1.0; }

  // The sample at v, guessed by the cubic Hermite curve through a and b.
  Sample At(double v, const Sample& a, const Sample& b) const {
    const double h = b.v - a.v;
    const double s = (v - a.v) / h;
    const double s2 = s * s, s3 = s2 * s;
    Complex w = (2 * s3 - 3 * s2 + 1) * a.w + (s3 - 2 * s2 + s) * h * a.dwdv +
                (-2 * s3 + 3 * s2) * b.w + (s3 - s2) * h * b.dwdv;
    return Make(v, w);
  }

  // The sample at v by Newton's method from w.
  Sample Make(double v, Complex w) const {
    if (!level_.Solve(Phi(v), w)) ++failures_;
    Sample r;
    r.v = v;
    r.w = w;
    const double rate = PhiRate(v);
    r.dwdv = rate * Inverse(level_.dF(w));
    r.f = rate / level_.SpeedSquared(FieldPlane::kAirfoil, w);
    return r;
  }

  // The integral of f from a.v to b.v.
  double Integrate(const Sample& a, const Sample& b, int depth = 0) const {
    static const double kNode = std::sqrt(3.0 / 7.0);
    const double h = b.v - a.v;
    const double mid = 0.5 * (a.v + b.v);
    const Sample m = At(mid, a, b);
    const Sample l = At(mid - 0.5 * h * kNode, a, b);
    const Sample r = At(mid + 0.5 * h * kNode, a, b);
    const double lobatto =
        0.5 * h * ((a.f + b.f) / 10.0 + 49.0 / 90.0 * (l.f + r.f) + 32.0 / 45.0 * m.f);
    const double simpson = h / 6.0 * (a.f + 4.0 * m.f + b.f);
    if (!(std::fabs(lobatto - simpson) > kTimeStretchTolerance * std::fabs(lobatto)) ||
        depth >= kTimeStretchDepth) {
      return lobatto;
    }
    return Integrate(a, m, depth + 1) + Integrate(m, b, depth + 1);
  }

 private:
  const Level& level_;
  int& failures_;
  double phi0_, sigma_;
  bool square_;
};

// One curve's working data in the flow frame, by traced point.
struct CurveWork {
  std::vector<Complex> w;       // traced points
  std::vector<Complex> logs;    // ln(w / A), continued along the curve
  std::vector<double> phi;      // potential of each traced point
  std::vector<Complex> exact;   // the exact level point of the same phi
  std::vector<Complex> dwdphi;  // 1 / F' there
  std::vector<double> g;        // 1 / q^2 there, airfoil plane
  std::vector<double> airX;     // airfoil x of each traced point (NaN without an image)
  std::vector<int> airIndex;    // its airfoil point, -1 without one
  int stagnation = -1;          // the traced point that is a stagnation point (0), or -1
  Complex s;                    // that stagnation point
  double phiS = 0.0;
  double qLimit = 0.0;  // airfoil speed at it
  bool forward = true;  // the flow runs from point 0 to point n - 1
};

struct Crossing {
  int stretch = -1;  // flow-order stretch a -> b (a the upstream traced point)
  int a = -1, b = -1;
  Sample sample;   // at the crossing, linear parametrisation from phi(a)
  double t = 0.0;  // time of flight at it (on the curve's scale before the shift)
};

class CurveSolver {
 public:
  CurveSolver(const FlowParameters& p, const CircleModel& c, const FlowFieldModel& model,
              const TracedCurve& in, CurveTimes& out, int& failures)
      : p_(p), c_(c), in_(in), out_(out), failures_(failures), level_(p, c, model, in.PSI) {}

  // The curve's points, potentials, direction and airfoil images: what the
  // release line and the search for crossings need. False with fewer than
  // two points.
  bool PrepareShape();
  // The exact level point and its derivatives for the traced points of
  // flow order first..last, each on its own.
  void PrepareExact(int first, int last);
  // The speeds of every point in both planes.
  void PrepareSpeeds();
  // The times of the traced points of flow order 0..last, in flow order.
  void Times(int last);
  int Points() const { return static_cast<int>(work_.w.size()); }
  // The upstream end's airfoil x; NaN when the tracing did not take the
  // curve to the left edge (x <= -XMax in the flow frame), as when it was
  // cut short.
  double UpstreamX() const {
    const std::size_t n = work_.w.size();
    const std::size_t end = work_.forward ? 0 : n - 1;
    if (!(in_.flowX[end] <= -p_.XMax)) return std::numeric_limits<double>::quiet_NaN();
    return work_.airX[end];
  }
  // The release on x = X and the crossing of the trailing-edge station; a
  // curve that crosses x = X has its times shifted to 0 there. The crossings'
  // stretches must have their times (Times) up to their downstream ends.
  // Returns the release crossing.
  std::optional<Crossing> Release(double X);
  // The particle path after a release: every time must be known.
  void BuildPath(const Crossing& release);
  // The station's time alone (ComputeStationTimes): only the points and
  // times up to the station's stretch are worked out, and no path.
  void StationTimeAlone(double releaseX);
  std::optional<double> LongestPath() const {
    if (!out_.released || out_.pathT.empty()) return std::nullopt;
    const bool endsAtStagnation =
        work_.stagnation >= 0 && !std::isfinite(out_.t[0]) && out_.t[0] > 0.0;
    if (endsAtStagnation) return std::nullopt;
    return out_.pathT.back();
  }

 private:
  int Upstream(int i) const { return work_.forward ? i : static_cast<int>(work_.w.size()) - 1 - i; }
  Sample Endpoint(const Stretch& st, int j, double v) const {
    Sample r;
    r.v = v;
    const auto uj = static_cast<std::size_t>(j);
    r.w = work_.exact[uj];
    const double rate = st.PhiRate(v);
    r.dwdv = rate * work_.dwdphi[uj];
    r.f = rate * work_.g[uj];
    return r;
  }
  void UseReference(int j) {
    level_.SetReference(work_.w[static_cast<std::size_t>(j)],
                        work_.logs[static_cast<std::size_t>(j)]);
  }
  double StretchTime(int a, int b);
  // The first stretch, in flow order from `fromStretch`, whose traced ends
  // bracket x = X (x(a) <= X < x(b)); -1 when none does.
  int Bracket(double X, int fromStretch) const;
  std::optional<Crossing> Cross(double X, int fromStretch, bool after, const Crossing* start);
  void AddPathPoint(double t, Complex w) {
    const Complex z = level_.Z(w), zeta = level_.Zeta(w);
    out_.pathT.push_back(t);
    out_.pathAx.push_back(zeta.real());
    out_.pathAy.push_back(zeta.imag());
    out_.pathCx.push_back(z.real());
    out_.pathCy.push_back(z.imag());
  }

  const FlowParameters& p_;
  const CircleModel& c_;
  const TracedCurve& in_;
  CurveTimes& out_;
  int& failures_;
  Level level_;
  CurveWork work_;
};

bool CurveSolver::PrepareShape() {
  const std::size_t n = std::min(in_.flowX.size(), in_.flowY.size());
  if (n < 2) return false;
  out_.k = in_.k;
  out_.PSI = in_.PSI;
  CurveWork& W = work_;
  W.w.resize(n);
  W.logs.resize(n);
  W.phi.resize(n);
  W.exact.resize(n);
  W.dwdphi.assign(n, Complex(0.0, 0.0));
  W.g.assign(n, 0.0);
  out_.cx.resize(n);
  out_.cy.resize(n);
  const double A = c_.A;
  for (std::size_t j = 0; j < n; ++j) {
    W.w[j] = Complex(in_.flowX[j], in_.flowY[j]);
    W.logs[j] = (j == 0) ? std::log(W.w[0] / A)
                         : W.logs[j - 1] + LogRatio(W.w[j], W.w[j - 1], Inverse(W.w[j - 1]));
    level_.SetReference(W.w[j], W.logs[j]);
    W.phi[j] = level_.F(W.w[j]).real();
    const auto [x, y] = TurnAndShiftPoint(c_, in_.flowX[j], in_.flowY[j]);
    out_.cx[j] = x;
    out_.cy[j] = y;
  }
  W.forward = W.phi[n - 1] > W.phi[0];

  // A stagnation point at the start of the dividing streamline.
  const double g = c_.Gm / (2.0 * p_.U0);
  if ((in_.k == 1 || in_.k == 2) && std::fabs(g) <= A) {
    const double root = std::sqrt(A * A - g * g);
    for (const Complex s : {Complex(root, -g), Complex(-root, -g)}) {
      if (std::abs(W.w[0] - s) <= kStagnationRadius * A) {
        W.stagnation = 0;
        W.s = s;
        level_.SetReference(W.w[0], W.logs[0]);
        W.phiS = level_.F(s).real();
        const Complex zs = level_.Z(s);
        if (level_.joukowski()) {
          const double cJ = level_.cJ();
          const bool singular = std::abs(zs - cJ) <= kSingularRadius * cJ ||
                                std::abs(zs + cJ) <= kSingularRadius * cJ;
          W.qLimit =
              singular ? std::abs(level_.d2F(s)) / std::abs(2.0 * cJ * cJ / (zs * zs * zs)) : 0.0;
        } else {
          // Any other map: the stagnation point is the trailing-edge point
          // only with the Kutta condition met, where the speed is the map's
          // trailing-edge speed.
          const double A = level_.map().CircleRadius();
          const bool singular =
              std::abs(zs - level_.map().TrailingEdgeCirclePoint()) <= kSingularRadius * A;
          W.qLimit = singular ? p_.U0 * level_.map().TrailingEdgeSpeed(c_.AlfaBeta) : 0.0;
        }
      }
    }
  }

  // The airfoil points and the traced point each is the image of.
  const std::size_t m = std::min(in_.airfoilX.size(), in_.airfoilY.size());
  W.airX.assign(n, std::numeric_limits<double>::quiet_NaN());
  W.airIndex.assign(n, -1);
  out_.source.clear();
  if (m == n) {
    for (std::size_t j = 0; j < n; ++j) out_.source.push_back(static_cast<int>(j));
  } else {
    for (std::size_t j = 0; j < n && out_.source.size() < m; ++j) {
      if (level_.map().Forward({out_.cx[j], out_.cy[j]})) {
        out_.source.push_back(static_cast<int>(j));
      }
    }
  }
  const std::size_t kept = out_.source.size();
  out_.ax.assign(in_.airfoilX.begin(), in_.airfoilX.begin() + static_cast<std::ptrdiff_t>(kept));
  out_.ay.assign(in_.airfoilY.begin(), in_.airfoilY.begin() + static_cast<std::ptrdiff_t>(kept));
  for (std::size_t i = 0; i < kept; ++i) {
    const auto j = static_cast<std::size_t>(out_.source[i]);
    W.airX[j] = out_.ax[i];
    W.airIndex[j] = static_cast<int>(i);
  }
  return true;
}

void CurveSolver::PrepareExact(int first, int last) {
  CurveWork& W = work_;
  for (int i = first; i <= last; ++i) {
    const int j = Upstream(i);
    const auto uj = static_cast<std::size_t>(j);
    if (j == W.stagnation) {
      W.exact[uj] = W.s;
      continue;
    }
    UseReference(j);
    Complex w = W.w[uj];
    if (!level_.Solve(W.phi[uj], w)) ++failures_;
    W.exact[uj] = w;
    W.dwdphi[uj] = Inverse(level_.dF(w));
    W.g[uj] = 1.0 / level_.SpeedSquared(FieldPlane::kAirfoil, w);
  }
}

void CurveSolver::PrepareSpeeds() {
  const CurveWork& W = work_;
  const std::size_t n = W.w.size();
  out_.qc.resize(n);
  for (std::size_t j = 0; j < n; ++j) {
    out_.qc[j] = static_cast<int>(j) == W.stagnation
                     ? 0.0
                     : std::sqrt(level_.SpeedSquared(FieldPlane::kCircle, W.w[j]));
  }
  out_.qa.resize(out_.source.size());
  for (std::size_t i = 0; i < out_.source.size(); ++i) {
    const auto j = static_cast<std::size_t>(out_.source[i]);
    out_.qa[i] = static_cast<int>(j) == W.stagnation
                     ? W.qLimit
                     : std::sqrt(level_.SpeedSquared(FieldPlane::kAirfoil, W.w[j]));
  }
}

// t(b) - t(a) for neighbouring traced points, +-inf into or out of a
// stagnation point where the airfoil speed vanishes.
double CurveSolver::StretchTime(int a, int b) {
  const CurveWork& W = work_;
  if (a == W.stagnation || b == W.stagnation) {
    const int o = (a == W.stagnation) ? b : a;
    const double sign = (a == W.stagnation) ? 1.0 : -1.0;  // t(b) - t(a) = sign (t(o) - t(s))
    const double dphi = W.phi[static_cast<std::size_t>(o)] - W.phiS;
    if (!(W.qLimit > 0.0)) return dphi > 0.0 ? sign * kInf : -sign * kInf;
    UseReference(0);
    const double sigma = dphi >= 0.0 ? 1.0 : -1.0;
    const Stretch st(level_, failures_, W.phiS, sigma, true);
    Sample s0;
    s0.v = 0.0;
    s0.w = W.s;
    s0.f = 0.0;
    Complex lead = std::sqrt(2.0 * sigma / level_.d2F(W.s));
    const Complex toward = W.exact[static_cast<std::size_t>(o)] - W.s;
    if ((std::conj(lead) * toward).real() < 0.0) lead = -lead;
    s0.dwdv = lead;
    const Sample s1 = Endpoint(st, o, std::sqrt(std::fabs(dphi)));
    return sign * st.Integrate(s0, s1);
  }
  UseReference(a);
  const Stretch st(level_, failures_, W.phi[static_cast<std::size_t>(a)], 1.0, false);
  const Sample sa = Endpoint(st, a, 0.0);
  const Sample sb =
      Endpoint(st, b, W.phi[static_cast<std::size_t>(b)] - W.phi[static_cast<std::size_t>(a)]);
  return st.Integrate(sa, sb);
}

void CurveSolver::Times(int last) {
  std::vector<double>& t = out_.t;
  t.assign(work_.w.size(), 0.0);
  // In flow order from the upstream end (t = 0 there, or at the next point
  // when the end is a stagnation point).
  for (int i = 1; i <= last; ++i) {
    const int a = Upstream(i - 1), b = Upstream(i);
    const double d = StretchTime(a, b);
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    if (std::isinf(d) && i == 1) {
      t[ia] = -kInf;
      t[ib] = 0.0;
    } else {
      t[ib] = t[ia] + d;
    }
  }
}

// The first crossing of x = X by the exact streamline, in flow order from
// stretch `fromStretch`: on a stretch whose traced ends bracket X
// (x(a) <= X < x(b)). With `start`, the crossing must lie beyond it.
int CurveSolver::Bracket(double X, int fromStretch) const {
  const int n = static_cast<int>(work_.w.size());
  const CurveWork& W = work_;
  for (int i = std::max(fromStretch, 0); i + 1 < n; ++i) {
    const int a = Upstream(i), b = Upstream(i + 1);
    if (a == W.stagnation || b == W.stagnation) continue;
    const double xa = W.airX[static_cast<std::size_t>(a)], xb = W.airX[static_cast<std::size_t>(b)];
    if (xa <= X && X < xb) return i;
  }
  return -1;
}

std::optional<Crossing> CurveSolver::Cross(double X, int fromStretch, bool after,
                                           const Crossing* start) {
  const CurveWork& W = work_;
  const int i = Bracket(X, fromStretch);
  if (i < 0) return std::nullopt;
  const int a = Upstream(i), b = Upstream(i + 1);
  UseReference(a);
  const double phiA = W.phi[static_cast<std::size_t>(a)];
  const Stretch st(level_, failures_, phiA, 1.0, false);
  const Sample sa = Endpoint(st, a, 0.0);
  const Sample sb = Endpoint(st, b, W.phi[static_cast<std::size_t>(b)] - phiA);
  double lo = 0.0, hi = sb.v;
  if (after && start != nullptr && start->stretch == i) lo = start->sample.v;
  const Sample sLo = (lo == 0.0) ? sa : st.At(lo, sa, sb);
  double fLo = level_.Zeta(sLo.w).real() - X;
  double fHi = level_.Zeta(sb.w).real() - X;
  Sample best = sLo;
  if (fLo >= 0.0) {
    best = sLo;  // the traced point is on the line; its exact point a hair beyond
  } else if (fHi < 0.0) {
    best = sb;
  } else {
    // The Illinois method on phi.
    int side = 0;
    for (int k = 0; k < kCrossingSteps; ++k) {
      const double v = (lo * fHi - hi * fLo) / (fHi - fLo);
      best = st.At(v, sa, sb);
      const double fv = level_.Zeta(best.w).real() - X;
      if (fv == 0.0 || std::fabs(hi - lo) <= kCrossingTolerance * std::fabs(sb.v)) break;
      if (fv < 0.0) {
        lo = v, fLo = fv;
        if (side == -1) fHi *= 0.5;
        side = -1;
      } else {
        hi = v, fHi = fv;
        if (side == 1) fLo *= 0.5;
        side = 1;
      }
    }
  }
  Crossing r;
  r.stretch = i;
  r.a = a;
  r.b = b;
  r.sample = best;
  r.t = out_.t[static_cast<std::size_t>(a)] + (best.v == 0.0 ? 0.0 : st.Integrate(sa, best));
  return r;
}

std::optional<Crossing> CurveSolver::Release(double X) {
  out_.released = false;
  out_.stationTime.reset();
  out_.pathT.clear(), out_.pathAx.clear(), out_.pathAy.clear();
  out_.pathCx.clear(), out_.pathCy.clear();
  if (in_.k == 1) return std::nullopt;
  const std::optional<Crossing> release = Cross(X, 0, false, nullptr);
  if (!release) return std::nullopt;
  out_.released = true;
  const double t0 = release->t;
  for (double& t : out_.t) t -= t0;
  const std::optional<Crossing> station =
      Cross(StationX(level_.map()), release->stretch, true, &*release);
  if (station) out_.stationTime = station->t;  // the times are shifted already
  return release;
}

void CurveSolver::StationTimeAlone(double releaseX) {
  const int release = Bracket(releaseX, 0);
  if (in_.k == 1 || release < 0) return;
  const int station = Bracket(StationX(level_.map()), release);
  // The downstream end of the last stretch integrated.
  const int last = (station < 0 ? release : station) + 1;
  PrepareExact(0, last);
  Times(last);
  Release(releaseX);
}

void CurveSolver::BuildPath(const Crossing& release) {
  const int n = static_cast<int>(work_.w.size());
  // The path: the release point, then the traced points downstream.
  AddPathPoint(0.0, release.sample.w);
  int last = -1;
  for (int i = release.stretch + 1; i < n; ++i) {
    const int j = Upstream(i);
    const auto uj = static_cast<std::size_t>(j);
    if (!std::isfinite(out_.t[uj])) break;
    last = j;
    const int ai = work_.airIndex[uj];
    if (ai < 0) continue;
    out_.pathT.push_back(out_.t[uj]);
    out_.pathAx.push_back(out_.ax[static_cast<std::size_t>(ai)]);
    out_.pathAy.push_back(out_.ay[static_cast<std::size_t>(ai)]);
    out_.pathCx.push_back(out_.cx[uj]);
    out_.pathCy.push_back(out_.cy[uj]);
  }
  // Towards a stagnation point it never reaches.
  if (last >= 0 && work_.stagnation >= 0 && out_.t[0] == kInf) {
    const auto ul = static_cast<std::size_t>(last);
    UseReference(last);
    const double phiL = work_.phi[ul];
    const double gap = work_.phiS - phiL;
    const Stretch st(level_, failures_, phiL, 1.0, false);
    Sample prev = Endpoint(st, last, 0.0);
    double t = out_.t[ul];
    double part = 0.5;
    for (int i = 1; i <= kCreepPoints; ++i, part *= 0.5) {
      // Newton from the previous point, stepped by dw/dphi.
      const double v = gap * (1.0 - part);
      const Sample next = st.Make(v, prev.w + (v - prev.v) * prev.dwdv);
      t += st.Integrate(prev, next);
      AddPathPoint(t, next.w);
      prev = next;
    }
  }
}

// The solvers of a pass's timed curves (every curve but the body, with two
// points or more), each writing into its entry of `times.curves` with a
// failure count of its own, on the pass's flow model; `times` gets the
// trailing-edge station.
class CurveSolvers {
 public:
  CurveSolvers(const FlowParameters& p, const CircleModel& c, std::span<const TracedCurve> curves,
               TimeOfFlight& times)
      : model_(p, c) {
    times.stationX = StationX(model_.map());
    for (const TracedCurve& curve : curves) {
      if (curve.k >= 1 && std::min(curve.flowX.size(), curve.flowY.size()) >= 2) {
        inputs_.push_back(&curve);
      }
    }
    times.curves.resize(inputs_.size());
    failures_.assign(inputs_.size(), 0);
    solvers_.reserve(inputs_.size());
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
      solvers_.emplace_back(p, c, model_, *inputs_[i], times.curves[i], failures_[i]);
    }
  }

  int size() const { return static_cast<int>(solvers_.size()); }
  CurveSolver& operator[](int i) { return solvers_[static_cast<std::size_t>(i)]; }
  int K(int i) const { return inputs_[static_cast<std::size_t>(i)]->k; }
  int Failures(int i) const { return failures_[static_cast<std::size_t>(i)]; }

  // The release line (see the header), once every shape is prepared.
  double ReleaseX(const FlowParameters& p) {
    double x = -p.XMax;
    for (int i = 0; i < size(); ++i) {
      const double upstream = (*this)[i].UpstreamX();
      if (K(i) != 1 && std::isfinite(upstream)) x = std::max(x, upstream);
    }
    return x;
  }

 private:
  FlowFieldModel model_;  // the solvers keep a reference: the object is never moved
  std::vector<const TracedCurve*> inputs_;
  std::vector<int> failures_;
  std::vector<CurveSolver> solvers_;
};

}  // namespace

TimeOfFlight ComputeTimeOfFlight(const FlowParameters& p, const CircleModel& c,
                                 std::span<const TracedCurve> curves) {
  TimeOfFlight r;
  CurveSolvers solvers(p, c, curves, r);
  // The curves are independent of one another until the release line is
  // chosen, and again after it: each is solved on whichever core is free.
  ForBlocksOnCores(solvers.size(), 1, 0, [&](int first, int last) {
    for (int i = first; i < last; ++i) {
      // PrepareShape holds: every input has two points or more.
      CurveSolver& solver = solvers[i];
      solver.PrepareShape();
      solver.PrepareExact(0, solver.Points() - 1);
      solver.PrepareSpeeds();
      solver.Times(solver.Points() - 1);
    }
  });
  r.releaseX = solvers.ReleaseX(p);
  ForBlocksOnCores(solvers.size(), 1, 0, [&](int first, int last) {
    for (int i = first; i < last; ++i) {
      if (const std::optional<Crossing> release = solvers[i].Release(r.releaseX)) {
        solvers[i].BuildPath(*release);
      }
    }
  });
  for (int i = 0; i < solvers.size(); ++i) {
    r.newtonFailures += solvers.Failures(i);
    if (r.curves[static_cast<std::size_t>(i)].released) r.psiOrder.push_back(i);
    if (const auto longest = solvers[i].LongestPath()) {
      r.longestPath = std::max(r.longestPath, *longest);
    }
  }
  std::stable_sort(r.psiOrder.begin(), r.psiOrder.end(), [&](int a, int b) {
    return r.curves[static_cast<std::size_t>(a)].PSI < r.curves[static_cast<std::size_t>(b)].PSI;
  });
  return r;
}

StationCrossings ComputeStationTimes(const FlowParameters& p, const CircleModel& c,
                                     std::span<const TracedCurve> curves) {
  TimeOfFlight r;
  CurveSolvers solvers(p, c, curves, r);
  // On this thread: the whole is about a millisecond's work, no more than a
  // second thread can take to start on a busy or virtual machine.
  for (int i = 0; i < solvers.size(); ++i) solvers[i].PrepareShape();
  r.releaseX = solvers.ReleaseX(p);
  for (int i = 0; i < solvers.size(); ++i) {
    if (solvers.K(i) >= 3) solvers[i].StationTimeAlone(r.releaseX);
  }
  return StationCrossingsOf(r);
}

StationCrossings StationCrossingsOf(const TimeOfFlight& times) {
  return StationCrossings{times.releaseX, times.stationX, StationTimes(times)};
}

std::vector<PairTimes> StationTimes(const TimeOfFlight& times) {
  std::vector<PairTimes> pairs;
  int highest = 0;
  for (const CurveTimes& curve : times.curves) highest = std::max(highest, curve.k);
  for (int m = 1; 2 * m + 1 <= highest; ++m) {
    PairTimes pair;
    pair.m = m;
    bool any = false;
    for (const CurveTimes& curve : times.curves) {
      if (curve.k == 2 * m + 1) {
        pair.psi = curve.PSI;
        pair.upper = curve.stationTime;
        any = true;
      } else if (curve.k == 2 * m + 2) {
        if (!any) pair.psi = -curve.PSI;
        pair.lower = curve.stationTime;
        any = true;
      }
    }
    if (any) pairs.push_back(pair);
  }
  return pairs;
}

void PlaceParticles(const TimeOfFlight& times, double T, const ParticleOptions& options,
                    ParticleFrame& frame) {
  frame.particles.clear();
  frame.timelinePoints.clear();
  frame.timelines.clear();
  const double dt = options.interval;
  if (!(dt > 0.0) || !std::isfinite(dt) || !(T >= 0.0) || !std::isfinite(T)) return;
  const double maxAge = options.maxAge > 0.0 ? options.maxAge : times.longestPath;
  // Release numbers are worked out in double and kept within kMaxReleases
  // of the newest before they become integers.
  const double newestReal = std::floor(T / dt);
  if (!(newestReal < kLargestRelease)) return;
  double oldestReal =
      std::max(std::ceil((T - maxAge) / dt), newestReal - static_cast<double>(kMaxReleases - 1));
  if (options.sinceZero) oldestReal = std::max(oldestReal, 0.0);
  if (!(oldestReal <= newestReal)) return;
  const auto newest = static_cast<std::int64_t>(newestReal);
  const auto oldest = static_cast<std::int64_t>(oldestReal);

  // Per curve in psi order: its particles run from release `newest` down to
  // `low` (ages growing), starting at `base`.
  struct Run {
    int base = 0;
    std::int64_t low = 0;
  };
  const std::size_t nCurves = times.psiOrder.size();
  Run runs[64];
  std::vector<Run> moreRuns;
  Run* run = runs;
  if (nCurves > 64) {
    moreRuns.resize(nCurves);
    run = moreRuns.data();
  }
  for (std::size_t o = 0; o < nCurves; ++o) {
    const int ci = times.psiOrder[o];
    const CurveTimes& curve = times.curves[static_cast<std::size_t>(ci)];
    const std::vector<double>& pt = curve.pathT;
    run[o].base = static_cast<int>(frame.particles.size());
    run[o].low = newest + 1;
    if (pt.size() < 2) continue;
    const double end = pt.back();
    std::size_t j = 0;
    for (std::int64_t n = newest; n >= oldest; --n) {
      const double age = T - static_cast<double>(n) * dt;
      if (age > end) break;
      j = static_cast<std::size_t>(
          std::upper_bound(pt.begin() + static_cast<std::ptrdiff_t>(j), pt.end(), age) -
          pt.begin());
      j = (j == 0) ? 0 : j - 1;
      if (j + 1 >= pt.size()) j = pt.size() - 2;
      const double span = pt[j + 1] - pt[j];
      const double f = span > 0.0 ? std::clamp((age - pt[j]) / span, 0.0, 1.0) : 0.0;
      Particle particle;
      particle.curve = ci;
      particle.release = n;
      particle.age = age;
      particle.ax = curve.pathAx[j] + f * (curve.pathAx[j + 1] - curve.pathAx[j]);
      particle.ay = curve.pathAy[j] + f * (curve.pathAy[j + 1] - curve.pathAy[j]);
      particle.cx = curve.pathCx[j] + f * (curve.pathCx[j + 1] - curve.pathCx[j]);
      particle.cy = curve.pathCy[j] + f * (curve.pathCy[j + 1] - curve.pathCy[j]);
      frame.particles.push_back(particle);
      run[o].low = n;
    }
  }

  for (std::int64_t n = newest; n >= oldest; --n) {
    TimelinePiece piece;
    piece.release = n;
    piece.first = static_cast<int>(frame.timelinePoints.size());
    const auto close = [&] {
      if (piece.count >= 2) {
        frame.timelines.push_back(piece);
      } else {
        frame.timelinePoints.resize(static_cast<std::size_t>(piece.first));
      }
      piece.first = static_cast<int>(frame.timelinePoints.size());
      piece.count = 0;
    };
    for (std::size_t o = 0; o < nCurves; ++o) {
      if (n < run[o].low) {
        close();
        continue;
      }
      frame.timelinePoints.push_back(run[o].base + static_cast<int>(newest - n));
      ++piece.count;
    }
    close();
  }
}

}  // namespace fluvenna
