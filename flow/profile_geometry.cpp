// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_geometry.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "flow/circle_model.h"
#include "flow/decimal_text.h"
#include "flow/mapping.h"
#include "flow/parameters.h"
#include "flow/profile_map.h"

namespace fluvenna {
namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;
constexpr int kMinSamples = 64;
// A search for a largest value stops when it knows the angle of the maximum
// to this: the value there is then exact to about (1e-9)^2.
constexpr double kAngleTolerance = 1e-9;

struct Point {
  double x = 0.0, y = 0.0;
};

// The drawn profile as a function of the polar angle about the circle
// centre: the image of the circle under the profile's map.
class Contour {
 public:
  // The designed profile, built from the core's circle model and map
  // exactly as a pass with Alfa = 0 (cJ as the circle model has it).
  Contour(double Eps, double Mu) {
    FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
    p.Alfa = 0.0;
    p.Eps = Eps;
    p.Mu = Mu;
    const CircleModel circle = ComputeCircleModel(p);
    owned_ = std::make_shared<JoukowskiProfileMap>(circle.cJ, circle.nC, p.nExp, circle.xc,
                                                   circle.yc, circle.A, circle.cJ);
    map_ = owned_.get();
    thetaTE_ = -circle.Beta;
    Init();
  }
  // Any profile given by its map.
  explicit Contour(const ProfileMap& map) : map_(&map) {
    const std::complex<double> te = map.TrailingEdgeCirclePoint() - map.CircleCentre();
    thetaTE_ = std::atan2(te.imag(), te.real());
    Init();
  }

  // The trailing-edge point zTE sits at this angle about the centre.
  double thetaTE() const { return thetaTE_; }
  Point trailingEdge() const { return trailing_; }

  Point At(double theta) const { return Map(CirclePoint(theta)); }

  // dP/dtheta = (dzeta/dz) (dz/dtheta).
  Point Tangent(double theta) const {
    const std::complex<double> dz(-A_ * std::sin(theta), A_ * std::cos(theta));
    const std::complex<double> d = map_->Derivative(CirclePoint(theta)) * dz;
    return {d.real(), d.imag()};
  }

 private:
  void Init() {
    zc_ = map_->CircleCentre();
    A_ = map_->CircleRadius();
    trailing_ = Map(map_->TrailingEdgeCirclePoint());
  }
  std::complex<double> CirclePoint(double theta) const {
    return {zc_.real() + A_ * std::cos(theta), zc_.imag() + A_ * std::sin(theta)};
  }
  Point Map(std::complex<double> z) const {
    const auto image = map_->Forward(z);
    if (!image) return {std::nan(""), std::nan("")};  // only at z = 0, inside the circle
    return {image->real(), image->imag()};
  }

  std::shared_ptr<const ProfileMap> owned_;
  const ProfileMap* map_ = nullptr;
  std::complex<double> zc_;
  double A_ = 0.0;
  double thetaTE_ = 0.0;
  Point trailing_;
};

// Coordinates along (s) and across (h) the chord, from the leading edge, in
// units of the chord; h > 0 lies to the left of the leading-to-trailing edge.
class ChordFrame {
 public:
  ChordFrame(Point le, Point te) : le_(le), chord_(std::hypot(te.x - le.x, te.y - le.y)) {
    ux_ = (te.x - le.x) / chord_;
    uy_ = (te.y - le.y) / chord_;
  }
  double chord() const { return chord_; }
  Point Local(Point p) const {
    const double dx = p.x - le_.x, dy = p.y - le_.y;
    return {(dx * ux_ + dy * uy_) / chord_, (dy * ux_ - dx * uy_) / chord_};
  }

