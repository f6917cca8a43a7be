// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/airfoil_contour.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace fluvenna {

const char* AirfoilFaultName(AirfoilFaultKind kind) {
  switch (kind) {
    case AirfoilFaultKind::kEmptyFile:
      return "empty_file";
    case AirfoilFaultKind::kNotTwoNumbers:
      return "not_two_numbers";
    case AirfoilFaultKind::kNotFinite:
      return "not_finite";
    case AirfoilFaultKind::kTooFewPoints:
      return "too_few_points";
    case AirfoilFaultKind::kTooManyPoints:
      return "too_many_points";
    case AirfoilFaultKind::kFileTooLarge:
      return "file_too_large";
    case AirfoilFaultKind::kCountsDisagree:
      return "counts_disagree";
    case AirfoilFaultKind::kSelfCrossing:
      return "self_crossing";
    case AirfoilFaultKind::kOutOfOrder:
      return "out_of_order";
    case AirfoilFaultKind::kGapTooLarge:
      return "gap_too_large";
    case AirfoilFaultKind::kNoChord:
      return "no_chord";
    case AirfoilFaultKind::kNacaNotDigits:
      return "naca_not_digits";
    case AirfoilFaultKind::kNacaUnknownMeanLine:
      return "naca_unknown_mean_line";
    case AirfoilFaultKind::kNacaReflexed:
      return "naca_reflexed";
    case AirfoilFaultKind::kNacaNoThickness:
      return "naca_no_thickness";
    case AirfoilFaultKind::kNacaTooThick:
      return "naca_too_thick";
  }
  return "unknown";
}

// ---------------------------------------------------------------- spline

namespace {

// Derivative at t[0] of the cubic through (t[k], v[k]), k = 0..3.
double EndSlope(const double t[4], const double v[4]) {
  double slope = 0.0;
  for (int k = 0; k < 4; ++k) {
    double weight = 0.0;
    if (k == 0) {
      for (int j = 1; j < 4; ++j) weight += 1.0 / (t[0] - t[j]);
    } else {
      double num = 1.0, den = 1.0;
      for (int j = 0; j < 4; ++j) {
        if (j == k) continue;
        den *= t[k] - t[j];
        if (j != 0) num *= t[0] - t[j];
      }
      weight = num / den;
    }
    slope += weight * v[k];
  }
  return slope;
}

// Slopes of the clamped cubic spline through (s, v) with the given end
// slopes: h_i m_{i-1} + 2 (h_{i-1} + h_i) m_i + h_{i-1} m_{i+1}
//   = 3 (h_i d_{i-1} + h_{i-1} d_i), solved by the Thomas algorithm.
std::vector<double> ClampedSlopes(const std::vector<double>& s, const std::vector<double>& v,
                                  double first, double last) {
  const std::size_t n = s.size();
  std::vector<double> m(n, 0.0);
  m[0] = first;
  m[n - 1] = last;
  if (n < 3) return m;
  std::vector<double> diag(n, 1.0), upper(n, 0.0), rhs(n, 0.0);
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double h0 = s[i] - s[i - 1], h1 = s[i + 1] - s[i];
    const double d0 = (v[i] - v[i - 1]) / h0, d1 = (v[i + 1] - v[i]) / h1;
    const double lower = h1;
    diag[i] = 2.0 * (h0 + h1);
    upper[i] = h0;
    rhs[i] = 3.0 * (h1 * d0 + h0 * d1);
    if (i == 1) {
      rhs[i] -= lower * m[0];
    } else {
      const double w = lower / diag[i - 1];
      diag[i] -= w * upper[i - 1];
      rhs[i] -= w * rhs[i - 1];
    }
  }
  rhs[n - 2] -= upper[n - 2] * m[n - 1];
  m[n - 2] = rhs[n - 2] / diag[n - 2];
  for (std::size_t i = n - 3; i >= 1; --i) m[i] = (rhs[i] - upper[i] * m[i + 1]) / diag[i];
  return m;
}

}  // namespace

