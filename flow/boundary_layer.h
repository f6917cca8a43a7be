// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "circle_model.h"
#include "lift_curve.h"
#include "parameters.h"
#include "profile_geometry.h"
#include "profile_map.h"
#include "surface_pressure.h"

namespace fluvenna {

// The boundary layer on the airfoil of a pass, by integral methods marched
// on the exact surface speed of the potential flow.
//
// Units: U0 = 1 and lengths in the units of the pass, where the chord c is
// that of the status line (MeasureProfile); the kinematic viscosity is then
// nu = U0 c / Re. Each surface is marched in arc length s from the front
// stagnation point, where the dividing streamline meets the body, to the
// trailing edge: "upper" is the layer that leaves the stagnation point over
// the upper surface, "lower" the one that goes under. The stagnation point
// lies a little on the lower surface at a positive angle of attack, so the
// upper layer begins there and runs round the nose.
//
// Laminar: Thwaites' method (Thwaites 1949; White, Viscous Fluid Flow, 3rd
// ed., sec. 4-6.6):
//   theta^2 u_e^6 = 0.45 nu * integral_0^s u_e^5 ds,
//   lambda = theta^2 (du_e/ds) / nu,
// started at the stagnation point (u_e ~ a s), where it gives Hiemenz's
// theta^2 = 0.075 nu / a and lambda = 0.075. The integral is exact for u_e
// linear between the stations. H(lambda) and the shear l(lambda) = tau_w
// theta / (mu u_e) from Cebeci & Bradshaw's fits of Thwaites' table
// (Momentum Transfer in Boundary Layers, 1977):
//   0 <= lambda:  l = 0.22 + 1.57 lambda - 1.8 lambda^2,
//                 H = 2.61 - 3.75 lambda + 5.24 lambda^2
//   lambda < 0:   l = 0.22 + 1.402 lambda + 0.018 lambda / (lambda + 0.107),
//                 H = 2.088 + 0.0731 / (lambda + 0.14)
// with lambda held in [-0.09, 0.25], and tau_w / (rho u_e^2 / 2) = 2 l / Re_theta.
// The skin friction c_f of the points is referred to the free stream,
// tau_w / (rho U0^2 / 2), so that it stays finite at the stagnation point.
// Laminar separation where lambda falls to -0.09.
//
// Transition, whichever comes first:
//  - amplification: the e^N envelope method of Drela & Giles (AIAA J. 25,
//    1987, "Viscous-inviscid analysis of transonic and low Reynolds number
//    airfoils"): once Re_theta exceeds
//      log10 Re_theta0 = (1.415 / (H - 1) - 0.489) tanh(20 / (H - 1) - 12.9)
//                        + 3.295 / (H - 1) + 0.44,
//    N grows as dN/ds = dN/dRe_theta * (m + 1) / 2 * l / theta with
//      dN/dRe_theta = 0.01 sqrt((2.4 H - 3.7 + 2.5 tanh(1.5 H - 4.65))^2 + 0.25),
//      l(H) = (6.54 H - 14.07) / H^2,
//      m(H) = (0.058 (H - 4)^2 / (H - 1) - 0.068) / l(H);
//    transition where N reaches N_crit (9 by default: a clean wind tunnel);
//  - laminar separation first: the layer leaves the wall as a free shear
//    layer (a laminar separation bubble). There it carries no shear, keeps
//    H = kBubbleH (Thwaites' H at lambda = -0.09) and grows by the momentum
//    equation, d theta / ds = -(H + 2) (theta / u_e) du_e/ds, while N goes
//    on growing at the envelope's rate for that H. It turns turbulent where
//    N reaches N_crit, or at the latest after the laminar length of a short
//    bubble, u_e,sep l / nu = kBubbleLaminarLengthRe (Horton 1968, "Laminar
//    separation bubbles in two and three dimensional incompressible flow",
//    PhD thesis, Queen Mary College: about 4e4); the turbulent layer then
//    reattaches. Should the trailing edge come first, the layer stays
//    separated from the laminar separation point on. The points of the
//    bubble are marked separated (c_f = 0) and carry N.
//
// Turbulent: Head's entrainment method (Head 1958; Cebeci & Bradshaw 1977):
//   d theta / ds = c_f / 2 - (H + 2) (theta / u_e) du_e/ds,
//   d(u_e theta H1) / ds = u_e F(H1),  F = 0.0306 (H1 - 3)^-0.6169,
//   H1 = 3.3 + 0.8234 (H - 1.1)^-1.287     (H <= 1.6)
//   H1 = 3.3 + 1.5501 (H - 0.6778)^-3.064  (H > 1.6),
// with the Ludwieg-Tillmann skin friction
//   tau_w / (rho u_e^2 / 2) = 0.246 * 10^(-0.678 H) * Re_theta^-0.268,
// started at transition with theta continuous and H = kTurbulentStartH
// (1.4, the shape factor of a young turbulent layer on a flat plate).
// Turbulent separation where H reaches kTurbulentSeparationH; beyond it the
// layer is marked separated, c_f = 0 and H is held at the threshold.
//
// Stations: intervalsPerSurface intervals a surface, in the circle angle
// from the stagnation point to the trailing edge, crowded towards both ends
// (the map crowds them further at the nose); C_D with 160 is within 1 % of
// that with 640.
//
// Drag: Squire & Young (1938) at the trailing edge, each surface adding
//   C_D = 2 (theta_TE / c) (u_e,TE / U0)^((H_TE + 5) / 2)
// (at the last station before the edge when the edge has a finite angle and
// the inviscid flow stagnates there),
// and the friction part alone, the wall shear resolved along the stream:
//   C_Df = (1 / c) integral c_f (t . e_stream) ds   (c_f on the free stream).
// Where a surface separates ahead of kSeparationDragLimitXc of the chord
// the wake is no thin layer and C_D is not predicted.
inline constexpr double kDefaultReynolds = 1e6;
inline constexpr double kDefaultNCrit = 9.0;
inline constexpr double kLowestNCrit = 1.0;
inline constexpr double kHighestNCrit = 20.0;
inline constexpr double kLaminarSeparationLambda = -0.09;
inline constexpr double kTurbulentStartH = 1.4;
inline constexpr double kBubbleH = 3.55;
inline constexpr double kBubbleLaminarLengthRe = 4e4;
inline constexpr double kTurbulentSeparationH = 2.4;
inline constexpr double kSeparationDragLimitXc = 0.9;

enum class BoundaryLayerRegime { kLaminar, kTurbulent, kSeparated };

// "laminar", "turbulent" or "separated" (as the CSV writes them).
const char* BoundaryLayerRegimeName(BoundaryLayerRegime regime);

struct BoundaryLayerPoint {
  double s = 0.0;   // arc length from the stagnation point
  double xc = 0.0;  // x/c on the chord line (as SurfacePoint::xc)
  double x = 0.0;   // airfoil plane
  double y = 0.0;
  double ue = 0.0;       // surface speed / U0
  double theta = 0.0;    // momentum thickness
  double dstar = 0.0;    // displacement thickness H theta
  double H = 0.0;        // shape factor
  double cf = 0.0;       // skin friction tau_w / (rho U0^2 / 2), on the free stream
  double reTheta = 0.0;  // u_e theta / nu
  double n = 0.0;        // amplification exponent while laminar (and in a bubble), else 0
  BoundaryLayerRegime regime = BoundaryLayerRegime::kLaminar;
};

// Why the layer went turbulent.
enum class TransitionCause { kNone, kAmplification, kLaminarSeparation, kTrip };

struct SurfaceBoundaryLayer {
  SurfaceSide side = SurfaceSide::kUpper;
  // From the stagnation point (s = 0) to the trailing edge.
  std::vector<BoundaryLayerPoint> points;
  std::optional<double> xTransition;  // x/c where the layer turns turbulent
  TransitionCause transitionCause = TransitionCause::kNone;
  std::optional<double> sTransition;  // the same as arc length
  // Where the laminar layer separated into a bubble (transitionCause
  // kLaminarSeparation), or stayed separated to the trailing edge.
  std::optional<double> xLaminarSeparation;
  std::optional<double> sLaminarSeparation;
  // x/c of separation that stays: turbulent, or laminar without transition.
  std::optional<double> xSeparation;
  std::optional<double> sSeparation;
  double frictionDrag = 0.0;  // this surface's part of C_Df
  // At the trailing edge, for Squire-Young.
  double thetaTE = 0.0, HTE = 0.0, ueTE = 0.0;
  double squireYoung = 0.0;  // this surface's part of C_D
};

enum class BoundaryLayerStatus {
  kComputed,
  kNotComputedKutta,      // Kutta factor other than 1: unbounded speed at the trailing edge
  kNotComputedNoProfile,  // no usable chord, or the flat plate (Eps = 0): a sharp leading edge
  kNotComputedBadInput,   // Re or N_crit not usable
};

enum class DragStatus {
  kPredicted,
  kSeparatesEarly,  // a surface separates ahead of kSeparationDragLimitXc
  kNotComputed,     // no boundary layer (see BoundaryLayerStatus)
};

struct BoundaryLayer {
  BoundaryLayerStatus status = BoundaryLayerStatus::kNotComputedBadInput;
  double reynolds = 0.0;
  double nCrit = 0.0;
  double chord = 0.0;
  double nu = 0.0;  // U0 chord / Re
  SurfaceBoundaryLayer upper, lower;

