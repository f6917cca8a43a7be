// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "plot/device_mapping.h"
#include "plot/surface.h"

namespace fluvenna {

// A plot surface for a browser canvas. It draws nothing itself: it records
// every segment, already clipped and carried from user coordinates to the
// pixels of the canvas's drawing area, so that the page only strokes them
// in order. Cls forgets what was recorded before, as it erases the picture.
class CanvasSurface : public PlotSurface {
 public:
  // The drawing area of the window's plots, in CSS pixels.
  static constexpr double kWidth = 396.0;
  static constexpr double kHeight = 263.0;
  // Floats a recorded segment takes: x1, y1, x2, y2 (pixels from the area's
  // top-left corner, y downwards) and the packed colour (exact in a float).
  static constexpr int kFloatsPerSegment = 5;

  CanvasSurface();

  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;

  // The segments since the last Cls, kFloatsPerSegment floats each.
  const std::vector<float>& Segments() const { return segments_; }

 private:
  DeviceMapping mapping_;
  std::vector<float> segments_;
};

}  // namespace fluvenna
