// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/boundary_layer_report.h"

#include <cmath>
#include <cstdio>

#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string InLanguage(Language language, const char* text) {
  return Translate(language, "Report", text);
}

void WriteSurfaceRows(const SurfaceBoundaryLayer& surface, std::ostream& out) {
  const char* name = SurfaceSideName(surface.side);
  for (std::size_t i = 0; i < surface.points.size(); ++i) {
    const BoundaryLayerPoint& p = surface.points[i];
    out << name << ',' << i;
    for (double v : {p.s, p.xc, p.x, p.y, p.ue, p.theta, p.dstar, p.H, p.cf, p.reTheta, p.n}) {
      out << ',' << SeventeenDigitText(v);
    }
    out << ',' << BoundaryLayerRegimeName(p.regime) << '\n';
  }
}

std::string Optional(const std::optional<double>& value) {
  return value ? SeventeenDigitText(*value) : std::string();
}

// One whole sentence per case, the surface's name as %1, so that a
// translation may order the words as its language needs.
std::string SurfaceSentence(const SurfaceBoundaryLayer& s, Language language) {
  const std::string name = InLanguage(language, s.side == SurfaceSide::kUpper
                                                    ? QT_TRANSLATE_NOOP("Report", "Upper surface")
                                                    : QT_TRANSLATE_NOOP("Report", "Lower surface"));
  const std::string tr = s.xTransition ? FixedText(*s.xTransition, 3) : std::string();
  const std::string sep = s.xSeparation ? FixedText(*s.xSeparation, 3) : std::string();
  const bool bubble = s.transitionCause == TransitionCause::kLaminarSeparation;
  const char* form = nullptr;
  if (!s.xTransition) {
    form = s.xSeparation
               ? QT_TRANSLATE_NOOP("Report", "%1: laminar, separates at x/c = %3 for good.")
               : QT_TRANSLATE_NOOP("Report", "%1: laminar to the trailing edge, no separation.");
  } else if (bubble) {
    form = s.xSeparation ? QT_TRANSLATE_NOOP("Report",
                                             "%1: laminar separation bubble, transition at x/c = "
                                             "%2, separation at x/c = %3.")
                         : QT_TRANSLATE_NOOP("Report",
                                             "%1: laminar separation bubble, transition at x/c = "
                                             "%2, no separation.");
  } else {
    form = s.xSeparation
               ? QT_TRANSLATE_NOOP("Report", "%1: transition at x/c = %2, separation at x/c = %3.")
               : QT_TRANSLATE_NOOP("Report", "%1: transition at x/c = %2, no separation.");
  }
  return FillMarkers(InLanguage(language, form), {name, tr, sep});
}

}  // namespace

std::string ReynoldsText(double reynolds) {
  if (!std::isfinite(reynolds) || reynolds <= 0.0) return FixedText(reynolds, 0);
  int exponent = static_cast<int>(std::floor(std::log10(reynolds)));
  double mantissa = reynolds / std::pow(10.0, exponent);
  mantissa = std::round(mantissa * 100.0) / 100.0;
  if (mantissa >= 10.0) mantissa /= 10.0, ++exponent;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", mantissa);
  std::string m = buffer;
  while (m.back() == '0') m.pop_back();
  if (m.back() == '.') m.pop_back();
  return m + "e" + std::to_string(exponent);
}

void WriteBoundaryLayerCsv(const BoundaryLayer& layer, std::ostream& out) {
  out << "surface,point,s,xc,x,y,ue,theta,dstar,H,cf,re_theta,n,regime\n";
  if (!layer.computed()) return;
  WriteSurfaceRows(layer.upper, out);
  WriteSurfaceRows(layer.lower, out);
}

void WritePolarCsv(const Polar& polar, std::ostream& out) {
  out << "alpha_deg,cl,cd,x_transition_upper,x_transition_lower,x_separation_upper\n";
  for (const PolarPoint& p : polar.points) {
    out << SeventeenDigitText(p.alphaDeg) << ',' << SeventeenDigitText(p.cl) << ','
        << Optional(p.cd) << ',' << Optional(p.xTransitionUpper) << ','
        << Optional(p.xTransitionLower) << ',' << Optional(p.xSeparationUpper) << '\n';
  }
}

