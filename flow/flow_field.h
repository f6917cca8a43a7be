// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "circle_model.h"
#include "parameters.h"

namespace fluvenna {

// The flow of a pass at any point of either plot.
//
// Planes. The circle plane is the upper plot: the profile frame z = x + iy in
// which TurnAndShift puts the curves (circle of radius A centred at
// zc = (xc, yc), free stream inclined at the angle of attack). The flow frame
// is w = e^(-i AlfaRad) (z - zc), and the complex potential
//   F(w) = U0 (w + A^2 / w) + i Gm ln(w / A)
// has psi = Im F = U0 (r - A^2 / r) sin(theta) + Gm ln(r / A), the stream
// function whose level PSI(k) the pass traces as curve k. Its derivative is
//   dF/dw = U0 (1 - A^2 / w^2) + i Gm / w = U0 (w - s1) (w - s2) / w^2
// with the stagnation points s1,2 = -i g +- sqrt(A^2 - g^2), g = Gm / (2 U0)
// (s1 the rear one, as the tracing starts curve 1 from it). The velocity in the
// profile frame is u + i v = conj(dF/dz) = e^(i AlfaRad) conj(dF/dw).
//
// The airfoil plane is the lower plot: zeta = z + cJ^2 / z (MapPoint with
// nExp = 2, nC = 2 cJ; cJ is the map constant as the pass re-reads it, the
// turned trailing-edge point). A point there is carried back by InverseMap
// and has the velocity u + i v = conj(dF/dzeta) = conj(dF/dz / (dzeta/dz)),
// dzeta/dz = 1 - cJ^2 / z^2 = (z - cJ)(z + cJ) / z^2, so its speed is the
// circle speed divided by |1 - cJ^2 / z^2|, as ComputeSurfacePressure has it;
// psi and phi are those of its circle point. Everything is evaluated in the
// factored form
//   q^2 = U0^2 |z - S1|^2 |z - S2|^2 / |z - zc|^4          (circle plane)
//   q^2 = (circle q^2) |z|^4 / (|z - cJ|^2 |z + cJ|^2)   (airfoil plane)
// (S1,2 = zc + e^(i AlfaRad) s1,2), which has no cancellation. With the Kutta
// factor exactly 1 the rear stagnation point is the trailing-edge point:
// S1 = cJ, the factor |z - S1| / |z - cJ| is 1 and the airfoil speed is smooth
// up to the edge, where it takes the limit q_TE = U0 cJ |cos(AlfaBeta)| / A.
//
// The velocity potential. phi = Re F = U0 (r + A^2 / r) cos(theta) - Gm theta
// is many-valued when Gm != 0; it is given with its cut on the ray from the
// circle centre through the rear stagnation point (polar angle
// theta_s = arcsin(-Gm / (2 A U0)) of the flow frame, clamped to -+90 degrees
// when the Kutta factor leaves no stagnation point on the circle): theta is
// taken in [theta_s, theta_s + 2 Pi), so phi jumps by 2 Pi Gm across that
// ray and is continuous everywhere else. The ray starts on the body at the
// point where curve 1 (the downstream dividing streamline) leaves the
// circle; it is straight, where curve 1 bends back towards the stream
// direction. With the Kutta factor 1 (and |AlfaBeta| < 90 degrees) that point
// is the trailing-edge point, so in the airfoil plane the cut is the image of
// the ray and runs from the trailing edge into the wake.

enum class FieldQuantity;
struct PixelGrid;

// What a point of a plot is to the flow.
enum class FieldState {
  kFlow,        // in the flow, outside the body
  kOnBody,      // on the body contour, within kOnBodyTolerance
  kInsideBody,  // inside the body: no flow there
  kSingular,    // the flow has no finite value there (see FieldPoint)
};

// "flow", "on body", "inside body" or "singular".
const char* FieldStateName(FieldState state);

enum class FieldPlane { kCircle, kAirfoil };

// A point of the circle plane lies on the body when its distance d from the
// circle centre has |d - A| <= kOnBodyTolerance A. It is wider than the
// rounding of the circle plane because the inverse map is ill-conditioned at
// the trailing edge: an airfoil point known to one unit in the last place
// there fixes its circle point only to about its square root (1e-8 cJ).
inline constexpr double kOnBodyTolerance = 1e-7;
// The map's singular points z = +-cJ: a point of the airfoil plane whose
// circle point lies within kSingularRadius cJ of one of them (and not inside
// the body) is singular: z = -cJ when the circle passes through it (Eps = 0),
// z = cJ (the trailing edge) unless the Kutta factor is exactly 1.
inline constexpr double kSingularRadius = 1e-6;

// The flow at one point. With kFlow and kOnBody every number is finite. With
// kSingular u, v, q and Cp are 0 (the speed is unbounded there) and psi, phi
// are those of the circle point, which are finite; a coordinate that is not
// finite, or numbers that overflow, also give kSingular, with every number 0.
// With kInsideBody every number is 0.
struct FieldPoint {
  FieldState state = FieldState::kInsideBody;
  double u = 0.0, v = 0.0;    // velocity in the plane of the query point
  double q = 0.0;             // speed, |u + i v|
  double Cp = 0.0;            // 1 - (q / U0)^2
  double psi = 0.0;           // stream function, = PSI(k) on curve k
  double phi = 0.0;           // velocity potential, cut as the header says
  double zx = 0.0, zy = 0.0;  // the circle-plane point (profile frame) evaluated
};

// Any other profile's map (a NACA section, a file) is asked the same: the
// airfoil point's circle point is the map's Inverse, its speed the circle
// speed divided by |dzeta/dz| (the map's Derivative), its singular points the
// map's critical points on the circle.
//
// The per-pass constants of the flow, computed once from the parameters and
// circle model of a pass and shared by every probe. Requires a pass that made
// its circle (A > 0, finite Circ, U0 > 0), nExp = 2, and a circle through cJ
// that holds -cJ inside or on it (Eps >= 0, as every table row has it): then
// the map takes the outside of the circle one-to-one onto the outside of the
// airfoil.
class FlowFieldModel {
 public:
  FlowFieldModel(const FlowParameters& p, const CircleModel& c);

