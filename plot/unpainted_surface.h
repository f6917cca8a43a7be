// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "plot/device_mapping.h"
#include "plot/surface.h"

namespace fluvenna {

// A surface that paints nothing and keeps nothing, but accepts and refuses
// every operation exactly as the painting surfaces do (PainterSurface, the
// page's CanvasSurface): Scale as DeviceMapping::SetUserSystem, Line and
// Text only under a user system with finite coordinates, Image also only for
// a whole image (IsWholeImage), Cls always. A front end draws on it the
// pictures nobody asked for, so that a pass fails on the same operations
// whichever pictures are written, at no cost of painting.
class UnpaintedSurface : public PlotSurface {
 public:
  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override { return true; }
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override;
  bool Text(double x, double y, const std::string& text, Colour colour, TextAnchor anchor) override;

 private:
  // The interior's size does not matter to what is refused; one pixel will do.
  DeviceMapping mapping_{0.0, 0.0, 1.0, 1.0};
};

}  // namespace fluvenna
