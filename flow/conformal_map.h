// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "circle_model.h"
#include "profile_map.h"

namespace fluvenna {

// The conformal map of a pass and its morph from the circle to the airfoil.
//
// The map. The airfoil plot carries every point z of the circle plot (the
// profile frame, after the turn by the angle of attack and the shift by the
// circle centre) to zeta = MapPoint(z, cJ, nC, 2), the Karman-Trefftz form
// with exponent 2, which is the Joukowski map zeta = z + cJ^2 / z (nC = 2 cJ;
// cJ as the pass re-reads it, the turned trailing-edge point).
//
// The morph. zeta_t = z + t cJ^2 / z, 0 <= t <= 1, is the straight blend
//   zeta_t = (1 - t) z + t zeta(z)
// of the identity and the map, and is evaluated that way: at t = 0 it gives z
// itself and at t = 1 exactly MapPoint's numbers, so its two ends draw
// exactly what the circle and airfoil plots draw. For every t it is
// conformal: dzeta_t/dz = 1 - t cJ^2 / z^2 vanishes only at z = +-sqrt(t) cJ,
// which lie inside the circle for t < 1 (the circle holds -cJ and passes
// through cJ); at t = 1 they are the map's critical points z = +-cJ, where
// angles double. z = cJ lies on the circle: the circle's right angle to the
// ray through it opens to a straight angle, and the two sides of the body meet
// there with one tangent, the sharp trailing edge (a cusp). z = -cJ lies
// inside the circle (on it for a profile without thickness, Eps = 0, where it
// makes a sharp leading edge too).
//
// The grid. Polar lines around the circle centre zc: circles of radius
// A (1 + k kMapGridStep), k = 1, 2, ..., out to the farthest corner of the
// plot (at most kMapMostCircles of them), and rays every kMapRayDegrees degrees from the body
// outwards, the first through the trailing-edge point cJ, out to well beyond the plot's edge (the
// surfaces clip them). Lines of constant radius and angle cross at right angles, and so do their
// images.
//
// The local map at z: dzeta_t/dz, its modulus (the stretch: how much a small
// figure grows) and its argument (the turn: how far it is rotated).

inline constexpr double kMapGridStep = 0.25;
// The most grid circles drawn (a plot scale far larger than the body would ask for more).
inline constexpr int kMapMostCircles = 120;
inline constexpr double kMapRayDegrees = 15.0;
inline constexpr int kMapCirclePoints = 361;  // every degree, the last closing the circle
inline constexpr int kMapRayPoints = 201;     // crowded towards the body, where the map bends most
// The rays end this far beyond the plot's farthest corner from zc, as a share of that distance.
inline constexpr double kMapRayReach = 1.5;

// What a line of the morph picture is.
enum class MapLineKind { kGrid, kBody, kStreamline };

// One line in the circle plane and its image under the whole map (t = 1).
// Points with no image (MapPoint gives none) are left out, as the airfoil
// plot leaves them out.
struct MapLine {
  MapLineKind kind = MapLineKind::kGrid;
  int k = -1;  // the pass's curve number; -1 for the grid
  std::vector<double> zx, zy;
  std::vector<double> fx, fy;
  int size() const { return static_cast<int>(zx.size()); }
};

// The local map of zeta_t at a point.
struct LocalMap {
  double dx = 0.0, dy = 0.0;  // dzeta_t/dz = dx + i dy
  double stretch = 0.0;       // |dzeta_t/dz|
  double turn = 0.0;          // arg(dzeta_t/dz), radians in (-Pi, Pi]
};

// A point of the circle plane and its images: what the linked pointer marks.
struct LinkedPoint {
  bool inside = false;        // the pointer lies inside the body: it has no counterpart
  double zx = 0.0, zy = 0.0;  // the circle-plane point
  double fx = 0.0, fy = 0.0;  // its image under the whole map
  LocalMap local;             // of the whole map (t = 1) at z
};

class ConformalMorph {
 public:
  // The map of a pass: its circle model, cJ as the pass re-reads it, and the
  // plot scale (the plots show -Olcek..Olcek by -2/3 Olcek..2/3 Olcek).
  // Requires A > 0, cJ > 0 and Olcek != 0. Builds the grid.
  ConformalMorph(const CircleModel& c, double cJ, double Olcek);
  // Any profile's map (a NACA section, a file) with the same plot scale: the
  // morph is the straight blend zeta_t = (1 - t) z + t F(z) of the identity
  // and the map F, whose derivative (1 - t) + t F'(z) the local map gives and
  // whose inverse is found by Newton's method from the map's own inverse;
  // the critical points are the map's (those of its pre-map).
  ConformalMorph(std::shared_ptr<const ProfileMap> map, double Olcek);

