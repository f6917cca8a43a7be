// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "plot/surface.h"

namespace fluvenna {

// One plot drawn on several surfaces at once (the PNG and the SVG of the
// same picture): every operation goes to each surface in turn and succeeds
// only if it succeeds on all of them.
class FanOutSurface : public PlotSurface {
 public:
  void Add(PlotSurface& surface) { surfaces_.push_back(&surface); }

  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override;
  bool Text(double x, double y, const std::string& text, Colour colour, TextAnchor anchor) override;

 private:
  std::vector<PlotSurface*> surfaces_;
};

}  // namespace fluvenna