ContourSpline::ContourSpline(const std::vector<double>& x, const std::vector<double>& y)
    : x_(x), y_(y) {
  const std::size_t n = x.size();
  s_.assign(n, 0.0);
  for (std::size_t i = 1; i < n; ++i)
    s_[i] = s_[i - 1] + std::hypot(x[i] - x[i - 1], y[i] - y[i - 1]);
  if (n < 4) {
    dx_.assign(n, 0.0);
    dy_.assign(n, 0.0);
    return;
  }
  const double t0[4] = {s_[0], s_[1], s_[2], s_[3]};
  const double tn[4] = {s_[n - 1], s_[n - 2], s_[n - 3], s_[n - 4]};
  const double x0[4] = {x[0], x[1], x[2], x[3]}, y0[4] = {y[0], y[1], y[2], y[3]};
  const double xn[4] = {x[n - 1], x[n - 2], x[n - 3], x[n - 4]};
  const double yn[4] = {y[n - 1], y[n - 2], y[n - 3], y[n - 4]};
  dx_ = ClampedSlopes(s_, x_, EndSlope(t0, x0), EndSlope(tn, xn));
  dy_ = ClampedSlopes(s_, y_, EndSlope(t0, y0), EndSlope(tn, yn));
}

std::size_t ContourSpline::Interval(double s) const {
  const auto it = std::upper_bound(s_.begin(), s_.end(), s);
  std::size_t i = (it == s_.begin()) ? 0 : static_cast<std::size_t>(it - s_.begin()) - 1;
  return std::min(i, s_.size() - 2);
}

void ContourSpline::Eval(double s, double& x, double& y, double& dx, double& dy, double& ddx,
                         double& ddy) const {
  s = std::clamp(s, 0.0, Length());
  const std::size_t i = Interval(s);
  const double h = s_[i + 1] - s_[i];
  const double t = (s - s_[i]) / h;
  // Hermite cubic on the interval: value, slope and curvature.
  const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
  const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
  const double d00 = 6 * t * t - 6 * t, d10 = 3 * t * t - 4 * t + 1;
  const double d01 = -d00, d11 = 3 * t * t - 2 * t;
  const double e00 = 12 * t - 6, e10 = 6 * t - 4, e01 = -e00, e11 = 6 * t - 2;
  x = h00 * x_[i] + h10 * h * dx_[i] + h01 * x_[i + 1] + h11 * h * dx_[i + 1];
  y = h00 * y_[i] + h10 * h * dy_[i] + h01 * y_[i + 1] + h11 * h * dy_[i + 1];
  dx = (d00 * x_[i] + d01 * x_[i + 1]) / h + d10 * dx_[i] + d11 * dx_[i + 1];
  dy = (d00 * y_[i] + d01 * y_[i + 1]) / h + d10 * dy_[i] + d11 * dy_[i + 1];
  ddx = ((e00 * x_[i] + e01 * x_[i + 1]) / h + e10 * dx_[i] + e11 * dx_[i + 1]) / h;
  ddy = ((e00 * y_[i] + e01 * y_[i + 1]) / h + e10 * dy_[i] + e11 * dy_[i + 1]) / h;
}

void ContourSpline::Eval(double s, double& x, double& y, double& dx, double& dy) const {
  double ddx = 0.0, ddy = 0.0;
  Eval(s, x, y, dx, dy, ddx, ddy);
}

void ContourSpline::Eval(double s, double& x, double& y) const {
  double dx = 0.0, dy = 0.0;
  Eval(s, x, y, dx, dy);
}

double ContourSpline::Nearest(double qx, double qy, double s0, double lo, double hi) const {
  double s = std::clamp(s0, lo, hi);
  for (int iter = 0; iter < 20; ++iter) {
    double x, y, dx, dy, ddx, ddy;
    Eval(s, x, y, dx, dy, ddx, ddy);
    const double g = (x - qx) * dx + (y - qy) * dy;
    const double dg = dx * dx + dy * dy + (x - qx) * ddx + (y - qy) * ddy;
    if (!(dg > 0.0)) break;
    const double next = std::clamp(s - g / dg, lo, hi);
    if (std::abs(next - s) <= 1e-15 * (1.0 + Length())) {
      s = next;
      break;
    }
    s = next;
  }
  return s;
}