std::string BoundaryLayerNotComputedText(BoundaryLayerStatus status, Language language) {
  switch (status) {
    case BoundaryLayerStatus::kComputed:
      return std::string();
    case BoundaryLayerStatus::kNotComputedKutta:
      return InLanguage(
          language, QT_TRANSLATE_NOOP("Report",
                                      "The boundary layer is not computed: with a Kutta factor "
                                      "other than 1 the speed at the trailing edge is unbounded."));
    case BoundaryLayerStatus::kNotComputedNoProfile:
      return InLanguage(language,
                        QT_TRANSLATE_NOOP("Report",
                                          "The boundary layer is not computed: the profile has a "
                                          "sharp leading edge or no usable chord."));
    case BoundaryLayerStatus::kNotComputedBadInput:
      return InLanguage(
          language,
          QT_TRANSLATE_NOOP(
              "Report",
              "The boundary layer is not computed: the Reynolds number or N_crit is not usable."));
  }
  return std::string();
}

std::string BoundaryLayerLine(const BoundaryLayer& layer, const WingFlow* wing,
                              std::optional<double> CL, Language language) {
  if (!layer.computed()) return BoundaryLayerNotComputedText(layer.status, language);
  std::string line = FillMarkers(InLanguage(language, QT_TRANSLATE_NOOP("Report", "Re = %1:")),
                                 {ReynoldsText(layer.reynolds)});
  line += ' ';
  if (layer.cd) {
    line += FillMarkers(
        InLanguage(language, QT_TRANSLATE_NOOP("Report", "C_D = %1 (friction %2, pressure %3).")),
        {FixedText(*layer.cd, 5), FixedText(*layer.cdFriction, 5),
         FixedText(*layer.cdPressure, 5)});
  } else {
    line += FillMarkers(
        InLanguage(
            language,
            layer.earlySeparationSide == SurfaceSide::kUpper
                ? QT_TRANSLATE_NOOP(
                      "Report",
                      "C_D not predicted: the flow separates at x/c = %1 on the upper surface.")
                : QT_TRANSLATE_NOOP(
                      "Report",
                      "C_D not predicted: the flow separates at x/c = %1 on the lower surface.")),
        {FixedText(layer.earlySeparationXc.value_or(0.0), 3)});
  }
  line += ' ' + SurfaceSentence(layer.upper, language);
  line += ' ' + SurfaceSentence(layer.lower, language);
  if (wing) {
    std::string lift = CL ? FixedText(wing->PerSpan(*CL), 1) : std::string("?");
    if (layer.cd) {
      line += ' ' + FillMarkers(
                        InLanguage(language,
                                   QT_TRANSLATE_NOOP("Report", "Wing: L' = %1 N/m, D' = %2 N/m.")),
                        {lift, FixedText(wing->PerSpan(*layer.cd), 2)});
    } else {
      line +=
          ' ' + FillMarkers(InLanguage(language, QT_TRANSLATE_NOOP("Report", "Wing: L' = %1 N/m.")),
                            {lift});
    }
  }
  return line;
}

std::string ReynoldsRefusal(ReynoldsFault fault, Language language) {
  switch (fault) {
    case ReynoldsFault::kNone:
      return std::string();
    case ReynoldsFault::kNotFinite:
      return InLanguage(
          language, QT_TRANSLATE_NOOP("Report", "The Reynolds number must be a finite number."));
    case ReynoldsFault::kOutOfRange:
      return InLanguage(
          language,
          QT_TRANSLATE_NOOP("Report", "The Reynolds number must lie between 1000 and 1000000000."));
  }
  return std::string();
}

std::string WingRefusal(WingFault fault, Language language) {
  switch (fault) {
    case WingFault::kNone:
      return std::string();
    case WingFault::kSpeedNotUsable:
      return InLanguage(
          language,
          QT_TRANSLATE_NOOP("Report", "The wing's speed must be a finite number, not negative."));
    case WingFault::kChordNotUsable:
      return InLanguage(
          language,
          QT_TRANSLATE_NOOP("Report", "The wing's chord must be a finite positive number."));
    case WingFault::kAltitudeNotUsable:
      return InLanguage(
          language, QT_TRANSLATE_NOOP("Report", "The altitude must lie between 0 and 11000 m."));
    case WingFault::kReynoldsOutOfRange:
      return InLanguage(
          language,
          QT_TRANSLATE_NOOP("Report",
                            "The wing's Reynolds number must lie between 1000 and 1000000000."));
  }
  return std::string();
}

std::string NCritRefusal(Language language) {
  return InLanguage(
      language, QT_TRANSLATE_NOOP("Report", "N_crit must be a finite number between 1 and 20."));
}

}  // namespace fluvenna