  // The flow at (x, y) of the given plane.
  FieldPoint At(FieldPlane plane, double x, double y) const;
  FieldPoint AtCirclePoint(double x, double y) const { return At(FieldPlane::kCircle, x, y); }
  FieldPoint AtAirfoilPoint(double x, double y) const { return At(FieldPlane::kAirfoil, x, y); }

  // The inverse of the map: the circle-plane point z whose image
  // z + cJ^2 / z is zeta = (xi, eta), on or outside the circle.
  //
  // Branch choice. z is a root of z^2 - zeta z + cJ^2 = 0. Both roots are
  // formed without cancellation: s = sqrt((zeta - 2 cJ)(zeta + 2 cJ)) (the
  // product, not zeta^2 - 4 cJ^2), its sign turned so that Re(conj(zeta) s)
  // >= 0, z1 = (zeta + s) / 2 (the larger root) and z2 = cJ^2 / z1 (the
  // product of the roots is cJ^2). The root outside the circle is taken: z1
  // when it lies outside the circle beyond kOnBodyTolerance (at most one root
  // can, the map being one-to-one outside the circle), else the one of z1, z2
  // farther from the circle centre. The choice asks only which root lies outside the circle, never
  // the sign of a principal square root, so it is right on both sides of the slit -2 cJ..2 cJ,
  // where that square root's branch cut lies. Exactly one root lies outside the circle for a point
  // outside the airfoil; both lie inside (by more than kOnBodyTolerance) for a point inside it, and
  // then there is no circle point: std::nullopt. Also std::nullopt for a coordinate that is not
  // finite. Beyond |zeta| = 1e50 cJ, z = zeta. A profile without thickness (Eps = 0: the flat
  // plate, the circular arc) has both roots on the circle for a point of the profile itself, one on
  // each surface; either may be taken there.
  std::optional<std::pair<double, double>> InverseMap(double xi, double eta) const;

  // The squared speed, given the circle point z; in the airfoil plane it
  // requires z not at a singular point. Used by the probe and the sampler
  // alike, so both give the same numbers.
  //
  // `accuracy` (a map other than the designed one, in the airfoil plane):
  // 0 for the map's full accuracy, as the probe has it; a picture asks
  // kFieldPictureAccuracy, and the map's Derivative then sums its series
  // only as far as that.
  double SpeedSquared(FieldPlane plane, double zx, double zy, double accuracy = 0.0) const;

  // Where a point of a plane lies: the state (kFlow, kOnBody, kInsideBody or
  // kSingular) and its circle point. `accuracy` as for SpeedSquared: the
  // circle point of a map other than the designed one is then found to
  // about that part of the circle radius.
  FieldState Locate(FieldPlane plane, double x, double y, double& zx, double& zy,
                    double accuracy = 0.0) const;

  double U0() const { return U0_; }
  // The pass's map, and the designed map's constant as the pass re-reads it
  // (0 for any other map).
  const ProfileMap& map() const { return *map_; }
  double cJ() const { return cJ_; }
  bool joukowski() const { return joukowski_; }
  bool kuttaMet() const { return kuttaMet_; }
  // The trailing-edge speed with the Kutta factor 1, U0 cJ |cos(AlfaBeta)| / A.
  double trailingEdgeSpeed() const { return qTE_; }