double ContourSpline::FarthestFromStart() const {
  const double tx = x_[0], ty = y_[0];
  std::size_t best = 0;
  double bestD = -1.0;
  for (std::size_t i = 0; i < x_.size(); ++i) {
    const double d = std::hypot(x_[i] - tx, y_[i] - ty);
    if (d > bestD) bestD = d, best = i;
  }
  const double lo = s_[best == 0 ? 0 : best - 1];
  const double hi = s_[std::min(best + 1, s_.size() - 1)];
  double s = s_[best];
  // Maximise |P - T|^2: root of g = (P - T) . P'; g' = P'.P' + (P - T) . P''.
  for (int iter = 0; iter < 30; ++iter) {
    double x, y, dx, dy, ddx, ddy;
    Eval(s, x, y, dx, dy, ddx, ddy);
    const double g = (x - tx) * dx + (y - ty) * dy;
    const double dg = dx * dx + dy * dy + (x - tx) * ddx + (y - ty) * ddy;
    if (!(dg < 0.0)) break;  // not a maximum here: keep the knot
    const double next = std::clamp(s - g / dg, lo, hi);
    if (std::abs(next - s) <= 1e-15 * (1.0 + Length())) {
      s = next;
      break;
    }
    s = next;
  }
  return s;
}

// ---------------------------------------------------------------- checks

namespace {

double Cross(double ax, double ay, double bx, double by) {
  return ax * by - ay * bx;
}

// Index of a segment (p_i, p_{i+1}, the last closing to p_0) that crosses
// another properly, or -1. Sweep over the segments sorted by their left end.
int FirstCrossing(const std::vector<double>& x, const std::vector<double>& y) {
  const int n = static_cast<int>(x.size());
  struct Seg {
    double lo, hi;
    int i;
  };
  std::vector<Seg> segs(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    const auto ui = static_cast<std::size_t>(i), uj = static_cast<std::size_t>(j);
    segs[ui] = {std::min(x[ui], x[uj]), std::max(x[ui], x[uj]), i};
  }
  std::sort(segs.begin(), segs.end(), [](const Seg& a, const Seg& b) { return a.lo < b.lo; });
  auto crosses = [&](int a, int b) {
    const auto a0 = static_cast<std::size_t>(a), a1 = static_cast<std::size_t>((a + 1) % n);
    const auto b0 = static_cast<std::size_t>(b), b1 = static_cast<std::size_t>((b + 1) % n);
    const double ex = x[a1] - x[a0], ey = y[a1] - y[a0];
    const double fx = x[b1] - x[b0], fy = y[b1] - y[b0];
    const double o1 = Cross(ex, ey, x[b0] - x[a0], y[b0] - y[a0]);
    const double o2 = Cross(ex, ey, x[b1] - x[a0], y[b1] - y[a0]);
    const double o3 = Cross(fx, fy, x[a0] - x[b0], y[a0] - y[b0]);
    const double o4 = Cross(fx, fy, x[a1] - x[b0], y[a1] - y[b0]);
    return ((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0));
  };
  for (std::size_t k = 0; k < segs.size(); ++k) {
    for (std::size_t l = k + 1; l < segs.size() && segs[l].lo <= segs[k].hi; ++l) {
      const int a = segs[k].i, b = segs[l].i;
      const int d = std::abs(a - b);
      if (d <= 1 || d == n - 1) continue;  // neighbours share a point
      if (crosses(a, b)) return std::min(a, b);
    }
  }
  return -1;
}

double SignedArea(const std::vector<double>& x, const std::vector<double>& y) {
  double area = 0.0;
  const std::size_t n = x.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t j = (i + 1) % n;
    area += x[i] * y[j] - x[j] * y[i];
  }
  return 0.5 * area;
}

std::size_t FarthestPoint(const std::vector<double>& x, const std::vector<double>& y, double tx,
                          double ty) {
  std::size_t best = 0;
  double bestD = -1.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double d = std::hypot(x[i] - tx, y[i] - ty);
    if (d > bestD) bestD = d, best = i;
  }
  return best;
}

