// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <complex>
#include <optional>
#include <variant>
#include <vector>

#include "flow/airfoil_contour.h"

namespace fluvenna {

// The conformal map of the outside of a circle onto the outside of any
// profile, by Theodorsen's method: T. Theodorsen, "Theory of wing sections
// of arbitrary shape", NACA Report 411 (1931); T. Theodorsen and I. E.
// Garrick, "General potential theory of arbitrary wing sections", NACA
// Report 452 (1933). Planes (as in the rest of Fluvenna): z the circle
// plane, z' the near-circle plane, zeta the profile plane (the normalised
// contour of airfoil_contour.h: LE at 0, chord 1).
//
//  circle -> near circle (Fourier part), about the circle centre m:
//    z' = m + (z - m) exp(S(u)),  S(u) = sum_{k=1..K} C_k u^k,  u = R / (z - m),
//    so that on the circle z = m + R e^(i phi):
//    ln(z' - m) = ln R + i phi + sum C_k e^(-i k phi) = psi + i theta.
//    There is no constant term: dz'/dz -> 1 at infinity, so the map does not
//    turn the far stream and alpha is the same in every plane; R plays the
//    part of Theodorsen's exp(psi_0).
//  near circle -> profile (Karman-Trefftz pre-map), with the profile's own
//    trailing-edge angle tau, n = 2 - tau / Pi:
//    V = (z' - M0 - a) / (z' - M0 + a),  Q = V^n,  zeta = (P_T - Q P_L) / (1 - Q),
//    P_T the trailing edge, P_L a point inside the nose (half the LE radius
//    behind the LE, on the chord), a = (P_T - P_L) / (2 n), M0 = (P_T + P_L) / 2,
//    so that zeta = z' + O(1 / z') far away. Its critical points z' = M0 + a
//    (onto P_T, on the near circle, where the corner of angle tau opens to a
//    straight angle) and z' = M0 - a (onto P_L, inside).
//    The inverse takes arg Q in (gamma - 2 Pi, gamma], gamma = arg Q at the
//    mid-point between the surfaces half-way round each: its branch cut is
//    the circular arc through P_T, that point and P_L, which lies inside the
//    profile even for strongly cambered ones.
//
// The TE angle. The spline's end slopes give tau to O(h^3) for a TE whose
// surfaces are smooth curves (NACA), but only to a few 1e-3 where they curve
// sharply into the TE (Karman-Trefftz, Joukowski). So tau is corrected from
// the near circle itself: a wrong n leaves it a corner at z'_T whose
// exterior angle Pi + t_c gives 2 Pi - tau = n (Pi + t_c); each side's
// tangent is extrapolated to z'_T from the three points nearest the TE
// (quadratic in the distance), up to four rounds (a cusp at most: n <= 2).
//
// The coefficients: psi(theta), the near circle in polar form about m
// (m = midway between z'_T and the image of the LE), is tabulated from the
// spline (`samplesPerSurface`, 512, a surface, crowded at both edges) and read by
// local cubics. Theodorsen's integral equation
//    theta(phi) - phi = eps(phi) = conjugate function of psi(theta(phi))
// is iterated on N equally spaced phi_j: psi_j = psi(phi_j + eps_j), FFT,
// C_k = 2 conj(X_k) / N (1 <= k < N / 2), R = exp(X_0 / N),
// eps_j = Im sum C_k e^(-i k phi_j), until eps moves by less than 1e-12
// (7-15 rounds; each finer N starts from the coarser series, at most 100).
// N doubles from 64 until
//   * C_L at 5 degrees above zero lift changed by less than `liftTolerance`
//     (relative) from the previous N,
//   * the stretch |dz'/dz| on the circle (outside 0.1 rad about the TE)
//     changed by less than `speedTolerance` (relative; the default 1e-4
//     gives Cp to about 1e-3 at the suction peak, 1e-6 gives 1e-6), and
//   * the re-traced contour (the images of the mid-points phi_j + Pi / N,
//     measured to the nearest spline point) lies within `contourTolerance`
//     chords of the spline;
// so the number of terms N / 2 - 1 follows from the accuracy: 255 (NACA
// 0012, 23012) to 511 (2412, 4412, a 200-point file) at the defaults. The
// tail is then dropped as far as it moves the contour by at most 1e-2 and
// the stretch by at most 1e-1 of their tolerances (bounds of the left-out
// terms): K about 230 to 420 at the defaults. A real TE's curvature leaves
// the near circle a weak singularity there, whose coefficients fall only as k^-(1+n); the speed
// converges slowest. A contour that misses a tolerance at `mostNodes`
// (a kinked or noisy file) keeps its last map, Converged() false.
//
// The flow (U0 = 1, angle of attack alpha from the x axis): past the circle
//   dF/dz = e^(-i alpha) - R^2 e^(i alpha) / (z - m)^2 + i Gamma / (2 Pi (z - m)),
// Kutta condition at z_T = m + R e^(i phi_T), the circle point of the TE:
//   Gamma = 4 Pi R sin(alpha - phi_T),  C_L = 2 Gamma / (U0 c) = 8 Pi R sin(alpha - phi_T),
// zero-lift angle alpha_0 = phi_T; speed on the profile |dF/dz| / |dzeta/dz|.

// sum_{k=1..K} c_k u^k for |u| <= 1, by Horner's scheme in v = u^8 on eight
// interleaved parts at once (the parts' chains of multiplications overlap
// instead of waiting on one another), as vectors of four doubles (AVX2
// where the processor has it, with the same numbers). Terms are left out
// from the first k with |u|^k max_{j>=k} |c_j| < cutoff (the count rounded up
// to a whole block of eight terms): far out the series ends early, on the
// circle it takes every term.
class PowerSeries {
 public:
  using Complex = std::complex<double>;
  PowerSeries() = default;
  explicit PowerSeries(const std::vector<Complex>& coefficients);  // c_1..c_K