 private:
  friend void SampleField(const FlowFieldModel&, FieldPlane, FieldQuantity, const PixelGrid&,
                          std::vector<double>&, int);
  using Complex = std::complex<double>;
  Complex Velocity(FieldPlane plane, Complex z) const;  // u + i v
  // Locate; in the airfoil plane `root`, when given, is the larger root
  // already made for (x, y).
  FieldState LocateInline(FieldPlane plane, double x, double y, double& zx, double& zy,
                          const double* root, double accuracy = 0.0) const;
  double SpeedSquaredInline(FieldPlane plane, double zx, double zy, double accuracy = 0.0) const;

  std::shared_ptr<const ProfileMap> map_;  // the pass's map
  bool joukowski_;                         // the designed map: closed forms below
  std::vector<Complex> sharpEdges_;        // critical points on the circle, trailing edge first
  // Any other map: the body's outline as a polygon of kBodyPolygonPoints
  // images of the circle, its edges sorted into slabs of y, so that a point
  // inside the body is known without the map's inverse (a search that takes
  // long to fail there).
  struct BodyPolygon {
    double yLow = 0.0, yHigh = 0.0, xLow = 0.0, xHigh = 0.0, slab = 1.0;
    std::vector<Complex> points;
    std::vector<std::vector<int>> edges;  // per slab: edge i runs from points[i] to points[i + 1]
    bool Inside(double x, double y) const;
  };
  BodyPolygon body_;
  double U0_, A_, Gm_;
  Complex turn_;            // e^(i AlfaRad)
  Complex zc_;              // circle centre
  double cJ_;               // the designed map's constant as the pass re-reads it (else 0)
  bool kuttaMet_;           // iKutta == 1: S1 is the trailing edge
  Complex S1_, S2_;         // stagnation points, profile frame
  Complex cutTurn_;         // e^(-i theta_s)
  double thetaCut_;         // theta_s
  double inner2_, outer2_;  // (A (1 -+ kOnBodyTolerance))^2
  double singular2_;        // (kSingularRadius cJ)^2
  double qTE_;
};

// The quantity a sampled field holds.
enum class FieldQuantity { kCp, kSpeed };

// Cp = 1 - q^2 / U0^2 or q = sqrt(q^2), from the squared speed.
double FieldValue(FieldQuantity quantity, double speedSquared, double U0);

// The pixel grid of a plot: the user rectangle as the plots' Scale takes it
// (left, top = the top-left corner; right, bottom = the bottom-right one) and
// its size in pixels. Pixel (i, j) (column i from the left, row j from the
// top) has its centre at
//   x = left + (i + 1/2) (right - left) / width,
//   y = top + (j + 1/2) (bottom - top) / height.
struct PixelGrid {
  double left = 0.0, top = 0.0, right = 1.0, bottom = 0.0;
  int width = 0, height = 0;
};

// The user coordinates of the centre of pixel (i, j).
std::pair<double, double> PixelCentre(const PixelGrid& grid, int i, int j);

// The field of one quantity at every pixel centre, row by row from the top:
// values[j * width + i]. Points in the flow and on the body get Cp or the
// speed q (the same numbers as At gives there); points inside the body and
// singular points get NaN. A grid without pixels gives no values.
//
// The rows are sampled in blocks of kSampleRowBlock on `threads` threads (0:
// one per core; one under WebAssembly), as ForBlocksOnCores hands them out;
// each pixel is worked out by the same operations on any thread, so the
// values are the same bit for bit whatever the threads.
//
// The airfoil plane of any map other than the designed one is sampled by
// cells (its inverse costs a Newton search through a long Fourier series):
// exact at the corners of cells of kFieldCell pixels; a cell whose corners
// are all in the flow and differ by at most kFieldCellSpread U0^2 is filled
// by bilinear interpolation of the squared speed, any other is cut in four
// down to kFieldSmallestCell pixels, below which every pixel is exact. An
// interpolated Cp is within a small part of that spread of At's (the
// interpolation's error is of second order in the cell); the probe always
// gives At's numbers.
//
// The exact pixels of such a map are worked out to kFieldPictureAccuracy
// (the circle point to that part of the circle radius, some 1e-5 of a pixel
// at 600 x 400 over two chords; the map's derivative to about 1e-5), far
// below what a colour shows; the probe works to the map's full accuracy.
inline constexpr int kSampleRowBlock = 8;
inline constexpr double kFieldPictureAccuracy = 1e-7;
inline constexpr int kFieldCell = 16;
inline constexpr int kFieldSmallestCell = 2;
inline constexpr double kFieldCellSpread = 0.05;
std::vector<double> SampleField(const FlowFieldModel& model, FieldPlane plane,
                                FieldQuantity quantity, const PixelGrid& grid, int threads = 0);

// The same, reusing `values` (resized to width * height).
void SampleField(const FlowFieldModel& model, FieldPlane plane, FieldQuantity quantity,
                 const PixelGrid& grid, std::vector<double>& values, int threads = 0);

}  // namespace fluvenna
