// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "flow/boundary_layer.h"
#include "flow/lifting_line.h"
#include "plot/surface.h"

namespace fluvenna {

class PassSession;

// The finite wing made of the section of a session's shown pass: the one
// entry a session hands out for it (PassSession::FiniteWing). It keeps the
// wing's shape across passes and works the wing out only when asked, again
// after a new pass or a change of shape, Re or N_crit.
//
// The section: a0 and alpha_L0 from the pass's lift curve (WingSectionOf),
// the root at the pass's alpha; the profile drag from the section's polar at
// the session's Re and, for other chords, at Re times
// StripReynoldsFactors (each computed once per pass, borrowing from the
// last one); the stall's c_l from the session's polar.
class FiniteWingView {
 public:
  explicit FiniteWingView(PassSession& session) : session_(session) {}
  FiniteWingView(const FiniteWingView&) = delete;
  FiniteWingView& operator=(const FiniteWingView&) = delete;

  // Takes a shape, or refuses it (the shape stays as it was) and returns
  // why, one plain sentence in the session's language: an unknown planform
  // name, then CheckFiniteWing's faults.
  std::optional<std::string> Set(double aspectRatio, const std::string& planform, double taper,
                                 double washoutDeg);
  const FiniteWingShape& Shape() const { return shape_; }

  // The wing of the shown pass; nullptr before the first pass. Not ok()
  // when the section has no zero-lift angle or positive slope.
  const FiniteWingAnalysis* Analysis();
  // The section's polar at the session's Re (as the picture shows it).
  const Polar* SectionPolar();

  // The line under the view (FiniteWingLine, with the session's wing group
  // in newtons); empty before the first pass.
  std::string Line();
  // As --wing-csv writes it (header only before the first pass).
  std::string Csv();
  // The picture (DrawFiniteWingPicture); false before the first pass or
  // when a surface fails.
  bool Draw(PlotSurface& surface);

  // How many times the wing was worked out (for the front ends' tests).
  int Analyses() const { return analyses_; }

 private:
  PassSession& session_;
  FiniteWingShape shape_;
  std::optional<FiniteWingAnalysis> analysis_;
  // What the analysis was made for.
  int passes_ = -1;
  double reynolds_ = 0.0, nCrit_ = 0.0;
  std::vector<Polar> polars_;  // at Re times the factors, rising
  int analyses_ = 0;
  void Forget() { analysis_.reset(); }
};

}  // namespace fluvenna