  std::size_t Size() const { return logTail_.size(); }  // K
  // The number of terms taken for ln|u| = logSize (before the rounding up).
  std::size_t TermsFor(double logSize, double cutoff) const;
  // sum c_k u^k; `weighted`, when given, receives sum k c_k u^k.
  Complex Sum(Complex u, double cutoff, Complex* weighted = nullptr) const;

 private:
  // Per block of eight powers the real parts, then the imaginary parts
  // (plain_); and with k c_k beside them as if they were eight more parts
  // (weighted_: Re c, Re k c, Im c, Im k c). The last block is filled up with zeros.
  static constexpr int kBlock = 8;
  std::vector<double> plain_, weighted_;
  std::vector<double> logTail_;  // ln max |c_j| for j >= k
};

struct TheodorsenMapOptions {
  double contourTolerance = 1e-5;  // chords
  double liftTolerance = 1e-6;     // relative
  double speedTolerance = 1e-4;    // relative change of |dz'/dz| away from the TE
  int fewestNodes = 64;
  int mostNodes = 4096;
  int samplesPerSurface = 512;  // of the table of the near circle
};

enum class TheodorsenFault {
  kBadContour,     // fewer than 8 points or no chord
  kNotStarShaped,  // the near circle is not a curve r(theta) about its centre
  kNotConverged,   // Theodorsen's iteration diverged
};

class TheodorsenMap {
 public:
  using Complex = std::complex<double>;

  // circle plane -> profile plane (for points on or outside the circle).
  // From 1.1 R out by the map's own Laurent series about m,
  //   zeta = z + beta_0 + sum_k beta_k (rho / (z - m))^k,  rho = 1.1 R,
  // whose coefficients are those of zeta - z on |z - m| = rho (one transform
  // of 512 samples of the pre-map of the near circle), good to rounding; it
  // spares the far points the pre-map's logarithm and exponential.
  Complex Forward(Complex z) const;
  // dzeta/dz at z (0 at the TE point of the circle).
  // `accuracy` (optional, for the field and the particles): the series
  // stops once its remaining terms are all below it (relative), which
  // shortens it near the body (about 200 of NACA 4412's 424 terms at 1e-8;
  // the derivative, whose terms carry k, is then good to about 1e-5
  // relative); from 1.1 R out the far series is summed in full.
  // `image`, when given, receives Forward(z), which shares the work.
  Complex Derivative(Complex z, double accuracy = 0.0, Complex* image = nullptr) const;
  // profile plane -> circle plane: the pre-map inverted exactly, then Newton
  // on the Fourier part from z = z' exp(-S) evaluated at z'. Nothing for a
  // point inside the profile (its circle point would lie inside the circle),
  // at P_L, or where Newton does not settle.
  // `accuracy` as for Derivative; Newton then stops at a tenth of it.
  std::optional<Complex> Inverse(Complex zeta, double accuracy = 0.0) const;

  // Forward at `count` points equally spaced round the circle from the
  // polar angle `from` about m: for a count that is a power of two the
  // series at all of them by one transform (the terms folded into `count`
  // bins), else point by point.
  std::vector<Complex> CircleImages(double from, int count) const;

