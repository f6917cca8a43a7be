// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plot/surface.h"
#include "plot/unpainted_surface.h"

namespace fluvenna {

// A surface that keeps what is drawn on it, to be drawn later on another
// surface (DrawOn): a picture can be computed before the surface that
// paints it exists, for example while the painting library is still being
// loaded. It accepts and refuses every operation exactly as UnpaintedSurface
// does, and so as the painting surfaces do; a refused operation is not kept.
class DeferredSurface : public PlotSurface {
 public:
  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override;
  bool Text(double x, double y, const std::string& text, Colour colour, TextAnchor anchor) override;

  // Draws every kept operation on `target`, in the order drawn; false as
  // soon as `target` refuses one (the rest are not drawn).
  bool DrawOn(PlotSurface& target) const;

  // How many operations are kept.
  std::size_t size() const { return operations_.size(); }

 private:
  enum class Kind { kScale, kCls, kLine, kImage, kText };
  struct Operation {
    Kind kind;
    double a[4];
    Colour colour = 0;
    TextAnchor anchor = TextAnchor::kTopLeft;
    int index = -1;  // into texts_ (kText) or images_ (kImage)
  };

  UnpaintedSurface check_;
  std::vector<Operation> operations_;
  std::vector<std::string> texts_;
  std::vector<RgbaImage> images_;
};

}  // namespace fluvenna
