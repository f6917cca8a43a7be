// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/finite_wing_view.h"

#include <algorithm>
#include <sstream>

#include "plot/finite_wing_picture.h"
#include "report/finite_wing_report.h"
#include "session/pass_session.h"

namespace fluvenna {

std::optional<std::string> FiniteWingView::Set(double aspectRatio, const std::string& planform,
                                               double taper, double washoutDeg) {
  const Language language = session_.CurrentLanguage();
  const std::optional<Planform> named = PlanformNamed(planform.c_str());
  if (!named) return UnknownPlanformRefusal(language);
  const FiniteWingShape shape{aspectRatio, *named, taper, washoutDeg};
  const FiniteWingFault fault = CheckFiniteWing(shape);
  if (fault != FiniteWingFault::kNone) return FiniteWingRefusal(fault, language);
  if (shape.aspectRatio != shape_.aspectRatio || shape.planform != shape_.planform ||
      shape.taper != shape_.taper || shape.washoutDeg != shape_.washoutDeg) {
    shape_ = shape;
    Forget();
  }
  return std::nullopt;
}

const Polar* FiniteWingView::SectionPolar() {
  return session_.PolarOfShown();
}

const FiniteWingAnalysis* FiniteWingView::Analysis() {
  const ShownPass* shown = session_.Shown();
  if (!shown) return nullptr;
  if (analysis_ && passes_ == session_.Passes() && reynolds_ == session_.Reynolds() &&
      nCrit_ == session_.NCrit()) {
    return &*analysis_;
  }
  const double reynolds = session_.Reynolds();
  const Polar* own = session_.PolarOfShown();
  // The polars at the other chords' Re, each borrowing from its last one.
  std::vector<Polar> polars;
  std::vector<SectionDragCurve> curves;
  for (const double factor : StripReynoldsFactors(shape_)) {
    if (factor == 1.0) {
      polars.push_back(*own);
    } else {
      BoundaryLayerOptions options;
      options.reynolds = std::clamp(reynolds * factor, kLowestReynolds, kHighestReynolds);
      options.nCrit = session_.NCrit();
      const Polar* earlier = nullptr;
      for (const Polar& p : polars_) {
        if (p.reynolds == options.reynolds) earlier = &p;
      }
      polars.push_back(
          ComputePolar(shown->result.params, shown->profile, shown->lift, options, earlier));
    }
    if (curves.empty() || polars.back().reynolds > curves.back().reynolds) {
      curves.push_back(DragCurveOf(polars.back()));
    }
  }
  polars_ = std::move(polars);
  std::vector<double> alphas;
  for (const LiftCurvePoint& point : shown->lift.points) alphas.push_back(point.alpha_deg);
  const std::optional<WingSection> section = WingSectionOf(shown->result.params, shown->lift);
  const std::optional<double> clStall =
      section && own ? StallLiftCoefficient(*own, *shown->lift.zeroLiftDeg) : std::nullopt;
  analysis_ = section ? AnalyseFiniteWing(shape_, *section, shown->result.params.Alfa, alphas,
                                          curves, reynolds, clStall)
                      : FiniteWingAnalysis();
  passes_ = session_.Passes();
  reynolds_ = reynolds;
  nCrit_ = session_.NCrit();
  ++analyses_;
  return &*analysis_;
}

std::string FiniteWingView::Line() {
  const FiniteWingAnalysis* wing = Analysis();
  if (!wing) return std::string();
  const std::optional<WingFlow>& flow = session_.CurrentWing();
  return FiniteWingLine(*wing, flow ? &*flow : nullptr, session_.CurrentLanguage());
}

std::string FiniteWingView::Csv() {
  std::ostringstream out;
  const FiniteWingAnalysis* wing = Analysis();
  WriteFiniteWingCsv(wing ? *wing : FiniteWingAnalysis(), out);
  return out.str();
}

bool FiniteWingView::Draw(PlotSurface& surface) {
  const FiniteWingAnalysis* wing = Analysis();
  return wing && DrawFiniteWingPicture(surface, *wing, SectionPolar(),
                                       FiniteWingLabelsIn(session_.CurrentLanguage()));
}

}  // namespace fluvenna
