// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "plot/device_mapping.h"
#include "plot/surface.h"

namespace fluvenna {

// A text as the page fills it: from device point (x, baseline), aligned as
// the canvas's textAlign `align` ("left", "center" or "right") says, in the
// label font (DejaVu Sans, kTextPixels pixels) on the alphabetic baseline.
struct CanvasText {
  double x, baseline;
  const char* align;
  Colour colour;
  std::string text;
};

// An image as the page draws it: the source rectangle of `image` (already
// mirrored where the user system asks for it) stretched over the device
// rectangle of `place`.
struct CanvasImage {
  ImagePlacement place;
  RgbaImage image;
};

// A text or an image, drawn after the first `segmentsBefore` segments of the
// picture and before the rest, in the order they were recorded.
struct CanvasMark {
  int segmentsBefore;
  std::variant<CanvasText, CanvasImage> what;
};

// Everything recorded since the last Cls.
struct CanvasPicture {
  std::vector<float> segments;  // CanvasSurface::kFloatsPerSegment floats each
  std::vector<CanvasMark> marks;
};

// A plot surface for a browser canvas. It draws nothing itself: it records
// every segment, image and text, already clipped and carried from user
// coordinates to the pixels of the canvas's drawing area, so that the page
// only strokes and fills them in order. Cls forgets what was recorded
// before, as it erases the picture.
class CanvasSurface : public PlotSurface {
 public:
  // The drawing area of the window's plots, in CSS pixels.
  static constexpr double kWidth = 396.0;
  static constexpr double kHeight = 263.0;
  // Floats a recorded segment takes: x1, y1, x2, y2 (pixels from the area's
  // top-left corner, y downwards) and the packed colour (exact in a float).
  static constexpr int kFloatsPerSegment = 5;

  // A drawing area of the plots' size, or of width x height CSS pixels.
  CanvasSurface();
  CanvasSurface(double width, double height);

  // Gives the drawing area a new size in CSS pixels. The user system is
  // forgotten (the next picture sets its own) and so is what was recorded.
  void Resize(double width, double height);
  double Width() const { return width_; }
  double Height() const { return height_; }

  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override;
  bool Text(double x, double y, const std::string& text, Colour colour, TextAnchor anchor) override;

  // The segments since the last Cls, kFloatsPerSegment floats each.
  const std::vector<float>& Segments() const { return picture_.segments; }
  // All that was recorded since the last Cls.
  const CanvasPicture& Picture() const { return picture_; }

 private:
  int SegmentCount() const;

  double width_, height_;
  DeviceMapping mapping_;
  CanvasPicture picture_;
};

}  // namespace fluvenna
