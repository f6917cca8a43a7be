// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "circle_model.h"
#include "flow_field.h"
#include "parameters.h"

namespace fluvenna {

// The flow in motion: how long a fluid particle of the airfoil plane takes
// along each traced streamline, where the particles released at regular
// moments stand at a given animation time, and the timelines that join them.
//
// The time of flight. In the airfoil plane a particle moves at the speed
// q = |dF/dzeta| along its streamline, so dt = ds / q. Along a streamline
// psi is constant and the complex potential changes by its real part only:
// dF = dphi, and |dF| = |dF/dzeta| |dzeta| = q ds, so ds = dphi / q and
//   dt = dphi / q^2,        t_b - t_a = Integral from phi_a to phi_b of dphi / q^2,
// with q the airfoil-plane speed, q^2 = |dF/dz|^2 / |dzeta/dz|^2. (The
// circle-plane time of the same stretch would be the integral of
// dphi / |dF/dz|^2: the map keeps phi and psi but not the time, which
// differs by the factor |dzeta/dz|^2 inside the integral.) Particles move
// towards larger phi, so the time grows downstream whatever the order of a
// curve's points. The integral is taken along the exact level psi = PSI(k)
// of the curve: the point with the potential phi is the root w of
//   F(w) = U0 (w + A^2 / w) + i Gm ln(w / A) = phi + i PSI(k)
// in the flow frame, found by Newton's method from a cubic Hermite guess
// (the two ends of the stretch and dw/dphi = 1 / F'(w) there), with the
// logarithm continued along the curve from its first point. Each stretch
// between two traced points is integrated over phi by an adaptive five-point
// Gauss-Lobatto rule, halved until it agrees with Simpson's rule on the same
// points within kTimeStretchTolerance (relative). A traced point is taken at
// the exact streamline point of the same phi: the tracing's roots are only
// good to about 1e-7, and its point lies that close to it.
//
// Stagnation points. The dividing streamline (curves 1 and 2) starts at the
// rear stagnation point s1 (point 1 of curve 1) and ends at the front one s2
// (point 1 of curve 2, whose points run upstream). Near s, F(w) - F(s) is
// F''(s) (w - s)^2 / 2, so q^2 grows like phi - phi(s) and the time to or
// from s is infinite (logarithmic): a particle slows down and never arrives.
// Such a point gets t = +inf (curve 2, downstream end) or t = -inf (curve 1,
// upstream end, with t = 0 at its point 2); every other point has a finite
// time. Where s is a singular point of the map (s1 = cJ, the trailing edge,
// with the Kutta factor 1; s2 = -cJ with the flat plate at zero angle), the
// airfoil speed has the finite limit |F''(s)| / |d^2 zeta/dz^2 (s)| and the
// time is finite: the stretch from s is integrated with phi = phi(s) +- u^2,
// which makes the integrand smooth in u.
//
// Release line and times. Particles are released on the line x = releaseX
// of the airfoil plane: the left edge of the traced region, x = -XMax, moved
// to the right just as far as needed for every curve traced to that edge
// (x <= -XMax in the flow frame; not curve 1, which starts on the body, nor
// a curve cut short) to reach it, since the angle of attack and the map
// leave the curves' upstream ends a little to either side of -XMax. (XMax
// is the plot scale Olcek, so the line is the picture's left edge, or
// within a few hundredths of it.) A curve that crosses it has t =
// 0 where its exact streamline crosses it (t < 0 upstream of it); the others (curve 1) have t = 0
// at their upstream end (point 2 when that end is a stagnation point). Each point's time is the
// same in both planes: the circle plane shows the preimages of the airfoil-plane particles.

// The Simpson-Lobatto difference accepted on a stretch, relative to its time.
inline constexpr double kTimeStretchTolerance = 1e-7;
// Halvings of one stretch at most.
inline constexpr int kTimeStretchDepth = 12;
// Newton's method for the point of a potential: steps at most, and the
// relative error (estimated from the last step) that ends it.
inline constexpr int kLevelNewtonSteps = 40;
inline constexpr double kLevelNewtonTolerance = 1e-15;
// A traced point within kStagnationRadius A of a stagnation point is it.
inline constexpr double kStagnationRadius = 1e-9;
// The points added to a particle path towards a stagnation point it never
// reaches, at phi(s) - (phi(s) - phi(last)) 2^-i, i = 1..kCreepPoints.
inline constexpr int kCreepPoints = 12;

// One traced curve as the pass leaves it: the flow frame of the circle plane
// (XA/YA, points 1..NP) and the airfoil plane after the map, which may lack
// points that had no finite image (MapToAirfoil drops them; their images are
// found again with MapPoint to pair the two).
struct TracedCurve {
  int k = 0;
  double PSI = 0.0;
  std::span<const double> flowX, flowY;
  std::span<const double> airfoilX, airfoilY;
};

// The times of one curve. Circle-plane entries are indexed by the traced
// point (0 .. NP - 1); airfoil-plane entries by the point of the airfoil
// curve, with `source` the traced point each is the image of.
struct CurveTimes {
  int k = 0;
  double PSI = 0.0;
  std::vector<double> cx, cy;  // circle plane, profile frame (XP/YP before the map)
  std::vector<double> qc;      // circle-plane speed |dF/dz|
  std::vector<double> t;       // time of flight at each traced point (+-inf at a stagnation point)
  std::vector<double> ax, ay;  // airfoil plane
  std::vector<double> qa;      // airfoil-plane speed (+inf at a singular trailing edge)
  std::vector<int> source;     // traced point of each airfoil point
  bool released = false;       // crosses the release line: particles run on it
  std::optional<double> stationTime;  // when it crosses the trailing-edge station after release
  // The path of its particles, by increasing time from 0: the release point
  // (on the exact streamline), the traced points downstream of it, and, on
  // a curve ending at a stagnation point, the creep points towards it.
  std::vector<double> pathT, pathAx, pathAy, pathCx, pathCy;