 private:
  Point le_;
  double chord_, ux_ = 0.0, uy_ = 0.0;
};

// Root of f in [a, b] with f(a) = fa and f(b) = fb of opposite signs (or one
// of them zero), to rounding: Brent's method (inverse quadratic and secant
// steps, bisection whenever they do not shrink the bracket fast enough).
template <typename F>
double FindRoot(const F& f, double a, double b, double fa, double fb) {
  if (fa == 0.0) return a;
  if (fb == 0.0) return b;
  constexpr double kEps = std::numeric_limits<double>::epsilon();
  double c = a, fc = fa, d = b - a, e = d;
  for (int iteration = 0; iteration < 200; ++iteration) {
    if ((fb > 0.0) == (fc > 0.0)) c = a, fc = fa, d = e = b - a;
    if (std::fabs(fc) < std::fabs(fb)) a = b, b = c, c = a, fa = fb, fb = fc, fc = fa;
    const double tol = 2.0 * kEps * std::fabs(b) + kEps * kEps;
    const double m = 0.5 * (c - b);
    if (std::fabs(m) <= tol || fb == 0.0) return b;
    if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
      d = e = m;
    } else {
      double p, q;
      const double s = fb / fa;
      if (a == c) {
        p = 2.0 * m * s, q = 1.0 - s;
      } else {
        const double r = fb / fc, t = fa / fc;
        p = s * (2.0 * m * t * (t - r) - (b - a) * (r - 1.0));
        q = (t - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) {
        q = -q;
      } else {
        p = -p;
      }
      if (2.0 * p < std::min(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d, d = p / q;
      } else {
        d = e = m;
      }
    }
    a = b, fa = fb;
    b += (std::fabs(d) > tol) ? d : (m > 0.0 ? tol : -tol);
    fb = f(b);
  }
  return b;
}

// Largest value of f on [a, b] and where: Brent's minimiser applied to -f
// (R. P. Brent, Algorithms for Minimization without Derivatives, 1973,
// ch. 5), golden-section steps where parabolic interpolation through the
// last three points would not shrink the bracket. On a smooth maximum it
// needs about a third of the evaluations of golden section alone. It stops
// when the maximum is known to within kAngleTolerance.
template <typename F>
std::pair<double, double> BrentMaximum(const F& f, double a, double b) {
  const double golden = 0.5 * (3.0 - std::sqrt(5.0));
  const double tol = kAngleTolerance / 2.0;
  double x = a + golden * (b - a), w = x, v = x;
  double fx = -f(x), fw = fx, fv = fx;
  double d = 0.0, e = 0.0;
  for (int iteration = 0; iteration < 200; ++iteration) {
    const double m = 0.5 * (a + b);
    if (std::fabs(x - m) <= 2.0 * tol - 0.5 * (b - a)) break;
    double p = 0.0, q = 0.0, r = 0.0;
    if (std::fabs(e) > tol) {
      r = (x - w) * (fx - fv);
      q = (x - v) * (fx - fw);
      p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0.0) {
        p = -p;
      } else {
        q = -q;
      }
      r = e;
      e = d;
    }
    if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
      d = p / q;  // the parabola's vertex
      const double u = x + d;
      if (u - a < 2.0 * tol || b - u < 2.0 * tol) d = (x < m) ? tol : -tol;
    } else {
      e = ((x < m) ? b : a) - x;  // golden section into the larger part
      d = golden * e;
    }
    const double u = x + ((std::fabs(d) >= tol) ? d : (d > 0.0 ? tol : -tol));
    const double fu = -f(u);
    if (fu <= fx) {
      (u < x ? b : a) = x;
      v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw, w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
  return {-fx, x};
}

// One surface, from one end of the chord to the other: contour angles and
// their chord-frame points, in the order of increasing angle.
struct Surface {
  std::vector<double> theta;
  std::vector<Point> local;
};

// The contour sampled at equal steps of the angle: each angle and its point.
struct Samples {
  std::vector<double> theta;
  std::vector<Point> point;
};

// The surface points between the angles `from` and `to` (exclusive) among
// the samples, with the exact end points added.
Surface CollectSurface(const Contour& contour, const ChordFrame& frame, const Samples& samples,
                       double from, double to) {
  Surface s;
  const auto add = [&](double theta, Point p) {
    s.theta.push_back(theta);
    s.local.push_back(frame.Local(p));
  };
  add(from, contour.At(from));
  for (std::size_t j = 0; j < samples.theta.size(); ++j) {
    const double theta = samples.theta[j];
    if (theta > from && theta < to) add(theta, samples.point[j]);
  }
  add(to, contour.At(to));
  return s;
}

// True when s runs strictly one way along the surface (decreasing when
// `decreasing`), i.e. the surface meets each station once.
bool Monotone(const Surface& surface, bool decreasing) {
  for (std::size_t i = 1; i < surface.local.size(); ++i) {
    const double step = surface.local[i].x - surface.local[i - 1].x;
    if (decreasing ? !(step < 0.0) : !(step > 0.0)) return false;
  }
  return true;
}

// Index k of the lower-surface samples with s between points k and k + 1
// (s increases along the lower surface).
std::size_t LowerBracket(const Surface& lower, double s) {
  const auto& pts = lower.local;
  const auto it = std::upper_bound(pts.begin(), pts.end(), s,
                                   [](double value, const Point& p) { return value < p.x; });
  const std::ptrdiff_t k = std::max<std::ptrdiff_t>(it - pts.begin() - 1, 0);
  return std::min(static_cast<std::size_t>(k), pts.size() - 2);
}

// The lower surface's height at station s by linear interpolation of the samples.
double LowerHeightSampled(const Surface& lower, double s) {
  const std::size_t k = LowerBracket(lower, s);
  const Point a = lower.local[k], b = lower.local[k + 1];
  return a.y + (s - a.x) / (b.x - a.x) * (b.y - a.y);
}

// The lower surface's height at station s on the exact contour: the angle
// where s(theta) = s, solved inside the sample bracket.
double LowerHeight(const Contour& contour, const ChordFrame& frame, const Surface& lower,
                   double s) {
  const std::size_t k = LowerBracket(lower, s);
  const auto station = [&](double theta) { return frame.Local(contour.At(theta)).x - s; };
  const double theta = FindRoot(station, lower.theta[k], lower.theta[k + 1], lower.local[k].x - s,
                                lower.local[k + 1].x - s);
  return frame.Local(contour.At(theta)).y;
}

struct Extreme {
  double value = 0.0;
  double station = 0.0;
};

// The lower surface's height, interpolated, under each upper-surface point.
std::vector<double> LowerUnderUpper(const Surface& upper, const Surface& lower) {
  std::vector<double> heights(upper.local.size());
  for (std::size_t i = 0; i < upper.local.size(); ++i) {
    heights[i] = LowerHeightSampled(lower, upper.local[i].x);
  }
  return heights;
}

// Largest value over the chord of combine(h_upper(s), h_lower(s)): first
// over the upper surface's samples, with the lower surface's heights under
// them, interpolated (`lowerUnder`); then by Brent's search over the upper
// surface's angle between the best sample's neighbours, the lower surface
// taken exactly.
template <typename Combine>
Extreme LargestOverChord(const Contour& contour, const ChordFrame& frame, const Surface& upper,
                         const Surface& lower, const std::vector<double>& lowerUnder,
                         const Combine& combine) {
  std::size_t best = 0;
  double bestValue = -HUGE_VAL;
  for (std::size_t i = 1; i + 1 < upper.local.size(); ++i) {
    const double v = combine(upper.local[i].y, lowerUnder[i]);
    if (v > bestValue) bestValue = v, best = i;
  }
  if (best == 0) return {};
  const auto exact = [&](double theta) {
    const Point p = frame.Local(contour.At(theta));
    return combine(p.y, LowerHeight(contour, frame, lower, p.x));
  };
  const auto [value, theta] = BrentMaximum(exact, upper.theta[best - 1], upper.theta[best + 1]);
  return {value, frame.Local(contour.At(theta)).x};
}

// Angle of the leading edge: the sample farthest from the trailing edge,
// refined to the root of D'(theta) = 2 (P - TE) . P' between its neighbours.
double LeadingEdgeAngle(const Contour& contour, const Samples& samples) {
  const Point te = contour.trailingEdge();
  const auto distance2 = [&](Point p) {
    return (p.x - te.x) * (p.x - te.x) + (p.y - te.y) * (p.y - te.y);
  };
  const auto slope = [&](double theta) {
    const Point p = contour.At(theta), t = contour.Tangent(theta);
    return 2.0 * ((p.x - te.x) * t.x + (p.y - te.y) * t.y);
  };
  std::size_t best = 1;
  double farthest = -1.0;
  for (std::size_t j = 1; j + 1 < samples.theta.size(); ++j) {
    const double d = distance2(samples.point[j]);
    if (d > farthest) farthest = d, best = j;
  }
  const double a = samples.theta[best - 1], b = samples.theta[best + 1];
  const double fa = slope(a), fb = slope(b);
  if (!(fa >= 0.0 && fb <= 0.0)) return samples.theta[best];  // no bracket: keep the sample
  return FindRoot(slope, a, b, fa, fb);
}

}  // namespace

namespace {

ProfileMeasure MeasureContour(const Contour& contour, const ProfileMeasureOptions& options) {
  const double t0 = contour.thetaTE();
  const int n = std::max(options.samples, kMinSamples);
  Samples samples;
  samples.theta.resize(n + 1);
  samples.point.resize(n + 1);
  for (int j = 0; j <= n; ++j) {
    samples.theta[j] = t0 + kTwoPi * j / n;
    samples.point[j] = contour.At(samples.theta[j]);
  }

  const double thetaLE = LeadingEdgeAngle(contour, samples);
  const Point te = contour.trailingEdge();
  const Point le = contour.At(thetaLE);
  const ChordFrame frame(le, te);

  ProfileMeasure m;
  m.chord = frame.chord();
  m.leadingX = le.x, m.leadingY = le.y;
  m.trailingX = te.x, m.trailingY = te.y;
  m.leadingAngle = thetaLE;
  if (!(m.chord > 0.0)) return m;

  // Upper surface: counter-clockwise from the trailing edge to the leading
  // edge (s falls from 1 to 0); lower surface: on to the trailing edge again.
  const Surface upper = CollectSurface(contour, frame, samples, t0, thetaLE);
  const Surface lower = CollectSurface(contour, frame, samples, thetaLE, t0 + kTwoPi);
  m.singleValued = Monotone(upper, true) && Monotone(lower, false);

  const std::vector<double> lowerUnder = LowerUnderUpper(upper, lower);
  const Extreme thickness = LargestOverChord(contour, frame, upper, lower, lowerUnder,
                                             [](double hu, double hl) { return hu - hl; });
  const Extreme above = LargestOverChord(contour, frame, upper, lower, lowerUnder,
                                         [](double hu, double hl) { return 0.5 * (hu + hl); });
  const Extreme below = LargestOverChord(contour, frame, upper, lower, lowerUnder,
                                         [](double hu, double hl) { return -0.5 * (hu + hl); });
  m.thickness = thickness.value;
  m.thicknessAt = thickness.station;
  const Extreme& camber = (above.value >= below.value) ? above : below;
  m.camber = std::max(camber.value, 0.0);
  m.camberAt = camber.station;
  return m;
}

}  // namespace

ProfileMeasure MeasureProfile(double Eps, double Mu, const ProfileMeasureOptions& options) {
  return MeasureContour(Contour(Eps, Mu), options);
}

ProfileMeasure MeasureProfile(const ProfileMap& map, const ProfileMeasureOptions& options) {
  return MeasureContour(Contour(map), options);
}

double LiftCoefficient(double Circ, double U0, double chord) {
  return 2.0 * Circ / (U0 * chord);
}

}  // namespace fluvenna
