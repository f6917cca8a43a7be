// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "flow/atmosphere.h"
#include "flow/boundary_layer.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "flow/profile_source.h"
#include "flow/surface_pressure.h"
#include "flow/time_of_flight.h"
#include "report/pass_curves.h"

namespace fluvenna {

// The numbers of a pass that the renderer reports. A value the pass did not
// get to (it ended with an error first) is empty, so nothing but finite
// numbers is ever printed.
struct PassSummary {
  int profileRow = 0;  // 0: no row matched, the flat plate is drawn
  std::optional<double> DELTA, GAMA, Eps, Mu;
  std::optional<double> cJ, A, Beta, Circ, Gm;
  std::optional<double> chord;  // of the drawn profile, as measured
  std::optional<double> CL;     // lift coefficient 2 Circ / (U0 chord), as the window has it
  std::string notComputed;      // why chord or C_L is missing

  // From the surface pressure (ComputeSurfacePressure): the lift coefficient
  // integrated from Cp, and the lowest Cp with its x/c and surface.
  std::optional<double> CLPressure;
  std::optional<double> CpMin, CpMinXc;
  std::string CpMinSurface;   // "upper" or "lower"
  std::string notIntegrated;  // why CLPressure is missing

  // From the lift curve (ComputeLiftCurve): dC_L/dalpha per radian at the
  // pass's alpha, and the zero-lift angle in degrees, exact (-Beta) and by
  // thin-airfoil theory (-2 GAMA).
  std::optional<double> CLSlope, zeroLiftDeg, zeroLiftThinDeg;

  // From the times of flight, when the caller has them: the release line,
  // the trailing-edge station and each streamline pair's times between them.
  std::optional<double> releaseX, stationX;
  std::vector<PairTimes> stationTimes;

  // The boundary layer (AddBoundaryLayer), when the caller asked for it: Re,
  // C_D and its friction part when predicted (else `CDMissing` says why),
  // transition and separation x/c of each surface (empty where none), and
  // with a wing its lift and drag per metre of span, N/m.
  std::optional<double> reynolds;
  std::optional<double> CD, CDFriction;
  std::string CDMissing;
  std::optional<double> xTransitionUpper, xTransitionLower, xSeparationUpper, xSeparationLower;
  bool wing = false;
  std::optional<double> liftPerSpan, dragPerSpan;

  // The profile table file the pass used, as an absolute path; empty when
  // none was loaded (every pair then draws the flat plate). The caller fills
  // these in: a pass does not know where its table came from.
  std::string table;
  std::optional<std::string> tableFailure;  // the load stopped early: rows as far as read

  // A profile other than the designed one (AddProfile): its name, t/c, f/c,
  // trailing-edge angle in degrees, the trailing-edge gap that was closed
  // (chords), and the number of Fourier terms of its map and the distance of
  // the re-traced contour from the spline (chords).
  struct Profile {
    std::string name;
    double thickness = 0.0, camber = 0.0, teAngleDeg = 0.0, teGap = 0.0;
    int mapTerms = 0;
    double mapResidual = 0.0;
  };
  std::optional<Profile> profile;

  struct Curve {
    int k = 0;
    int NP = 0;
    std::optional<double> PSI;
  };
  std::vector<Curve> curves;  // as traced, in the circle plane
};

// `pressure` is the surface pressure of the pass when the caller has it;
// without it the summary computes it (only for a pass without error whose
// chord was measured). `profile`, when given, is MeasureProfile of the pass's
// Eps and Mu (of its map, for a profile other than the designed one), as the
// caller has it already; without it the summary measures the profile itself.
PassSummary SummarisePass(const PassResult& result, const PassCurves& curves,
                          const SurfacePressure* pressure = nullptr,
                          const ProfileMeasure* profile = nullptr);

// Adds the profile of a pass with a NACA section or a file.
void AddProfile(PassSummary& summary, const LoadedProfile& profile);

// Adds the boundary layer of the pass to `summary`; `wing` and the pass's
// `CL` give the forces per span when there is a wing.
void AddBoundaryLayer(PassSummary& summary, const BoundaryLayer& layer, const WingFlow* wing);

// A few aligned lines of text, the table file last; C_L with three
// decimals, as the window's status line shows it.
std::string SummaryText(const PassSummary& summary);

// The same as one JSON object, every number to its last digit; missing
// values are null, as is "table" when none was loaded.
std::string SummaryJson(const PassSummary& summary);

}  // namespace fluvenna
