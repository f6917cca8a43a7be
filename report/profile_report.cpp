// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/profile_report.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string InLanguage(Language language, const char* text) {
  return Translate(language, "Profile", text);
}

std::string Line(int line) {
  return std::to_string(line);
}

constexpr double kDegrees = 180.0 / std::numbers::pi;

}  // namespace

std::string AirfoilRefusal(const AirfoilFault& fault, Language language) {
  const char* form = "";
  switch (fault.kind) {
    case AirfoilFaultKind::kEmptyFile:
      form = QT_TRANSLATE_NOOP("Profile", "The file holds no points.");
      break;
    case AirfoilFaultKind::kNotTwoNumbers:
      form = QT_TRANSLATE_NOOP("Profile", "Line %1 is not two numbers.");
      break;
    case AirfoilFaultKind::kNotFinite:
      form = QT_TRANSLATE_NOOP("Profile",
                               "Line %1 holds a number that is not finite (NaN or infinity).");
      break;
    case AirfoilFaultKind::kTooFewPoints:
      form = QT_TRANSLATE_NOOP("Profile", "The profile has fewer than 20 points.");
      break;
    case AirfoilFaultKind::kTooManyPoints:
      form = QT_TRANSLATE_NOOP("Profile", "Line %1: the profile has more than 10000 points.");
      break;
    case AirfoilFaultKind::kFileTooLarge:
      form = QT_TRANSLATE_NOOP("Profile", "The file is larger than 1 MB.");
      break;
    case AirfoilFaultKind::kCountsDisagree:
      form = QT_TRANSLATE_NOOP(
          "Profile", "Line %1: the two point counts do not match the points that follow.");
      break;
    case AirfoilFaultKind::kSelfCrossing:
      form = QT_TRANSLATE_NOOP("Profile", "Line %1: the contour crosses itself.");
      break;
    case AirfoilFaultKind::kOutOfOrder:
      form = QT_TRANSLATE_NOOP(
          "Profile",
          "Line %1: the points are out of order (a jump longer than a quarter of the chord).");
      break;
    case AirfoilFaultKind::kGapTooLarge:
      form = QT_TRANSLATE_NOOP("Profile",
                               "The trailing-edge gap is larger than 2 percent of the chord.");
      break;
    case AirfoilFaultKind::kNoChord:
      form = QT_TRANSLATE_NOOP("Profile", "The points give no chord.");
      break;
    case AirfoilFaultKind::kNacaNotDigits:
      form = QT_TRANSLATE_NOOP("Profile", "A NACA code has 4 or 5 digits.");
      break;
    case AirfoilFaultKind::kNacaUnknownMeanLine:
      form =
          QT_TRANSLATE_NOOP("Profile",
                            "This NACA code names an unknown mean line (offered: 4-digit ones and "
                            "the 5-digit 210 to 250).");
      break;
    case AirfoilFaultKind::kNacaReflexed:
      form = QT_TRANSLATE_NOOP("Profile", "Reflexed mean lines (third digit 1) are not offered.");
      break;
    case AirfoilFaultKind::kNacaNoThickness:
      form = QT_TRANSLATE_NOOP("Profile", "A NACA section needs a thickness above 0.");
      break;
    case AirfoilFaultKind::kNacaTooThick:
      form = QT_TRANSLATE_NOOP("Profile", "A NACA section may be at most 40 percent thick.");
      break;
  }
  return FillMarkers(InLanguage(language, form), {Line(fault.line)});
}

std::string TheodorsenRefusal(TheodorsenFault fault, Language language) {
  switch (fault) {
    case TheodorsenFault::kBadContour:
      return InLanguage(language, QT_TRANSLATE_NOOP("Profile", "The contour is too short to map."));
    case TheodorsenFault::kNotStarShaped:
      return InLanguage(language,
                        QT_TRANSLATE_NOOP("Profile",
                                          "This profile cannot be mapped: its pre-mapped contour "
                                          "folds back round its centre."));
    case TheodorsenFault::kNotConverged:
      return InLanguage(language, QT_TRANSLATE_NOOP("Profile",
                                                    "Theodorsen's iteration did not converge for "
                                                    "this profile."));
  }
  return {};
}

std::string ProfileReportLine(const ProfileReport& r, Language language) {
  const std::string name = r.name.empty() ? "?" : r.name;
  std::string first;
  if (r.camber == 0.0) {
    first = FillMarkers(
        InLanguage(language, QT_TRANSLATE_NOOP("Profile", "%1: t/c = %2 at x/c = %3, no camber.")),
        {name, FixedText(r.thickness, 4), FixedText(r.thicknessX, 3)});
  } else {
    first = FillMarkers(
        InLanguage(language,
                   QT_TRANSLATE_NOOP("Profile", "%1: t/c = %2 at x/c = %3, f/c = %4 at x/c = %5.")),
        {name, FixedText(r.thickness, 4), FixedText(r.thicknessX, 3), FixedText(r.camber, 4),
         FixedText(r.camberX, 3)});
  }
  const std::string second = FillMarkers(
      InLanguage(language, QT_TRANSLATE_NOOP("Profile",
                                             "Trailing-edge angle %1°, leading-edge radius %2, gap "
                                             "closed %3, chord line at %4°.")),
      {FixedText(r.trailingEdgeAngle * kDegrees, 2), FixedText(r.leadingEdgeRadius, 4),
       FixedText(r.closedGap, 4), FixedText(r.chordLineAngle * kDegrees, 3)});
  return first + ' ' + second;
}

std::string TheodorsenMapLine(const TheodorsenMap& map, Language language) {
  char residual[32];
  std::snprintf(residual, sizeof residual, "%.1e", map.Residual());
  const char* form =
      map.Converged()
          ? QT_TRANSLATE_NOOP("Profile", "Theodorsen map: %1 terms, contour within %2 chord.")
          : QT_TRANSLATE_NOOP("Profile",
                              "Theodorsen map: %1 terms, contour within %2 chord; the tolerances "
                              "were not all met.");
  return FillMarkers(InLanguage(language, form), {std::to_string(map.Terms()), residual});
}

void WriteProfileCsv(const AirfoilContour& contour, std::ostream& out) {
  out << "x,y\n";
  for (std::size_t i = 0; i < contour.x.size() && i < contour.y.size(); ++i)
    out << SeventeenDigitText(contour.x[i]) << ',' << SeventeenDigitText(contour.y[i]) << '\n';
}

}  // namespace fluvenna
