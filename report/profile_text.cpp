// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/profile_text.h"

#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "report/number_text.h"
#include "report/profile_report.h"

namespace fluvenna {
namespace {

double Degrees(double radians) {
  return radians * 45.0 / std::atan(1.0);
}

}  // namespace

ProfileWording ProfileWordingIn(Language language) {
  ProfileWording w;
  for (std::string* text : {&w.report, &w.map, &w.critical, &w.morph, &w.exactLift}) {
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
  if (const auto* fault = std::get_if<AirfoilFault>(&refusal)) {
    return AirfoilRefusal(*fault, language);
  }
  return TheodorsenRefusal(std::get<TheodorsenFault>(refusal), language);
}

}  // namespace fluvenna
