// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/finite_wing_report.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

std::string Words(Language language, const char* text) {
  return Translate(language, "FiniteWing", text);
}

std::string ShapeText(const FiniteWingShape& shape, Language language) {
  std::string planform;
  switch (shape.planform) {
    case Planform::kRectangular:
      planform = Words(language, QT_TRANSLATE_NOOP("FiniteWing", "rectangular"));
      break;
    case Planform::kTapered:
      planform = FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", "tapered λ = %1")),
                             {NumberText(shape.taper)});
      break;
    case Planform::kElliptic:
      planform = Words(language, QT_TRANSLATE_NOOP("FiniteWing", "elliptic"));
      break;
  }
  return FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", "AR %1, %2, washout %3°:")),
                     {NumberText(shape.aspectRatio), planform, NumberText(shape.washoutDeg)});
}

}  // namespace

void WriteFiniteWingCsv(const FiniteWingAnalysis& wing, std::ostream& out) {
  out << "eta,y,chord,cl,gamma,alpha_i_deg,cd_profile\n";
  if (!wing.ok()) return;
  const double halfSpan = 0.5 * wing.solution.shape.aspectRatio;
  for (std::size_t j = 0; j < wing.stations.size(); ++j) {
    const WingStation& s = wing.stations[j];
    out << SeventeenDigitText(s.eta) << ',' << SeventeenDigitText(s.eta * halfSpan) << ','
        << SeventeenDigitText(s.chord) << ',' << SeventeenDigitText(s.cl) << ','
        << SeventeenDigitText(s.gamma) << ',' << SeventeenDigitText(s.alphaInduced / kDegree)
        << ',';
    if (j < wing.cdProfile.size() && std::isfinite(wing.cdProfile[j])) {
      out << SeventeenDigitText(wing.cdProfile[j]);
    }
    out << '\n';
  }
}

std::string FiniteWingRefusal(FiniteWingFault fault, Language language) {
  switch (fault) {
    case FiniteWingFault::kNone:
      return std::string();
    case FiniteWingFault::kNotFinite:
      return Words(language,
                   QT_TRANSLATE_NOOP("FiniteWing",
                                     "The wing's aspect ratio, taper and washout must be finite "
                                     "numbers."));
    case FiniteWingFault::kAspectRatioOutOfRange:
      return Words(language,
                   QT_TRANSLATE_NOOP("FiniteWing", "The aspect ratio must lie between 1 and 30."));
    case FiniteWingFault::kTaperOutOfRange:
      return Words(language,
                   QT_TRANSLATE_NOOP("FiniteWing", "The taper ratio must lie between 0 and 1."));
    case FiniteWingFault::kWashoutOutOfRange:
      return Words(language,
                   QT_TRANSLATE_NOOP("FiniteWing", "The washout must lie between -10° and 10°."));
  }
  return std::string();
}

std::string UnknownPlanformRefusal(Language language) {
  return Words(
      language,
      QT_TRANSLATE_NOOP("FiniteWing", "The planform must be rectangular, tapered or elliptic."));
}

std::string FiniteWingNotComputedText(Language language) {
  return Words(language, QT_TRANSLATE_NOOP("FiniteWing",
                                           "No finite wing: the section has no zero-lift angle "
                                           "or no positive lift slope."));
}

double WingForce(const WingFlow& flow, double aspectRatio, double coefficient) {
  return flow.dynamicPressure * aspectRatio * flow.wing.chord * flow.wing.chord * coefficient;
}