// Height h (across the chord) of the surface between knots [s_a, s_b] at the
// station X along the chord, in the frame turned by (ca, sa) (the chord's
// direction): a bracket from the knots, then safeguarded Newton. False when
// the surface does not reach X.
bool SurfaceAt(const ContourSpline& spline, double sa, double sb, double ca, double sn, double X,
               double& hOut) {
  auto along = [&](double s, double& a, double& h, double& da) {
    double x, y, dx, dy;
    spline.Eval(s, x, y, dx, dy);
    a = x * ca + y * sn;
    h = -x * sn + y * ca;
    da = dx * ca + dy * sn;
  };
  const auto& knots = spline.Knots();
  double prevS = sa, prevA = 0.0, prevH, prevD;
  along(sa, prevA, prevH, prevD);
  for (auto it = std::upper_bound(knots.begin(), knots.end(), sa);; ++it) {
    const bool end = it == knots.end() || *it >= sb;
    const double s = end ? sb : *it;
    double a, h, d;
    if (end) {
      along(s, a, h, d);
    } else {  // at a knot the spline is the point itself
      const auto k = static_cast<std::size_t>(it - knots.begin());
      a = spline.KnotX()[k] * ca + spline.KnotY()[k] * sn;
    }
    if ((prevA - X) * (a - X) <= 0.0 && prevA != a) {
      double lo = prevS, hi = s, flo = prevA - X;
      double t = lo + (hi - lo) * (X - prevA) / (a - prevA);
      for (int iter = 0; iter < 40; ++iter) {
        double ta, th, td;
        along(t, ta, th, td);
        const double f = ta - X;
        if (std::abs(f) < 1e-14) break;
        if ((f < 0) == (flo < 0))
          lo = t, flo = f;
        else
          hi = t;
        double next = (td != 0.0) ? t - f / td : 0.5 * (lo + hi);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        t = next;
      }
      double ta, td;
      along(t, ta, hOut, td);
      return true;
    }
    prevS = s, prevA = a;
    if (s >= sb) break;
  }
  return false;
}

// Largest value of f over the stations, refined by the parabola through the
// best station and its neighbours.
void Largest(const std::vector<double>& xs, const std::vector<double>& fs, double& value,
             double& at) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < fs.size(); ++i)
    if (fs[i] > fs[best]) best = i;
  value = fs.empty() ? 0.0 : fs[best];
  at = xs.empty() ? 0.0 : xs[best];
  if (best == 0 || best + 1 >= fs.size()) return;
  const double x0 = xs[best - 1], x1 = xs[best], x2 = xs[best + 1];
  const double f0 = fs[best - 1], f1 = fs[best], f2 = fs[best + 1];
  const double d01 = (f1 - f0) / (x1 - x0), d12 = (f2 - f1) / (x2 - x1);
  const double c2 = (d12 - d01) / (x2 - x0);
  if (!(c2 < 0.0)) return;
  // Vertex of f0 + d01 (x - x0) + c2 (x - x0)(x - x1).
  const double vertex = (x0 + x1) / 2.0 - d01 / (2.0 * c2);
  if (vertex <= x0 || vertex >= x2) return;
  at = vertex;
  value = f0 + d01 * (vertex - x0) + c2 * (vertex - x0) * (vertex - x1);
}