  // The two stages alone (for the morph from the circle to the profile).
  Complex NearCircle(Complex z) const;   // Fourier part
  Complex PreMap(Complex zPrime) const;  // Karman-Trefftz part
  std::optional<Complex> PreMapInverse(Complex zeta) const;

  Complex Centre() const { return centre_; }  // circle centre m
  double Radius() const { return radius_; }   // circle radius R
  // phi_T: the circle point m + R e^(i phi_T) maps to the trailing edge.
  double TrailingEdgeAngle() const { return phiT_; }
  Complex TrailingEdgePoint() const { return centre_ + std::polar(radius_, phiT_); }
  // Critical points of the pre-map in the near-circle plane: M0 + a (onto
  // the TE) and M0 - a (onto P_L, inside the near circle); and their images.
  std::array<Complex, 2> CriticalPoints() const {
    return {preCentre_ + preHalf_, preCentre_ - preHalf_};
  }
  std::array<Complex, 2> CriticalImages() const { return {trailingEdge_, innerPoint_}; }
  double Exponent() const { return exponent_; }  // n = 2 - tau / Pi

  int Terms() const { return static_cast<int>(coefficients_.size()); }  // K
  int Nodes() const { return nodes_; }                                  // N
  double Residual() const { return residual_; }                         // contour distance, chords
  double LiftChange() const { return liftChange_; }                     // relative, last doubling
  double SpeedChange() const { return speedChange_; }                   // relative, last doubling
  bool Converged() const { return converged_; }
  const std::vector<Complex>& Coefficients() const { return coefficients_; }  // C_1..C_K

  // Flow, U0 = 1, chord 1, alpha in radians from the x axis.
  double Circulation(double alpha) const;      // 4 Pi R sin(alpha - phi_T)
  double LiftCoefficient(double alpha) const;  // 8 Pi R sin(alpha - phi_T)
  double ZeroLiftAngle() const { return phiT_; }
  // dF/dz of the circle flow at z.
  Complex CircleVelocity(Complex z, double alpha) const;
  // Speed q / U0 on the profile at the image of the circle point of polar
  // angle phi about m. Within 1e-7 of phi_T the two sides are averaged at
  // phi_T +- 1e-7 (both factors vanish at the TE).
  double SurfaceSpeed(double phi, double alpha) const;

 private:
  friend std::variant<TheodorsenMap, TheodorsenFault> BuildTheodorsenMap(
      const AirfoilContour&, const TheodorsenMapOptions&);
  // S(u) and sum k C_k u^k (|u| <= 1), as PowerSeries::Sum gives them.
  Complex Series(Complex u, Complex* weighted, double cutoff) const;
  // q = V^n of the pre-map for z' (V = (z' - M0 - a) / (z' - M0 + a)), and
  // the two factors z' - M0 -+ a; q = 0 at z' = M0 + a.
  Complex PreMapPower(Complex zPrime, Complex& p, Complex& m) const;
  // C_1..C_K, with the tables Series reads.
  void SetCoefficients(std::vector<Complex> coefficients);
  // The far series of Forward, from the finished map.
  void SetFarSeries();
  void SetExponent(double n);  // n, a and M0
  // Unit tangent of the near circle at z'_T leaving along one surface.
  std::optional<Complex> NearCircleTangent(const AirfoilContour& contour, bool upper) const;

  Complex trailingEdge_, innerPoint_, preCentre_, preHalf_;
  double exponent_ = 2.0, cut_ = 0.0;
  Complex centre_;
  double radius_ = 1.0, phiT_ = 0.0;
  std::vector<Complex> coefficients_;
  PowerSeries series_;      // C_k
  PowerSeries far_;         // beta_k of the far series
  Complex farConstant_;     // beta_0
  double farRadius_ = 0.0;  // rho; 0 before SetFarSeries: no far series
  int nodes_ = 0;
  double residual_ = 0.0, liftChange_ = 0.0, speedChange_ = 0.0;
  bool converged_ = false;
};

// Builds the map of a normalised contour (as NacaProfile, ReadAirfoilFile or
// ContourFromPoints give it). A map that missed a tolerance at mostNodes is
// still returned, with Converged() false and its Residual() and LiftChange().
std::variant<TheodorsenMap, TheodorsenFault> BuildTheodorsenMap(
    const AirfoilContour& contour, const TheodorsenMapOptions& options = {});

}  // namespace fluvenna