  double AirfoilTime(int i) const {
    return t[static_cast<std::size_t>(source[static_cast<std::size_t>(i)])];
  }
};

struct TimeOfFlight {
  double releaseX = 0.0;           // the release line x = releaseX, airfoil plane
  double stationX = 0.0;           // the trailing-edge station, x = 2 cJ
  std::vector<CurveTimes> curves;  // the traced curves 1.. in the order given
  std::vector<int> psiOrder;       // the released curves (indices into curves) by increasing PSI
  // The longest path of the released curves that leave the picture: the
  // age at which the last of their particles is gone.
  double longestPath = 0.0;
  int newtonFailures = 0;  // points whose Newton's method did not settle (0 in every test)
};

// The times of every curve of a pass. Requires what FlowFieldModel requires
// (a pass that made its circle, Eps >= 0). Curve 0 (the body) and curves
// with fewer than 2 points are skipped. The curves are solved on every core
// (ForBlocksOnCores); the result does not depend on how many.
TimeOfFlight ComputeTimeOfFlight(const FlowParameters& p, const CircleModel& c,
                                 std::span<const TracedCurve> curves);

// The times of each pair m = 1, 2, ...: curves 2m + 1 (PSI = +m dPsi, above)
// and 2m + 2 (PSI = -m dPsi, below) from the release line to the
// trailing-edge station. A missing curve or crossing leaves its time empty.
struct PairTimes {
  int m = 0;
  double psi = 0.0;  // m dPsi
  std::optional<double> upper, lower;
};
std::vector<PairTimes> StationTimes(const TimeOfFlight& times);

// What a pass's summary says of the times of flight: the release line, the
// trailing-edge station, and each pair's times from one to the other.
struct StationCrossings {
  double releaseX = 0.0;
  double stationX = 0.0;
  std::vector<PairTimes> pairs;
};
StationCrossings StationCrossingsOf(const TimeOfFlight& times);

// StationCrossingsOf(ComputeTimeOfFlight(p, c, curves)), bit for bit, for
// some 60 % of the work, on the calling thread: the times of curves 3.. only,
// each summed from its upstream end over the same stretches in the same order
// as far as the station's stretch and no further, and no particle path. For
// a front end that reports the times without moving the particles.
StationCrossings ComputeStationTimes(const FlowParameters& p, const CircleModel& c,
                                     std::span<const TracedCurve> curves);

// Particles. Release n happens at time n * interval; at animation time T a
// particle of release n has the age T - n * interval and stands where its
// curve's path has the time of flight equal to its age, interpolated
// linearly in time between the path's points (a binary search per curve,
// then a walk): on the drawn polyline of both planes, never stepped through
// the field. A particle older than its path (it left the picture, or crept
// to its last point before a stagnation point) or than maxAge is gone.
struct ParticleOptions {
  double interval = 0.25;  // time between releases, > 0
  // true: the releases began at T = 0 (n = 0, 1, ...); false: they have
  // always gone on (every n with age >= 0), a steady stream from the start.
  bool sinceZero = true;
  // Ages beyond it are dropped; 0 means the longest path time of the
  // released curves that leave the picture (so that curve 2 does not pile
  // up particles at the nose for ever).
  double maxAge = 0.0;
};

struct Particle {
  int curve = 0;              // index into TimeOfFlight::curves
  std::int64_t release = 0;   // n
  double age = 0.0;           // its time of flight since release
  double ax = 0.0, ay = 0.0;  // airfoil plane
  double cx = 0.0, cy = 0.0;  // circle plane
};

// A timeline: particles of one release on neighbouring curves in the order
// of their PSI, joined in that order by straight segments. A timeline is
// broken where a curve between has no particle of that release (it already
// left the picture). The particle of curve 2 (PSI = 0) lags at the nose
// while its neighbours pass the body, so its two joins may cross the body
// in a picture; they are the straight joins all the same.
struct TimelinePiece {
  std::int64_t release = 0;
  int first = 0;  // into ParticleFrame::timelinePoints
  int count = 0;  // at least 2
};

// One frame; reused from frame to frame so that a frame allocates nothing
// once the buffers have grown.
struct ParticleFrame {
  std::vector<Particle> particles;  // curve by curve (psi order), youngest first
  std::vector<int> timelinePoints;  // indices into particles
  std::vector<TimelinePiece> timelines;
};

// Places the particles and timelines of animation time T >= 0 into `frame`.
void PlaceParticles(const TimeOfFlight& times, double T, const ParticleOptions& options,
                    ParticleFrame& frame);

}  // namespace fluvenna
