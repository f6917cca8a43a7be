// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "boundary_layer.h"
#include "lift_curve.h"
#include "parameters.h"

namespace fluvenna {

// The finite wing by Prandtl's lifting-line theory, solved with Glauert's
// sine series (Glauert, The Elements of Aerofoil and Airscrew Theory, 1926,
// ch. XI; Anderson, Fundamentals of Aerodynamics, 6th ed., sec. 5.3.2).
//
// The wing is straight and unswept, of span b and area S, aspect ratio
// AR = b^2 / S; lengths are in mean chords, c_mean = S / b = 1, so b = AR.
// Along the span y = -(b/2) cos theta, eta = 2y/b, and
//   Gamma(theta) = 2 b V sum_n A_n sin(n theta),   n = 1, 3, 5, ... (a
//   symmetric loading has no even terms),
//   alpha_i(theta) = sum_n n A_n sin(n theta) / sin(theta),
//   c_l = a0 (alpha(theta) - alpha_L0 - alpha_i)  with  c_l = 2 Gamma / (V c),
// so that along the span
//   sum_n A_n sin(n theta) (1 + n mu / sin theta) = mu (alpha - alpha_L0),
//   mu = a0 c(theta) / (4 b).
// The coefficients of N odd terms make this hold on the half span from the
// tip to the root (0 < theta <= pi/2) either
//  - by Galerkin's method (the default): the equation times
//    4 b sin(theta) / (a0 c) is tested with each sin(m theta) and integrated
//    over 0..pi/2 by Gauss-Legendre quadrature, giving a symmetric positive
//    definite system
//      sum_n [ integral 4 b sin(t) sin(n t) sin(m t) / (a0 c) dt + (pi/4) n delta_mn ] A_n
//        = integral (alpha - alpha_L0) sin(t) sin(m t) dt;
//  - or by collocation at theta_i = i pi / (2N), i = 1..N.
// Both tend to the same solution. Washout linear in |eta| and a straight
// taper put a kink into the loading at the root, so the A_n fall off only
// algebraically: collocation then converges as about N^-2 (64 terms still
// change C_L by 1e-4 when doubled), Galerkin's integral error as about N^-4,
// which is why it is the default.
// From the series:
//   C_L = pi AR A_1,   C_Di = pi AR sum_n n A_n^2 = C_L^2 (1 + delta) / (pi AR),
//   e = 1 / (1 + delta),  delta = sum_{n>1} n (A_n / A_1)^2.
//
// The section: the linear theory takes the section's lift slope a0 AT ZERO
// LIFT and its zero-lift angle alpha_L0, the same at every station. The
// geometric angle is the root's angle less the washout, linear in |eta|:
//   alpha(eta) = alpha_root - eps_t |eta|   (eps_t > 0 lowers the tip).
// The series is linear in alpha_root - alpha_L0 and eps_t, so the solution
// is kept as the two unit solutions (untwisted at one radian, and the twist
// of one radian at the zero-lift angle) and any root angle costs nothing.

enum class Planform { kRectangular, kTapered, kElliptic };

inline constexpr double kLowestAspectRatio = 1.0;
inline constexpr double kHighestAspectRatio = 30.0;
inline constexpr double kLowestTaper = 0.0;
inline constexpr double kHighestTaper = 1.0;
inline constexpr double kLargestWashoutDeg = 10.0;
// Below this aspect ratio lifting-line theory overestimates the lift (the
// chord is no longer small against the span; lifting-surface theory applies).
inline constexpr double kLiftingLineReliableAspectRatio = 4.0;

// The default number of odd terms (A_1 .. A_127). Doubling it changes C_L and
// C_Di by less than 1e-6 over AR 1..30, taper 0..1 and washout +-10 degrees
// at root angles up to 20 degrees above zero lift (the convergence test
// holds this; the slowest case is a pointed tip with washout at AR 30).
inline constexpr int kDefaultWingTerms = 64;
// Gauss points for Galerkin's integrals: kWingQuadratureFactor N + kWingQuadratureExtra.
inline constexpr int kWingQuadratureFactor = 2;
inline constexpr int kWingQuadratureExtra = 16;

enum class LiftingLineMethod { kGalerkin, kCollocation };

struct FiniteWingShape {
  double aspectRatio = 8.0;
  Planform planform = Planform::kRectangular;
  double taper = 1.0;       // c_tip / c_root, tapered planform only
  double washoutDeg = 0.0;  // eps_t, positive lowers the tip
};

// What is wrong with a shape, the first fault in this order.
enum class FiniteWingFault {
  kNone,
  kNotFinite,              // aspect ratio, taper or washout not a finite number
  kAspectRatioOutOfRange,  // outside [kLowestAspectRatio, kHighestAspectRatio]
  kTaperOutOfRange,        // outside [kLowestTaper, kHighestTaper]
  kWashoutOutOfRange,      // |eps_t| above kLargestWashoutDeg
};
FiniteWingFault CheckFiniteWing(const FiniteWingShape& shape);

// The planform: "rectangular", "tapered" or "elliptic", and back; an unknown
// name gives nothing.
const char* PlanformName(Planform planform);
std::optional<Planform> PlanformNamed(const char* name);

// The chord at |eta| in mean chords:
//   rectangular  1,
//   tapered      2 (1 - (1 - lambda) |eta|) / (1 + lambda),
//   elliptic     (4 / pi) sqrt(1 - eta^2).
double WingChord(const FiniteWingShape& shape, double eta);

// The section the wing is made of: a0 per radian at zero lift, alpha_L0 in
// radians.
struct WingSection {
  double liftSlope = 0.0;
  double zeroLiftAngle = 0.0;
};

// The two unit solutions of a shape and section (see the header comment).
struct LiftingLineSolution {
  FiniteWingShape shape;
  WingSection section;
  int terms = 0;                  // odd terms N: A_1, A_3, ..., A_{2N-1}
  std::vector<double> untwisted;  // A_n for alpha_root - alpha_L0 = 1 rad, eps_t = 0
  std::vector<double> twist;      // A_n for alpha_root = alpha_L0, eps_t = 1 rad
  bool ok() const { return terms > 0; }
};

// Solves for both unit solutions with N = `terms` odd terms: Galerkin's
// system by Cholesky, collocation's by Gaussian elimination with partial
// pivoting. Requires CheckFiniteWing(shape) == kNone, a finite positive lift
// slope, a finite zero-lift angle and terms >= 1; otherwise an empty solution.
LiftingLineSolution SolveLiftingLine(const FiniteWingShape& shape, const WingSection& section,
                                     int terms = kDefaultWingTerms,
                                     LiftingLineMethod method = LiftingLineMethod::kGalerkin);

// One station of the span.
struct WingStation {
  double eta = 0.0;             // 2y/b, -1 (left tip) .. 1
  double chord = 0.0;           // c / c_mean
  double gamma = 0.0;           // Gamma / (V c_mean) = 2 AR sum A_n sin n theta
  double loading = 0.0;         // c c_l / c_mean = 2 Gamma / (V c_mean)
  double cl = 0.0;              // local c_l
  double alphaInduced = 0.0;    // alpha_i, radians
  double downwash = 0.0;        // w / V = alpha_i (small angles)
  double alphaGeometric = 0.0;  // alpha_root - eps_t |eta|, radians
};

// The wing at one root angle.
struct WingState {
  double alphaRoot = 0.0;  // radians
  std::vector<double> A;   // A_1, A_3, ...
  double CL = 0.0;
  double CDi = 0.0;
  // e = C_L^2 / (pi AR C_Di) and delta = 1/e - 1; empty where C_L = 0 or
  // C_Di = 0 (a twisted wing at zero lift still has induced drag).
  std::optional<double> e, delta;
};

// The wing lift slope dC_L/d alpha_root per radian, pi AR A_1 of the
// untwisted unit solution; for the elliptic wing a0 / (1 + a0 / (pi AR)).
double WingLiftSlope(const LiftingLineSolution& solution);

// The state at root angle `alphaRoot` (radians).
WingState WingAt(const LiftingLineSolution& solution, double alphaRoot);

// Stations theta_j = j pi / M, j = 0..M, from the left tip to the right,
// with everything of WingStation; at a tip of zero chord c_l comes from
// a0 (alpha - alpha_L0 - alpha_i), elsewhere from the circulation.
inline constexpr int kWingStations = 120;
std::vector<WingStation> WingStations(const LiftingLineSolution& solution, const WingState& state,
                                      int intervals = kWingStations);

// ---- Profile drag by strips ----
// The section's drag at one Reynolds number: (c_l, c_d) in the order of the
// section's angles, a point without predicted drag as nothing.
struct SectionDragCurve {
  double reynolds = 0.0;
  std::vector<double> cl;
  std::vector<std::optional<double>> cd;
};

// c_d at c_l on one curve: linear between neighbouring predicted points
// whose c_l bracket it; nothing outside them.
std::optional<double> SectionDragAt(const SectionDragCurve& curve, double cl);

// c_d at c_l and Re from curves at several Reynolds numbers (in rising Re):
// linear in log Re between the two that bracket Re, the nearest one outside
// them; nothing when either has none.
std::optional<double> SectionDragAt(const std::vector<SectionDragCurve>& curves, double cl,
                                    double reynolds);

// Strip integration of the profile drag over the half span,
//   C_Dp = (1/S) integral c c_d dy = integral_0^{pi/2} (c/c_mean) c_d sin theta d theta,
// by the trapezoid rule on the stations (their theta are uniform), c_d at
// each station's c_l and Re c / c_mean. Nothing when a station with chord
// has no predicted c_d. `cdOut`, when given, receives each station's c_d
// (NaN where none).
std::optional<double> StripProfileDrag(const std::vector<WingStation>& stations,
                                       const std::vector<SectionDragCurve>& curves, double reynolds,
                                       std::vector<double>* cdOut = nullptr);

// ---- Stall onset ----
// The station whose c_l first reaches the section's c_l at the start of its
// separated band, clStall, as the root angle grows: each station reaches it
// at alpha_root = alpha_L0 + (clStall - eps_t g_t) / g_u, with g_u and g_t
// its c_l per radian of the two unit solutions (a station whose g_u is not
// positive never does). The stations of WingStations from the root to the
// last before the tip are searched; one farther out wins only by more than
// 1e-9 rad, so that a uniform c_l (the elliptic wing) starts at the root.
struct StallOnset {
  double eta = 0.0;        // |2y/b| of the station
  double alphaRoot = 0.0;  // radians
};
std::optional<StallOnset> FindStallOnset(const LiftingLineSolution& solution, double clStall,
                                         int intervals = kWingStations);

// ---- The wing's polar ----
struct WingPolarPoint {
  double alphaDeg = 0.0;  // root angle
  double CL = 0.0, CDi = 0.0;
  std::optional<double> CDp;  // strip profile drag, where predicted
  std::optional<double> CD;   // CDi + CDp
};
struct WingPolar {
  std::vector<WingPolarPoint> points;
  // The largest C_L / C_D over the points with C_D and C_L > 0, and where.
  std::optional<double> bestLiftToDrag;
  std::optional<double> bestLiftToDragAlphaDeg;
};
// The polar over the root angles `alphasDeg`.
WingPolar ComputeWingPolar(const LiftingLineSolution& solution,
                           const std::vector<double>& alphasDeg,
                           const std::vector<SectionDragCurve>& curves, double reynolds);

// ---- The wing of a pass's section ----
// The section of the pass `p` from its lift curve: alpha_L0 its exact
// zero-lift angle, a0 the slope there by a central difference of
// LiftCoefficientAt over +-kSectionSlopeStepDeg (the curve is a sine of
// alpha - alpha_L0, so the difference is within 1e-12 of the slope).
// Nothing without a zero-lift angle, or a slope that is not positive.
inline constexpr double kSectionSlopeStepDeg = 1e-3;
std::optional<WingSection> WingSectionOf(const FlowParameters& p, const LiftCurve& lift);

// The drag curve of a section polar: its points' c_l, and C_D where predicted.
SectionDragCurve DragCurveOf(const Polar& polar);

// The section's c_l where stall begins: at the first angle above zero lift
// of the first run of angles whose upper surface separates ahead of
// kSeparationDragLimitXc (the start of the lift picture's shaded band).
std::optional<double> StallLiftCoefficient(const Polar& polar, double zeroLiftDeg);

// The Reynolds numbers a wing's strip drag needs polars at: Re times the
// powers of two from the largest at or below the smallest chord (at least
// kLowestChordShare) to the smallest at or above the largest, 1 always
// among them, in rising order.
inline constexpr double kLowestChordShare = 0.25;
std::vector<double> StripReynoldsFactors(const FiniteWingShape& shape);

// Everything of the wing at one root angle and over the lift curve's angles.
struct FiniteWingAnalysis {
  LiftingLineSolution solution;
  WingState state;                    // at the pass's angle
  double liftSlope = 0.0;             // per radian
  std::vector<WingStation> stations;  // of `state`
  std::vector<double> cdProfile;      // per station, NaN where not predicted
  std::optional<double> CDp, CD;      // strip profile drag and total
  WingPolar polar;                    // over the lift curve's angles
  std::optional<double> clStall;      // the section's, from its polar
  std::optional<StallOnset> stall;
  bool ok() const { return solution.ok(); }
};
FiniteWingAnalysis AnalyseFiniteWing(const FiniteWingShape& shape, const WingSection& section,
                                     double alphaRootDeg, const std::vector<double>& alphasDeg,
                                     const std::vector<SectionDragCurve>& curves, double reynolds,
                                     std::optional<double> clStall);

}  // namespace fluvenna
