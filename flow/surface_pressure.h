// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "circle_model.h"
#include "parameters.h"
#include "profile_geometry.h"

namespace fluvenna {

// The two surfaces of the airfoil: the upper one is the image of the circle
// arc that runs counter-clockwise from the trailing-edge point to the
// leading-edge point, the lower one the rest (as the profile measure has them).
enum class SurfaceSide { kUpper, kLower };

// "upper" or "lower".
const char* SurfaceSideName(SurfaceSide side);

// One point of the airfoil surface and the flow on it.
struct SurfacePoint {
  SurfaceSide side = SurfaceSide::kUpper;
  double theta = 0.0;  // polar angle of its circle point, flow frame (stream along +x)
  double x = 0.0;      // airfoil plane, as the pass maps the circle
  double y = 0.0;
  double xc = 0.0;  // x/c: projection onto the chord line, 0 at the leading edge, 1 at the trailing
  double q = 0.0;   // surface speed / U0
  double Cp = 0.0;  // 1 - (q / U0)^2
};

// The surface of the airfoil of a pass with its speed and pressure, and
// what the pressure adds up to.
struct SurfacePressure {
  // From the trailing edge over the upper surface to the leading edge, then
  // along the lower surface back to the trailing edge. Each surface runs from
  // edge to edge, so the leading edge (and, when it is kept, the trailing
  // edge) stands at the end of one surface and the start of the other.
  std::vector<SurfacePoint> points;
  // The trailing edge is kept only with the Kutta factor 1, where its speed
  // has a finite limit; otherwise the speed is unbounded there. The leading
  // edge is a second sharp edge when the circle passes through -cJ too
  // (Eps = 0, the flat plate), and is then left out for the same reason.
  bool trailingEdgeKept = false;
  bool leadingEdgeKept = true;

  // The chord as the profile measure has it (leading edge = contour point
  // farthest from the trailing edge).
  double chord = 0.0;
  double leadingX = 0.0, leadingY = 0.0, trailingX = 0.0, trailingY = 0.0;

  // Lift coefficient from the pressure: the force normal to the free stream
  // over the chord, C_L = (1 / c) * closed integral of Cp (cos a dx + sin a dy)
  // counter-clockwise round the surface (a = angle of attack), by the
  // trapezoidal rule over consecutive points. Without the trailing edge the
  // contour is left open there and the value misses what the unbounded
  // speed at the edge would add. Empty without the leading edge: the
  // unbounded suction there carries a finite force that no sum of points
  // can show.
  std::optional<double> CL;

  // The lowest Cp on the surface, where it lies (x/c) and on which side.
  double CpMin = 0.0;
  double CpMinXc = 0.0;
  SurfaceSide CpMinSide = SurfaceSide::kUpper;

  // Plain-word remarks: points left out and why.
  std::vector<std::string> notes;
};

struct SurfacePressureOptions {
  // Intervals on each surface, spaced in the circle angle as
  // theta_i = theta_a + (theta_b - theta_a) (1 - cos(Pi i / n)) / 2, i = 0..n,
  // so that the points crowd at both edges. Fewer than kFewestIntervals are
  // raised to it.
  int intervalsPerSurface = 200;
  static constexpr int kFewestIntervals = 100;
};

// Surface speed and pressure of the flow of a pass.
//
// The circle flow in the flow frame w (circle of radius A at the origin,
// stream along +x) has the complex velocity
//   dF/dw = U0 (1 - A^2 / w^2) + i Gm / w          (uniform stream, doublet, vortex)
// with F = U0 (w + A^2 / w) + i Gm ln(w / A), whose imaginary part is the
// stream function the pass traces. The profile frame is z = (xc, yc) +
// e^(i AlfaRad) w, and the map (Karman-Trefftz with nExp = 2 and nC = 2 cJ,
// that is the Joukowski map zeta = z + cJ^2 / z) has dzeta/dz = 1 - cJ^2 / z^2.
// The turn has modulus 1, so the speed on the airfoil is
//   q = |dF/dw| / |1 - cJ^2 / z^2|,   Cp = 1 - (q / U0)^2.
// The position (x, y) is the pass's own turn and map of the circle point
// (TurnAndShiftPoint, MapPoint with cJ re-read from the turned trailing-edge
// point), and x/c its projection onto the chord of `profile`.
//
// At the trailing-edge point (theta = -AlfaBeta, z = cJ) both moduli vanish.
// With iKutta = 1 the limit is finite: on the circle dF/dw = i e^(-i theta)
// (2 U0 sin theta + Gm / A) = 2 U0 (theta - theta_TE) cos(theta_TE) + ..., and
// |dzeta/dz| = 2 |z - cJ| / cJ + ... = 2 A |theta - theta_TE| / cJ + ..., so
//   q_TE = U0 cJ |cos(AlfaBeta)| / A.
// With any other factor the speed is unbounded there and the point is left
// out (a note says so). So is the leading edge when the circle passes
// through -cJ as well (Eps = 0), and any point whose speed is not finite.
//
// The lowest Cp is searched among the points and refined by golden-section
// search in theta between the neighbours of the lowest point when both are
// on its surface.
//
// Requires: `p` and `c` of a pass that made its circle (A > 0, finite Circ),
// nExp = 2, and `profile` = MeasureProfile(p.Eps, p.Mu). A chord that is not
// a positive number gives no points, only a note.
SurfacePressure ComputeSurfacePressure(const FlowParameters& p, const CircleModel& c,
                                       const ProfileMeasure& profile,
                                       const SurfacePressureOptions& options = {});

// The same, measuring the profile itself.
SurfacePressure ComputeSurfacePressure(const FlowParameters& p, const CircleModel& c,
                                       const SurfacePressureOptions& options = {});

}  // namespace fluvenna