  DragStatus dragStatus = DragStatus::kNotComputed;
  std::optional<double> cd;          // Squire-Young, when predicted
  std::optional<double> cdFriction;  // friction part, when C_D is predicted
  std::optional<double> cdPressure;  // cd - cdFriction
  // With kSeparatesEarly: the first such separation, x/c and surface.
  std::optional<double> earlySeparationXc;
  SurfaceSide earlySeparationSide = SurfaceSide::kUpper;

  bool computed() const { return status == BoundaryLayerStatus::kComputed; }
};

struct BoundaryLayerOptions {
  double reynolds = kDefaultReynolds;
  double nCrit = kDefaultNCrit;
  // Stations per surface from the stagnation point to the trailing edge.
  int intervalsPerSurface = 160;
};

// The boundary layer of a pass (see above). Requires `p`, `c` of a pass
// that made its circle and `profile` = MeasureProfile(p.Eps, p.Mu).
// Not computed (status says why, no points): a Kutta factor other than 1, a
// profile without usable chord or with a sharp leading edge (Eps = 0), an Re
// or N_crit that CheckReynolds / CheckNCrit refuse.
BoundaryLayer ComputeBoundaryLayer(const FlowParameters& p, const CircleModel& c,
                                   const ProfileMeasure& profile,
                                   const BoundaryLayerOptions& options = {});

// N_crit must be finite and within [kLowestNCrit, kHighestNCrit].
bool NCritUsable(double nCrit);

// One station of a surface speed given along a surface, for MarchSurface.
struct EdgeStation {
  double s = 0.0;
  double ue = 0.0;
  double x = 0.0, y = 0.0, xc = 0.0;
  double streamwise = 1.0;  // t . e_stream: direction cosine of the surface with the stream
};

struct MarchOptions {
  double nu = 1e-6;
  double nCrit = kDefaultNCrit;
  // Start of the laminar layer: at a stagnation point (u_e(0) = 0, Hiemenz)
  // or at a sharp leading edge (theta(0) = 0 with u_e(0) > 0, the flat plate).
  bool fromStagnation = true;
  // du_e/ds at the stagnation point when known exactly; otherwise the
  // difference of the first two stations.
  std::optional<double> stagnationSlope;
  // Forces transition at this arc length, if not earlier.
  std::optional<double> tripAt;
  // The chord, for the friction drag (1 / c) integral c_f (t . e_stream) ds.
  double chord = 1.0;
};

// Marches one surface (see the header comment) over `stations`, s rising
// from 0. The stations' x/c and positions are copied into the points.
// Requires at least two stations and u_e >= 0.
SurfaceBoundaryLayer MarchSurface(const std::vector<EdgeStation>& stations,
                                  const MarchOptions& options);

// The drag polar of a pass's profile: for each angle of its lift curve, the
// boundary layer's C_D and transition and separation points.
struct PolarPoint {
  double alphaDeg = 0.0;
  double cl = 0.0;  // as the lift curve has it
  DragStatus dragStatus = DragStatus::kNotComputed;
  std::optional<double> cd;  // when predicted
  std::optional<double> cdFriction;
  std::optional<double> xTransitionUpper, xTransitionLower;
  std::optional<double> xSeparationUpper, xSeparationLower;
};

struct Polar {
  BoundaryLayerStatus status = BoundaryLayerStatus::kNotComputedBadInput;
  double reynolds = 0.0;
  double nCrit = 0.0;
  // What else its layers depend on: the circle's offsets, the Kutta factor
  // and the free stream (the angle of attack is each point's own).
  double Eps = 0.0, Mu = 0.0, iKutta = 0.0, U0 = 0.0;
  std::shared_ptr<const ProfileMap> profile;  // the profile's map; null for the designed profile
  std::vector<PolarPoint> points;             // in the order of the lift curve's points
  bool computed() const { return status == BoundaryLayerStatus::kComputed; }
};

// The polar for the angles of `lift` (the lift curve of the same pass):
// ComputeBoundaryLayer at each angle with the circle of that angle, the
// angles spread over the cores (ForBlocksOnCores).
// Not computed for the same reasons as the boundary layer, or without a
// lift curve.
//
// `earlier`, a polar computed before, lends the points of its angles when it
// was computed for the same profile, Kutta factor, free stream, Re and
// N_crit: they are the very numbers a new march would give. Dragging the
// angle of attack then marches only the pass's own angle, since the lift
// curve's whole degrees stay the same.
// `profileMap`, when given, is the map of a profile other than the designed
// one: each angle's circle is that map's (as RunCirclePlane takes it).
Polar ComputePolar(const FlowParameters& p, const ProfileMeasure& profile, const LiftCurve& lift,
                   const BoundaryLayerOptions& options = {}, const Polar* earlier = nullptr,
                   const std::shared_ptr<const ProfileMap>& profileMap = nullptr);

}  // namespace fluvenna