ProfileReport MeasureContour(const ContourSpline& spline, double sLe, std::string name,
                             double closedGap, double chordLineAngle) {
  ProfileReport r;
  r.name = std::move(name);
  r.closedGap = closedGap;
  r.chordLineAngle = chordLineAngle;
  const double S = spline.Length();
  double x, y, ux, uy, lx, ly;
  spline.Eval(0.0, x, y, ux, uy);
  spline.Eval(S, x, y, lx, ly);
  // Upper tangent leaving the TE: P'(0); lower: -P'(S).
  const double dotp = (ux * -lx + uy * -ly) / (std::hypot(ux, uy) * std::hypot(lx, ly));
  r.trailingEdgeAngle = std::acos(std::clamp(dotp, -1.0, 1.0));
  double dx, dy, ddx, ddy;
  spline.Eval(sLe, x, y, dx, dy, ddx, ddy);
  const double curvature = std::abs(dx * ddy - dy * ddx) / std::pow(dx * dx + dy * dy, 1.5);
  r.leadingEdgeRadius = curvature > 0.0 ? 1.0 / curvature : 0.0;

  // Stations along the chord (the LE is at the origin, the chord 1).
  const double ca = std::cos(chordLineAngle), sn = std::sin(chordLineAngle);
  constexpr int kStations = 160;
  std::vector<double> xs, ts, cs;
  for (int k = 1; k < kStations; ++k) {
    const double X = 0.5 * (1.0 - std::cos(std::numbers::pi * k / kStations));
    double yu, yl;
    if (!SurfaceAt(spline, 0.0, sLe, ca, sn, X, yu) || !SurfaceAt(spline, sLe, S, ca, sn, X, yl))
      continue;
    xs.push_back(X);
    ts.push_back(yu - yl);
    cs.push_back(0.5 * (yu + yl));
  }
  Largest(xs, ts, r.thickness, r.thicknessX);
  std::vector<double> absCamber(cs.size());
  double sign = 1.0;
  double most = 0.0;
  for (std::size_t i = 0; i < cs.size(); ++i) {
    if (std::abs(cs[i]) > most) most = std::abs(cs[i]), sign = cs[i] < 0 ? -1.0 : 1.0;
  }
  for (std::size_t i = 0; i < cs.size(); ++i) absCamber[i] = sign * cs[i];
  Largest(xs, absCamber, r.camber, r.camberX);
  r.camber *= sign;
  return r;
}

}  // namespace

double CloseTrailingEdgeGap(std::vector<double>& x, std::vector<double>& y) {
  const std::size_t n = x.size();
  if (n < 3) return 0.0;
  const double gx = x[0] - x[n - 1], gy = y[0] - y[n - 1];
  const double tx = 0.5 * (x[0] + x[n - 1]), ty = 0.5 * (y[0] + y[n - 1]);
  const std::size_t le = FarthestPoint(x, y, tx, ty);
  const double cx = tx - x[le], cy = ty - y[le];
  const double chord2 = cx * cx + cy * cy;
  if (!(chord2 > 0.0)) return 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double w = std::clamp(((x[i] - x[le]) * cx + (y[i] - y[le]) * cy) / chord2, 0.0, 1.0);
    const double side = (i < le) ? -0.5 : (i > le ? 0.5 : 0.0);
    x[i] += side * w * gx;
    y[i] += side * w * gy;
  }
  x[n - 1] = x[0];
  y[n - 1] = y[0];
  return std::hypot(gx, gy) / std::sqrt(chord2);
}

