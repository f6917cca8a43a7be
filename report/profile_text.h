// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/conformal_map.h"
#include "flow/profile_source.h"
#include "report/catalogue.h"

namespace fluvenna {

// The words of a profile other than the designed one, in the "ProfileReport"
// context. The report: %1 name; %2 t/c, %3 its x/c; %4 f/c, %5 its x/c; %6
// trailing-edge angle (degrees); %7 leading-edge radius (chords); %8 the
// trailing-edge gap closed (chords); %9 the angle of the geometric chord
// from the x axis (degrees).
struct ProfileWording {
  std::string report = QT_TRANSLATE_NOOP(
      "ProfileReport",
      "%1: t/c %2 at x/c %3, f/c %4 at x/c %5, trailing-edge angle %6°, leading-edge radius %7, "
      "trailing-edge gap closed %8, chord line %9° from the x axis");
  // The map: %1 Fourier terms, %2 the re-traced contour's distance (chords).
  std::string map = QT_TRANSLATE_NOOP(
      "ProfileReport", "Theodorsen's map: %1 Fourier terms, contour within %2 chords");
  // The conformal-map view's line: %1, %2 the trailing edge; %3, %4 P_L.
  std::string critical = QT_TRANSLATE_NOOP(
      "ProfileReport",
      "Critical points of the Kármán–Trefftz pre-map (dζ/dz = 0): the one on the circle becomes "
      "the trailing edge ζ = (%1, %2); the other lies inside the body and goes to ζ = (%3, %4).");
  // The lift curve's exact line for any other profile.
  std::string exactLift = QT_TRANSLATE_NOOP("ProfileReport", "exact (conformal map)");
  // The conformal-map view's title at the morph t (%1) for any other map.
  std::string morph = QT_TRANSLATE_NOOP("ProfileReport", "ζ = (1 − t)·z + t·F(z), t = %1");
};

// The wording in `language`.
ProfileWording ProfileWordingIn(Language language);

// The profile's report in one line, and its map's.
std::string ProfileReportLine(const LoadedProfile& profile, const ProfileWording& wording = {});
std::string ProfileMapLine(const LoadedProfile& profile, const ProfileWording& wording = {});

// The line under the conformal-map view for a profile other than the
// designed one.
std::string ProfileCriticalPointsLine(const LoadedProfile& profile,
                                      const ProfileWording& wording = {});

// Why a source was refused, one sentence in `language`, naming the line of
// the file where there is one (AirfoilRefusal, TheodorsenRefusal).
std::string ProfileRefusalText(const ProfileRefusal& refusal, Language language);

}  // namespace fluvenna