  // Adds curve k of the pass in the circle plane (k = 0 the body).
  void AddCurve(int k, std::span<const double> x, std::span<const double> y);

  const std::vector<MapLine>& Lines() const { return lines_; }

  // Point j of a line at t: (1 - t) z + t zeta(z).
  std::pair<double, double> At(const MapLine& line, int j, double t) const {
    const auto ju = static_cast<std::size_t>(j);
    return {(1.0 - t) * line.zx[ju] + t * line.fx[ju], (1.0 - t) * line.zy[ju] + t * line.fy[ju]};
  }

  // zeta_t of any point z; nothing where the map has no finite value (z = 0).
  std::optional<std::pair<double, double>> Morph(double t, double x, double y) const;

  // dzeta_t/dz = 1 - t cJ^2 / z^2 at z (z != 0).
  LocalMap Local(double t, double x, double y) const;

  // The point z outside the circle (or on it) whose zeta_t is w = (x, y), or
  // nothing when w lies inside the image of the body. z is a root of
  // z^2 - w z + t cJ^2 = 0 (t > 0; at t = 0, z = w); the roots are formed as
  // FlowFieldModel::InverseMap forms them (without cancellation, the larger
  // one first, the other as the product over it), and the one outside the
  // circle is taken: the map is one-to-one there for every t.
  std::optional<std::pair<double, double>> Inverse(double t, double x, double y) const;

  // The linked pointer at (x, y) of the picture of zeta_t.
  LinkedPoint Link(double t, double x, double y) const;

  // The map's critical points z = +cJ and z = -cJ (dzeta/dz = 0) and their
  // images zeta = +-nC (the designed map; 0 for any other).
  double cJ() const { return cJ_; }
  double nC() const { return nC_; }
  // Whether z = -cJ lies inside the circle (else on it: a sharp leading edge).
  bool minusCJInside() const { return minusInside_; }
  double A() const { return A_; }
  std::complex<double> centre() const { return zc_; }
  // The polar angle of the trailing-edge point cJ about the centre: the first ray's.
  double trailingEdgeAngle() const { return thetaTE_; }
  // The map's critical points (dzeta/dz = 0) and their images, the
  // trailing-edge point first; for the designed map z = +cJ and -cJ.
  const std::vector<MapCriticalPoint>& criticalPoints() const { return critical_; }
  // Whether the map is the designed Joukowski map.
  bool joukowski() const { return joukowski_; }
  // The map itself.
  const std::shared_ptr<const ProfileMap>& map() const { return map_; }

 private:
  void Build(double Olcek);
  std::optional<std::pair<double, double>> BlendInverse(double t, std::complex<double> w) const;
  void AddLine(MapLineKind kind, int k, std::span<const double> x, std::span<const double> y);

  std::shared_ptr<const ProfileMap> map_;
  bool joukowski_ = true;
  std::vector<MapCriticalPoint> critical_;
  double cJ_ = 0.0, nC_ = 0.0, A_;
  std::complex<double> zc_;
  double thetaTE_;
  bool minusInside_;
  std::vector<MapLine> lines_;
};

}  // namespace fluvenna