AirfoilResult ContourFromNumberedPoints(std::vector<double> x, std::vector<double> y,
                                        std::vector<int> lines, std::string name) {
  // Consecutive repeats carry no information (and would stop the spline).
  std::size_t kept = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (kept > 0 && x[i] == x[kept - 1] && y[i] == y[kept - 1]) continue;
    x[kept] = x[i], y[kept] = y[i], lines[kept] = lines[i];
    ++kept;
  }
  x.resize(kept), y.resize(kept), lines.resize(kept);
  bool repeatedClose = false;
  if (kept >= 2 && x.front() == x.back() && y.front() == y.back()) {
    x.pop_back(), y.pop_back(), lines.pop_back();
    repeatedClose = true;
  }
  if (x.size() > static_cast<std::size_t>(kMostAirfoilPoints))
    return AirfoilFault{AirfoilFaultKind::kTooManyPoints,
                        lines[static_cast<std::size_t>(kMostAirfoilPoints)]};
  if (x.size() < static_cast<std::size_t>(kFewestAirfoilPoints))
    return AirfoilFault{AirfoilFaultKind::kTooFewPoints, 0};

  if (SignedArea(x, y) < 0.0) {
    // Anticlockwise from the TE: a closed contour keeps its first point (the
    // TE) first; an open one swaps its two TE points.
    const long from = repeatedClose ? 1 : 0;
    std::reverse(x.begin() + from, x.end());
    std::reverse(y.begin() + from, y.end());
    std::reverse(lines.begin() + from, lines.end());
  }
  const std::size_t n = x.size();
  // The TE: the first point when the contour came closed, else the
  // midpoint of the two ends (a blunt TE).
  const double tx = repeatedClose ? x[0] : 0.5 * (x[0] + x[n - 1]);
  const double ty = repeatedClose ? y[0] : 0.5 * (y[0] + y[n - 1]);
  const std::size_t le = FarthestPoint(x, y, tx, ty);
  const double chord0 = std::hypot(x[le] - tx, y[le] - ty);
  if (!(chord0 > 0.0) || !std::isfinite(chord0)) return AirfoilFault{AirfoilFaultKind::kNoChord, 0};
  for (std::size_t i = 1; i < n; ++i) {
    if (std::hypot(x[i] - x[i - 1], y[i] - y[i - 1]) > kLongestJump * chord0)
      return AirfoilFault{AirfoilFaultKind::kOutOfOrder, lines[i]};
  }
  const double gap = repeatedClose ? 0.0 : std::hypot(x[0] - x[n - 1], y[0] - y[n - 1]) / chord0;
  if (gap > kLargestTrailingEdgeGap) return AirfoilFault{AirfoilFaultKind::kGapTooLarge, 0};
  if (const int k = FirstCrossing(x, y); k >= 0)
    return AirfoilFault{AirfoilFaultKind::kSelfCrossing, lines[static_cast<std::size_t>(k)]};

  double closedGap = 0.0;
  x.push_back(x[0]);
  y.push_back(y[0]);
  if (gap > 0.0) {
    x.pop_back(), y.pop_back();
    closedGap = CloseTrailingEdgeGap(x, y);
  }

  ContourSpline raw(x, y);
  const double sLe = raw.FarthestFromStart();
  double lex, ley;
  raw.Eval(sLe, lex, ley);
  const double chord = std::hypot(x[0] - lex, y[0] - ley);
  if (!(chord > 0.0)) return AirfoilFault{AirfoilFaultKind::kNoChord, 0};

  AirfoilContour c;
  c.name = name;
  c.originX = lex, c.originY = ley, c.scale = chord;
  c.x.resize(x.size()), c.y.resize(y.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    c.x[i] = (x[i] - lex) / chord;
    c.y[i] = (y[i] - ley) / chord;
  }
  const ContourSpline spline(c.x, c.y);
  c.report =
      MeasureContour(spline, sLe / chord, std::move(name), closedGap, std::atan2(c.y[0], c.x[0]));
  return c;
}

AirfoilResult ContourFromPoints(const std::vector<double>& x, const std::vector<double>& y,
                                std::string name) {
  std::vector<int> lines(x.size());
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = static_cast<int>(i) + 1;
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
      return AirfoilFault{AirfoilFaultKind::kNotFinite, static_cast<int>(i) + 1};
  return ContourFromNumberedPoints(
      std::vector<double>(x.begin(), x.begin() + static_cast<long>(n)),
      std::vector<double>(y.begin(), y.begin() + static_cast<long>(n)),
      std::vector<int>(lines.begin(), lines.begin() + static_cast<long>(n)), std::move(name));
}

// ---------------------------------------------------------------- NACA

namespace {

struct MeanLine {
  // y_c and dy_c/dx at x.
  virtual void At(double x, double& yc, double& slope) const = 0;
  virtual ~MeanLine() = default;
};

struct FourDigitLine final : MeanLine {
  double m = 0.0, p = 0.0;
  void At(double x, double& yc, double& slope) const override {
    if (m == 0.0 || p == 0.0) {
      yc = slope = 0.0;
    } else if (x < p) {
      yc = m / (p * p) * (2.0 * p * x - x * x);
      slope = 2.0 * m / (p * p) * (p - x);
    } else {
      yc = m / ((1 - p) * (1 - p)) * (1.0 - 2.0 * p + 2.0 * p * x - x * x);
      slope = 2.0 * m / ((1 - p) * (1 - p)) * (p - x);
    }
  }
};

struct FiveDigitLine final : MeanLine {
  double r = 0.0, k1 = 0.0;
  void At(double x, double& yc, double& slope) const override {
    if (x < r) {
      yc = k1 / 6.0 * (x * x * x - 3.0 * r * x * x + r * r * (3.0 - r) * x);
      slope = k1 / 6.0 * (3.0 * x * x - 6.0 * r * x + r * r * (3.0 - r));
    } else {
      yc = k1 * r * r * r / 6.0 * (1.0 - x);
      slope = -k1 * r * r * r / 6.0;
    }
  }
};

// Zero at x = 1 exactly (the coefficients add up to 0, their rounding need not).
double NacaThickness(double t, double x) {
  if (x >= 1.0) return 0.0;
  return 5.0 * t *
         (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
          0.1036 * x * x * x * x);
}

}  // namespace

