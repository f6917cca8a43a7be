// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <complex>
#include <memory>
#include <optional>
#include <vector>

namespace fluvenna {

struct CircleModel;

// One critical point of a map (dzeta/dz = 0) and its image. `onCircle` is
// true for a point on the circle: the trailing-edge point always (it comes
// first), another one where the profile has a second sharp edge (the flat
// plate's leading edge), where the speed is unbounded.
struct MapCriticalPoint {
  std::complex<double> z;
  std::complex<double> zeta;
  bool onCircle = false;
};

// The conformal map of a profile: it takes the outside of a circle (the
// circle plane, in the profile frame: chord along x) one-to-one onto the
// outside of the profile (the airfoil plane). Every capability of a pass
// (mapping the curves, surface pressure, the measure of the profile, the
// flow field and probe, times of flight, the boundary layer, the lift curve,
// the conformal-map view) reaches the profile only through this interface.
//
// Contract of every implementation:
//  - Forward(z) -> zeta with dzeta/dz -> 1 as |z| -> infinity (the free
//    stream has the same speed and direction in both planes, so the angle of
//    attack is measured from the x axis of both);
//  - the circle, centre zc and radius A, holds every singular point of the
//    map inside or on it;
//  - the trailing-edge point zTE lies on the circle, and Forward(zTE) is the
//    trailing edge; dzeta/dz vanishes there (a sharp edge), so the Kutta
//    condition puts the rear stagnation point of the circle flow on zTE.
class ProfileMap {
 public:
  using Complex = std::complex<double>;
  virtual ~ProfileMap() = default;

  // The image of z; std::nullopt where the map has no finite value.
  virtual std::optional<Complex> Forward(Complex z) const = 0;
  // dzeta/dz at z (not finite at the singular points).
  virtual Complex Derivative(Complex z) const = 0;
  // The point z on or outside the circle whose image is zeta; std::nullopt
  // for a point inside the profile (or not finite).
  virtual std::optional<Complex> Inverse(Complex zeta) const = 0;

  // Forward(z) and Derivative(z) at once (the image std::nullopt where
  // Forward has none), for callers that need both at the same point; a map
  // whose two share their work gives them for little more than one.
  struct ImageAndDerivative {
    std::optional<Complex> image;
    Complex derivative;
  };
  virtual ImageAndDerivative ForwardWithDerivative(Complex z) const {
    return {Forward(z), Derivative(z)};
  }
  // Inverse to a looser accuracy, for pictures: the circle point to about
  // `accuracy` of the circle radius. Maps whose inverse is a closed form
  // ignore it.
  virtual std::optional<Complex> InverseTo(Complex zeta, double accuracy) const {
    (void)accuracy;
    return Inverse(zeta);
  }
  // The images of `count` points equally spaced round the circle from the
  // polar angle `from` about its centre: Forward(zc + A e^(i (from + 2 Pi j /
  // count))), j = 0 .. count - 1. A map may take them all at once (a count
  // that is a power of two lets a Fourier series' map use one transform).
  virtual std::vector<std::optional<Complex>> CircleImages(double from, int count) const {
    std::vector<std::optional<Complex>> images;
    for (int j = 0; j < count; ++j) {
      images.push_back(
          Forward(CircleCentre() + std::polar(CircleRadius(), from + kCircleTurn * j / count)));
    }
    return images;
  }
  static constexpr double kCircleTurn = 6.28318530717958647692528676655900;  // 2 Pi
  // Derivative to about `accuracy` relative, for pictures.
  virtual Complex DerivativeTo(Complex z, double accuracy) const {
    (void)accuracy;
    return Derivative(z);
  }

  virtual Complex CircleCentre() const = 0;
  virtual double CircleRadius() const = 0;
  // zTE on the circle, and its image.
  virtual Complex TrailingEdgeCirclePoint() const = 0;
  virtual Complex TrailingEdge() const = 0;
  // Where dzeta/dz = 0, on and inside the circle.
  virtual std::vector<MapCriticalPoint> CriticalPoints() const = 0;

  // q_TE / U0 of the flow that meets the Kutta condition, for a circle flow
  // with the angle AlfaBeta (angle of attack + Beta). Near the trailing-edge
  // point the circle speed is 2 U0 |cos(AlfaBeta)| |theta - theta_TE| and
  // |dzeta/dz| = r A |theta - theta_TE| for a cusped edge (r = |zeta''(zTE)|),
  // so q_TE = 2 U0 |cos(AlfaBeta)| / (A r); an edge with a finite angle has
  // a derivative that vanishes more slowly, and q_TE = 0.
  virtual double TrailingEdgeSpeed(double AlfaBeta) const = 0;

