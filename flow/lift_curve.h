// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "parameters.h"
#include "profile_map.h"

namespace fluvenna {

// The lift curve of a pass's profile: C_L against the angle of attack, for
// the profile (Eps, Mu) and Kutta factor of the pass, with the lift of thin-
// airfoil theory beside it.
//
// Exact (the program's own flow, the Kutta-Joukowski lift of the circulation):
//   Circ(alpha) = 4 Pi A U0 sin(alpha + Beta) iKutta       (ComputeCircleModel)
//   C_L(alpha)  = 2 Circ / (U0 chord)                       (LiftCoefficient)
//               = 8 Pi A iKutta sin(alpha + Beta) / chord
//   dC_L/dalpha = 8 Pi A iKutta cos(alpha + Beta) / chord   per radian
//   zero lift at alpha = -Beta, Beta = arctan(Mu / (1 + Eps)).
// The chord is that of the drawn profile, measured as the table generator and
// the status line measure it (MeasureProfile), so that the curve passes
// through the status line's C_L.
//
// Thin-airfoil theory, for the circular-arc camber line of camber ratio GAMA:
//   C_L = 2 Pi (alpha - alpha_L0),  alpha_L0 = -2 GAMA   (radians),
// the slope 2 Pi whatever the thickness, and NOT scaled by the Kutta factor
// (the theory always meets the Kutta condition). GAMA is the camber of the
// drawn profile: the pass's GAMA when a table row was selected, 0 for the
// flat plate drawn when none was.

// The angles of the curve: every whole degree of the alpha scroll bar's range.
inline constexpr int kLiftCurveFirstDeg = -10;
inline constexpr int kLiftCurveLastDeg = 30;
// A typed alpha outside the range extends the whole degrees up to it as long
// as |alpha| is at most one turn (at most 391 points). Beyond that the flow
// repeats itself every 360 degrees, so alpha is added as a lone point beyond
// the range's end (or before its start), and a note says so: a typed 1e300
// must not make 1e300 points.
inline constexpr double kLiftCurveExtendLimitDeg = 360.0;

struct LiftCurvePoint {
  double alpha_deg = 0.0;  // angle of attack, degrees
  double cl = 0.0;         // exact, 2 Circ / (U0 chord)
  double cl_thin = 0.0;    // thin-airfoil theory, 2 Pi (alpha - alpha_L0)
};

struct LiftCurve {
  // In increasing alpha; empty when `notComputed` says why. The pass's alpha
  // is one of the points (exactly, also when it is no whole degree), unless
  // it is not a finite number.
  std::vector<LiftCurvePoint> points;
  std::optional<std::size_t> passPoint;  // index of the pass's alpha in `points`

  double chord = 0.0;  // as given
  // At the pass's alpha; empty without a curve or a finite alpha.
  std::optional<double> slopePerRad;  // dC_L/dalpha per radian
  std::optional<double> slopePerDeg;  // the same per degree: slopePerRad * DegRad
  std::optional<double> slopeRatio;   // slopePerRad / (2 Pi), 1 for thin-airfoil theory
  // Where C_L vanishes, in degrees; they need no chord, so they are given
  // whenever they are finite numbers.
  std::optional<double> zeroLiftDeg;      // exact: -Beta / DegRad
  std::optional<double> zeroLiftThinDeg;  // thin-airfoil theory: -2 GAMA / DegRad

  std::string notComputed;         // why there are no points; empty when there are
  std::vector<std::string> notes;  // plain-word remarks (alpha not extended, not finite)

  bool ok() const { return !points.empty(); }
};

// C_L at one angle of attack `alphaDeg` (degrees) for the profile and Kutta
// factor of `p`: ComputeCircleModel with Alfa = alphaDeg, then
// LiftCoefficient(Circ, U0, chord). At alphaDeg = p.Alfa this is bit for bit
// the status line's C_L. A negative zero is returned as +0.
// Requires the constants that ReadParameters sets (Pi, DegRad, nExp, ...).
//
// `profile`, when given, is the map of a profile other than the designed one
// (as RunCirclePlane takes it): the circle is that map's.
double LiftCoefficientAt(const FlowParameters& p, double chord, double alphaDeg,
                         const std::shared_ptr<const ProfileMap>& profile = nullptr);

// The lift curve of the pass `p` (see above) with the measured chord.
// Points: the whole degrees kLiftCurveFirstDeg..kLiftCurveLastDeg, extended
// to reach a typed alpha outside them (within kLiftCurveExtendLimitDeg), and
// the pass's alpha itself; each C_L comes from LiftCoefficientAt.
// Degenerate input:
//  - a chord that is not a positive finite number, or a Kutta factor, Eps or
//    Mu that is not finite: no points, `notComputed` says why;
//  - an alpha that is not finite: the range without a pass point, no slope,
//    and a note;
//  - a GAMA that is not finite cannot select a row, so the flat plate's 0 is
//    used as its camber.
// Requires the constants that ReadParameters sets; costs a few microseconds.
LiftCurve ComputeLiftCurve(const FlowParameters& p, double chord);

// The lift curve of any other profile given by its map: the exact C_L from
// the map's circle (as above, Beta that of the map's trailing-edge point), and
// the thin-airfoil line from the profile's own mean line,
//   C_L = 2 Pi (alpha - alpha_L0),  alpha_L0 = ThinAirfoilZeroLift(map).
LiftCurve ComputeLiftCurve(const FlowParameters& p, double chord,
                           const std::shared_ptr<const ProfileMap>& profile);

// The zero-lift angle of thin-airfoil theory for the profile of `map`, in
// radians, with the angle of attack measured from the x axis:
//   alpha_L0 = -(1 / Pi) integral_0^Pi (dy_c/dx) (cos t - 1) dt,
//   x = x_LE + (x_TE - x_LE) (1 - cos t) / 2
// (Abbott and von Doenhoff, Theory of Wing Sections, section 4.3), y_c the
// mean line midway between the upper and lower surfaces at each x. The
// surfaces are the map's contour at kMeanLineSamples points, split at the
// leading edge (the point farthest from the trailing edge) and interpolated
// linearly; the integral takes the slope of each of kMeanLineStations
// intervals at its middle. NaN when the surfaces do not span the chord.
inline constexpr int kMeanLineSamples = 4096;  // a power of two: ProfileMap::CircleImages
inline constexpr int kMeanLineStations = 400;
double ThinAirfoilZeroLift(const ProfileMap& map);

}  // namespace fluvenna