AirfoilResult NacaProfile(std::string_view code) {
  const bool digits = !code.empty() && std::all_of(code.begin(), code.end(),
                                                   [](char ch) { return ch >= '0' && ch <= '9'; });
  if (!digits || (code.size() != 4 && code.size() != 5))
    return AirfoilFault{AirfoilFaultKind::kNacaNotDigits, 0};
  auto digit = [&](std::size_t i) { return code[i] - '0'; };
  const int xx = 10 * digit(code.size() - 2) + digit(code.size() - 1);
  FourDigitLine four;
  FiveDigitLine five;
  const MeanLine* line = nullptr;
  if (code.size() == 4) {
    if (digit(0) > 0 && digit(1) == 0)
      return AirfoilFault{AirfoilFaultKind::kNacaUnknownMeanLine, 0};
    four.m = digit(0) / 100.0;
    four.p = digit(1) / 10.0;
    line = &four;
  } else {
    static constexpr double kR[5] = {0.0580, 0.1260, 0.2025, 0.2900, 0.3910};
    static constexpr double kK1[5] = {361.4, 51.64, 15.957, 6.643, 3.230};
    if (digit(0) == 2 && digit(1) >= 1 && digit(1) <= 5 && digit(2) == 1)
      return AirfoilFault{AirfoilFaultKind::kNacaReflexed, 0};
    if (digit(0) != 2 || digit(1) < 1 || digit(1) > 5 || digit(2) != 0)
      return AirfoilFault{AirfoilFaultKind::kNacaUnknownMeanLine, 0};
    five.r = kR[digit(1) - 1];
    five.k1 = kK1[digit(1) - 1];
    line = &five;
  }
  if (xx == 0) return AirfoilFault{AirfoilFaultKind::kNacaNoThickness, 0};
  if (xx > 40) return AirfoilFault{AirfoilFaultKind::kNacaTooThick, 0};
  const double t = xx / 100.0;

  constexpr int kN = kNacaPointsPerSurface;
  std::vector<double> px, py;
  px.reserve(2 * kN), py.reserve(2 * kN);
  auto add = [&](int k, double side) {
    const double xc = 0.5 * (1.0 - std::cos(std::numbers::pi * k / (kN - 1)));
    double yc, slope;
    line->At(xc, yc, slope);
    const double th = std::atan(slope), yt = NacaThickness(t, xc);
    px.push_back(xc - side * yt * std::sin(th));
    py.push_back(yc + side * yt * std::cos(th));
  };
  for (int k = kN - 1; k >= 0; --k) add(k, 1.0);  // upper, TE to LE
  for (int k = 1; k < kN; ++k) add(k, -1.0);      // lower, LE to TE
  AirfoilResult result = ContourFromPoints(px, py, "NACA " + std::string(code));
  if (auto* contour = std::get_if<AirfoilContour>(&result)) {
    // The section's own thickness and camber, on its chord line: 2 y_t and y_c.
    std::vector<double> xs, ts, cs;
    for (int k = 1; k < 2000; ++k) {
      const double x = k / 2000.0;
      double yc, slope;
      line->At(x, yc, slope);
      xs.push_back(x), ts.push_back(2.0 * NacaThickness(t, x)), cs.push_back(yc);
    }
    ProfileReport& r = contour->report;
    Largest(xs, ts, r.thickness, r.thicknessX);
    Largest(xs, cs, r.camber, r.camberX);
    if (r.camber <= 0.0) r.camber = 0.0, r.camberX = 0.0;
  }
  return result;
}

}  // namespace fluvenna