std::string FiniteWingLine(const FiniteWingAnalysis& wing, const WingFlow* flow,
                           Language language) {
  if (!wing.ok()) return FiniteWingNotComputedText(language);
  const FiniteWingShape& shape = wing.solution.shape;
  std::string line = ShapeText(shape, language) + ' ';
  line += FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", "C_L = %1, C_Di = %2,")),
                      {FixedText(wing.state.CL, 4), FixedText(wing.state.CDi, 5)});
  line += ' ';
  line += wing.state.e
              ? FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", "e = %1,")),
                            {FixedText(*wing.state.e, 4)})
              : Words(language, QT_TRANSLATE_NOOP("FiniteWing", "e undefined at C_L = 0,"));
  line += ' ';
  line += wing.CD ? FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", "C_D = %1")),
                                {FixedText(*wing.CD, 5)})
                  : Words(language, QT_TRANSLATE_NOOP("FiniteWing", "C_D not predicted"));
  if (wing.polar.bestLiftToDrag) {
    line += FillMarkers(
        Words(language, QT_TRANSLATE_NOOP("FiniteWing", ", (L/D)max = %1 at α = %2°")),
        {FixedText(*wing.polar.bestLiftToDrag, 1), NumberText(*wing.polar.bestLiftToDragAlphaDeg)});
  }
  line += '.';
  if (wing.stall) {
    line +=
        ' ' +
        FillMarkers(Words(language,
                          QT_TRANSLATE_NOOP("FiniteWing", "Stall begins at 2y/b = %1 at α = %2°.")),
                    {FixedText(wing.stall->eta, 2), FixedText(wing.stall->alphaRoot / kDegree, 1)});
  }
  if (flow) {
    const double AR = shape.aspectRatio;
    line += ' ' + FillMarkers(
                      Words(language, QT_TRANSLATE_NOOP("FiniteWing",
                                                        "Wing of span %1 m: L = %2 N, D_i = %3 N")),
                      {FixedText(AR * flow->wing.chord, 2),
                       FixedText(WingForce(*flow, AR, wing.state.CL), 1),
                       FixedText(WingForce(*flow, AR, wing.state.CDi), 1)});
    if (wing.CD) {
      line += FillMarkers(Words(language, QT_TRANSLATE_NOOP("FiniteWing", ", D = %1 N")),
                          {FixedText(WingForce(*flow, AR, *wing.CD), 1)});
    }
    line += '.';
  }
  if (shape.aspectRatio < kLiftingLineReliableAspectRatio) {
    line += ' ' + Words(language, QT_TRANSLATE_NOOP("FiniteWing",
                                                    "Below AR 4 lifting-line theory overestimates "
                                                    "the lift of such a wing."));
  }
  return line;
}

namespace {

std::vector<std::pair<const char*, std::optional<double>>> SummaryValues(
    const FiniteWingAnalysis& wing) {
  const bool ok = wing.ok();
  const auto some = [&](double v) { return ok ? std::optional<double>(v) : std::nullopt; };
  return {
      {"wing_AR", some(wing.solution.shape.aspectRatio)},
      {"wing_C_L", some(wing.state.CL)},
      {"wing_C_Di", some(wing.state.CDi)},
      {"wing_e", ok ? wing.state.e : std::nullopt},
      {"wing_C_D", ok ? wing.CD : std::nullopt},
      {"wing_lift_slope", some(wing.liftSlope)},
      {"wing_stall_eta", wing.stall ? std::optional<double>(wing.stall->eta) : std::nullopt},
      {"wing_stall_alpha_deg",
       wing.stall ? std::optional<double>(wing.stall->alphaRoot / kDegree) : std::nullopt},
  };
}

}  // namespace

std::string FiniteWingSummaryText(const FiniteWingAnalysis& wing) {
  std::string out;
  for (const auto& [name, value] : SummaryValues(wing)) {
    out += std::string(name) + ' ' + (value ? ShortestText(*value) : std::string("none")) + '\n';
  }
  return out;
}

std::string WithFiniteWingJson(const std::string& json, const FiniteWingAnalysis& wing) {
  const std::size_t end = json.rfind('}');
  if (end == std::string::npos) return json;
  std::string members;
  for (const auto& [name, value] : SummaryValues(wing)) {
    members += ",\"" + std::string(name) + "\":" + (value ? ShortestText(*value) : "null");
  }
  if (json.find(':') == std::string::npos) members.erase(0, 1);  // an empty object
  return json.substr(0, end) + members + json.substr(end);
}

}  // namespace fluvenna