  // The designed map's constants (cJ, nC), where this is the Joukowski map
  // of the designed window; the capabilities keep their closed forms (the
  // factored field speed, the inverse by the quadratic) for it.
  struct JoukowskiConstants {
    double cJ = 0.0, nC = 0.0;
    int nExp = 2;
  };
  virtual std::optional<JoukowskiConstants> Joukowski() const { return std::nullopt; }
};

// The designed map: Karman-Trefftz with the exponent nExp (always 2), that is
// the Joukowski map zeta = z + cJ^2 / z, computed by MapPoint in the real
// arithmetic of the designed window. cJ is the map constant as the pass
// re-reads it (the turned trailing-edge point), nC = nExp cJ from the circle
// model. Its derivative is dzeta/dz = 1 - cJ^2 / z^2; its critical points are
// z = +-cJ with images +-nC; at the trailing edge |zeta''(cJ)| = 2 / cJ.
class JoukowskiProfileMap final : public ProfileMap {
 public:
  // The circle: centre (xc, yc), radius A; cJModel the circle model's cJ
  // (before the re-reading), which the trailing-edge speed uses.
  JoukowskiProfileMap(double cJ, double nC, int nExp, double xc, double yc, double A,
                      double cJModel);

  std::optional<Complex> Forward(Complex z) const override;
  Complex Derivative(Complex z) const override;
  // The root of z^2 - zeta z + cJ^2 = 0 on or outside the circle, as
  // FlowFieldModel::InverseMap chooses it.
  std::optional<Complex> Inverse(Complex zeta) const override;
  Complex CircleCentre() const override { return {xc_, yc_}; }
  double CircleRadius() const override { return A_; }
  Complex TrailingEdgeCirclePoint() const override { return {cJ_, 0.0}; }
  Complex TrailingEdge() const override { return {nC_, 0.0}; }
  std::vector<MapCriticalPoint> CriticalPoints() const override;
  // |zeta''(cJ)| = 2 / cJ: q_TE = U0 cJ |cos(AlfaBeta)| / A.
  double TrailingEdgeSpeed(double AlfaBeta) const override;
  std::optional<JoukowskiConstants> Joukowski() const override {
    return JoukowskiConstants{cJ_, nC_, nExp_};
  }

 private:
  double cJ_, nC_;
  int nExp_;
  double xc_, yc_, A_, cJModel_;
};

// A point lies inside the circle when its distance d from the centre has
// d < (1 - kInsideCircleTolerance) A (the flow field's on-body tolerance).
inline constexpr double kInsideCircleTolerance = 1e-7;

// The larger root z1 = (zeta + s) / 2 of z^2 - zeta z + cJ^2 = 0 (the
// Joukowski map's inverse) for zeta = (x, y): s is the square root of
// (zeta - 2 cJ)(zeta + 2 cJ) (a + i b), turned so that Re(conj(zeta) s) >= 0,
// which keeps zeta + s free of cancellation. Written without branches, so
// that a row of pixels runs through it without stalls. The other root is
// cJ^2 / z1.
inline void JoukowskiLargerRoot(double x, double y, double c, double& z1x, double& z1y) {
  const double a = (x - 2.0 * c) * (x + 2.0 * c) - y * y;
  const double b = 2.0 * x * y;
  const double m = std::sqrt(a * a + b * b);
  const double t = std::sqrt(0.5 * (m + std::fabs(a)));
  const double h = b / (2.0 * t);  // 0 / 0 at zeta = +-2 cJ, where m = 0
  double sr = a >= 0.0 ? t : std::fabs(h);
  double si = a >= 0.0 ? h : std::copysign(t, b);
  sr = m == 0.0 ? 0.0 : sr;
  si = m == 0.0 ? 0.0 : si;
  const double turn = (x * sr + y * si < 0.0) ? -1.0 : 1.0;
  z1x = 0.5 * (x + turn * sr);
  z1y = 0.5 * (y + turn * si);
}

// The map of a pass with this circle model: its own map when it has one,
// else the designed map built from it (cJ re-read from the turned
// trailing-edge point, as the mapping stage does).
std::shared_ptr<const ProfileMap> MapOf(const CircleModel& c, int nExp = 2);

// The inverse of any map by Newton's method on Forward(z) = zeta from
// `start`: z <- z - (Forward(z) - zeta) / Derivative(z), the step halved
// while it would enter the circle, until the step is below 1e-13 of |z| or
// after 60 steps. std::nullopt when it does not converge, ends inside the
// circle by more than the on-body tolerance, or ends (held at the circle)
// at a point whose image is not zeta: zeta then lies inside the profile.
std::optional<std::complex<double>> NewtonInverse(const ProfileMap& map, std::complex<double> zeta,
                                                  std::complex<double> start);

}  // namespace fluvenna
