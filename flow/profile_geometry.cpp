#include "flow/profile_geometry.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "flow/mapping.h"

namespace fluvenna {
namespace {

constexpr int kExp = 2;
constexpr double kTwoPi = 6.283185307179586476925286766559;

struct Point {
  double x = 0.0, y = 0.0;
};

// The drawn profile as a function of the polar angle about the circle centre.
class Contour {
 public:
  Contour(double Eps, double Mu) {
    cJ_ = (1.0 / (2.0 * kExp)) * (1.0 - std::pow(Eps / (1.0 + Eps), kExp));
    nC_ = kExp * cJ_;
    xc_ = -cJ_ * Eps;
    yc_ = cJ_ * Mu;
    A_ = cJ_ * std::sqrt((1.0 + Eps) * (1.0 + Eps) + Mu * Mu);
    thetaTE_ = -std::atan(Mu / (1.0 + Eps));
  }

  double thetaTE() const { return thetaTE_; }
  Point trailingEdge() const { return {nC_, 0.0}; }

  Point At(double theta) const {
    const auto image =
        MapPoint(xc_ + A_ * std::cos(theta), yc_ + A_ * std::sin(theta), cJ_, nC_, kExp);
    return image ? Point{image->first, image->second} : Point{-nC_, 0.0};
  }

 private:
  double cJ_, nC_, xc_, yc_, A_, thetaTE_;
};

// Maximum of a unimodal-near-the-top function on [lo, hi]: a coarse scan,
// then golden-section search around the best sample.
double Maximise(const std::function<double(double)>& f, double lo, double hi, int coarse,
                double* argmax = nullptr) {
  double best = lo, fbest = -HUGE_VAL;
  for (int i = 0; i <= coarse; ++i) {
    const double t = lo + (hi - lo) * i / coarse;
    const double ft = f(t);
    if (ft > fbest) fbest = ft, best = t;
  }
  const double step = (hi - lo) / coarse;
  double a = std::max(lo, best - step), b = std::min(hi, best + step);
  const double g = 0.5 * (std::sqrt(5.0) - 1.0);
  double c = b - g * (b - a), d = a + g * (b - a);
  double fc = f(c), fd = f(d);
  for (int i = 0; i < 100 && b - a > 1e-15 * (1.0 + std::fabs(a)); ++i) {
    if (fc > fd) {
      b = d, d = c, fd = fc, c = b - g * (b - a), fc = f(c);
    } else {
      a = c, c = d, fc = fd, d = a + g * (b - a), fd = f(d);
    }
  }
  const double t = 0.5 * (a + b);
  const double ft = f(t);
  if (argmax) *argmax = (ft >= fbest) ? t : best;
  return std::max(ft, fbest);
}

}  // namespace

ProfileMeasure MeasureProfile(double Eps, double Mu, const ProfileMeasureOptions& options) {
  const Contour contour(Eps, Mu);
  const Point te = contour.trailingEdge();
  const double t0 = contour.thetaTE();
  const auto distance = [&](double theta) {
    const Point p = contour.At(theta);
    return std::hypot(p.x - te.x, p.y - te.y);
  };

  ProfileMeasure m;
  double thetaLE = 0.0;
  const int samples = std::max(options.samples, 64);
  m.chord = Maximise(distance, t0 + 1e-9, t0 + kTwoPi - 1e-9, samples, &thetaLE);
  const Point le = contour.At(thetaLE);
  m.leadingX = le.x, m.leadingY = le.y;
  m.trailingX = te.x, m.trailingY = te.y;
  if (!(m.chord > 0.0)) return m;

  // Chord frame: s along the chord from the leading edge (0..1), h across it.
  const double ux = (te.x - le.x) / m.chord, uy = (te.y - le.y) / m.chord;
  const auto station = [&](double theta) {
    const Point p = contour.At(theta);
    return Point{((p.x - le.x) * ux + (p.y - le.y) * uy) / m.chord,
                 (-(p.x - le.x) * uy + (p.y - le.y) * ux) / m.chord};
  };
  // The surface height at station s on the branch between two angles, found
  // by bisection on the angle (s runs monotonically along each branch).
  const auto height = [&](double s, double from, double to) {
    double a = from, b = to;
    const double sa = station(a).x;
    for (int i = 0; i < 80; ++i) {
      const double mid = 0.5 * (a + b);
      if ((station(mid).x - s) * (sa - s) > 0.0) {
        a = mid;
      } else {
        b = mid;
      }
    }
    return station(0.5 * (a + b)).y;
  };
  // Upper branch: counter-clockwise from the trailing edge to the leading edge.
  const auto upper = [&](double s) { return height(s, t0, thetaLE); };
  const auto lower = [&](double s) { return height(s, thetaLE, t0 + kTwoPi); };

  const int stations = std::max(samples / 20, 50);
  m.thickness = Maximise([&](double s) { return upper(s) - lower(s); }, 0.0, 1.0, stations);
  const double camberUp =
      Maximise([&](double s) { return 0.5 * (upper(s) + lower(s)); }, 0.0, 1.0, stations);
  const double camberDown =
      Maximise([&](double s) { return -0.5 * (upper(s) + lower(s)); }, 0.0, 1.0, stations);
  m.camber = std::max(camberUp, camberDown);
  return m;
}

double LiftCoefficient(double Circ, double U0, double chord) { return 2.0 * Circ / (U0 * chord); }

}  // namespace fluvenna
