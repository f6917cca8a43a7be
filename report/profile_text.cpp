// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/profile_text.h"

#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "report/number_text.h"

namespace fluvenna {
namespace {

double Degrees(double radians) {
  return radians * 45.0 / std::atan(1.0);
}

// The reader's and the map's faults, one phrase each (the line is added by
// the wording).
const char* FaultPhrase(AirfoilFaultKind kind) {
  switch (kind) {
    case AirfoilFaultKind::kEmptyFile:
      return QT_TRANSLATE_NOOP("ProfileReport", "the file holds no points");
    case AirfoilFaultKind::kNotTwoNumbers:
      return QT_TRANSLATE_NOOP("ProfileReport", "this line is not two numbers");
    case AirfoilFaultKind::kNotFinite:
      return QT_TRANSLATE_NOOP("ProfileReport", "this line holds NaN or infinity");
    case AirfoilFaultKind::kTooFewPoints:
      return QT_TRANSLATE_NOOP("ProfileReport", "a profile needs at least 20 points");
    case AirfoilFaultKind::kTooManyPoints:
      return QT_TRANSLATE_NOOP("ProfileReport", "a profile may have at most 10,000 points");
    case AirfoilFaultKind::kFileTooLarge:
      return QT_TRANSLATE_NOOP("ProfileReport", "the file is larger than 1 MB");
    case AirfoilFaultKind::kCountsDisagree:
      return QT_TRANSLATE_NOOP("ProfileReport",
                               "the two point counts do not match the points that follow");
    case AirfoilFaultKind::kSelfCrossing:
      return QT_TRANSLATE_NOOP("ProfileReport", "the contour crosses itself here");
    case AirfoilFaultKind::kOutOfOrder:
      return QT_TRANSLATE_NOOP("ProfileReport",
                               "the points are out of order: a jump longer than a quarter of "
                               "the chord ends here");
    case AirfoilFaultKind::kGapTooLarge:
      return QT_TRANSLATE_NOOP("ProfileReport",
                               "the trailing edge is open by more than 2 % of the chord");
    case AirfoilFaultKind::kNoChord:
      return QT_TRANSLATE_NOOP("ProfileReport", "all points lie at one place: there is no chord");
    case AirfoilFaultKind::kNacaNotDigits:
      return QT_TRANSLATE_NOOP("ProfileReport", "a NACA code has 4 or 5 digits");
    case AirfoilFaultKind::kNacaUnknownMeanLine:
      return QT_TRANSLATE_NOOP("ProfileReport",
                               "this NACA code names an unknown mean line (5 digits: 210 to 250)");
    case AirfoilFaultKind::kNacaReflexed:
      return QT_TRANSLATE_NOOP("ProfileReport", "reflexed NACA mean lines are not offered");
    case AirfoilFaultKind::kNacaNoThickness:
      return QT_TRANSLATE_NOOP("ProfileReport", "a NACA section needs a thickness above 0");
    case AirfoilFaultKind::kNacaTooThick:
      return QT_TRANSLATE_NOOP("ProfileReport", "a NACA section may be at most 40 % thick");
  }
  return QT_TRANSLATE_NOOP("ProfileReport", "the file holds no points");
}

const char* MapFaultPhrase(TheodorsenFault fault) {
  switch (fault) {
    case TheodorsenFault::kBadContour:
      return QT_TRANSLATE_NOOP("ProfileReport", "the contour has too few points or no chord");
    case TheodorsenFault::kNotStarShaped:
      return QT_TRANSLATE_NOOP("ProfileReport",
                               "the profile is too strongly curved for its map onto a circle");
    case TheodorsenFault::kNotConverged:
      return QT_TRANSLATE_NOOP("ProfileReport", "the map onto a circle did not converge");
  }
  return QT_TRANSLATE_NOOP("ProfileReport", "the map onto a circle did not converge");
}

}  // namespace

ProfileWording ProfileWordingIn(Language language) {
  ProfileWording w;
  for (std::string* text : {&w.report, &w.map, &w.critical, &w.morph, &w.refusedLine, &w.refused}) {
    *text = Translate(language, "ProfileReport", *text);
  }
  return w;
}

std::string ProfileReportLine(const LoadedProfile& profile, const ProfileWording& wording) {
  const ProfileReport& r = profile.contour.report;
  return FillMarkers(wording.report,
                     {r.name, FixedText(r.thickness, 4), FixedText(r.thicknessX, 3),
                      FixedText(r.camber, 4), FixedText(r.camberX, 3),
                      FixedText(Degrees(r.trailingEdgeAngle), 2), FixedText(r.leadingEdgeRadius, 4),
                      FixedText(r.closedGap, 4), FixedText(Degrees(r.chordLineAngle), 3)});
}

std::string ProfileMapLine(const LoadedProfile& profile, const ProfileWording& wording) {
  const TheodorsenMap& map = profile.map->theodorsen();
  char residual[32];
  std::snprintf(residual, sizeof residual, "%.1e", map.Residual());
  return FillMarkers(wording.map, {std::to_string(map.Terms()), residual});
}

std::string ProfileCriticalPointsLine(const LoadedProfile& profile, const ProfileWording& wording) {
  const auto te = profile.map->TrailingEdge(), inner = profile.map->PreMapInnerImage();
  return FillMarkers(wording.critical, {FixedText(te.real(), 4), FixedText(te.imag(), 4),
                                        FixedText(inner.real(), 4), FixedText(inner.imag(), 4)});
}

std::string ProfileRefusalText(const ProfileRefusal& refusal, Language language) {
  const ProfileWording wording = ProfileWordingIn(language);
  if (const auto* fault = std::get_if<AirfoilFault>(&refusal)) {
    const std::string phrase = Translate(language, "ProfileReport", FaultPhrase(fault->kind));
    if (fault->line > 0) {
      return FillMarkers(wording.refusedLine, {phrase, std::to_string(fault->line)});
    }
    return FillMarkers(wording.refused, {phrase});
  }
  const std::string phrase =
      Translate(language, "ProfileReport", MapFaultPhrase(std::get<TheodorsenFault>(refusal)));
  return FillMarkers(wording.refused, {phrase});
}

}  // namespace fluvenna
