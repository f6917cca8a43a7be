// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "plot/surface.h"

namespace fluvenna {

// Cuts the segment (x1, y1)-(x2, y2) to the rectangle [xmin, xmax] x
// [ymin, ymax] in place, keeping its direction. Returns false when nothing of
// it lies inside. Accurate for end points far outside the rectangle.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax);

// A segment in device pixels, from (x1, y1) to (x2, y2).
struct DeviceSegment {
  double x1, y1, x2, y2;
};

// A point in device pixels.
struct DevicePoint {
  double x, y;
};

// Where an image lands: the part of its rectangle that lies in the interior
// (grown by a pixel), in device pixels, and the matching part of the image in
// its own pixels (fractional). The image is to be mirrored first, left to
// right and/or top to bottom, when the user system turns its corners round;
// the source rectangle lies in the mirrored image.
struct ImagePlacement {
  double left, top, width, height;
  double sourceLeft, sourceTop, sourceWidth, sourceHeight;
  bool mirrorX, mirrorY;
};

// Whether the image's pixels are width x height x 4 bytes with a positive width and height.
bool IsWholeImage(const RgbaImage& image);

// The image with its columns (horizontally) and/or its rows (vertically) in reverse order.
RgbaImage MirroredImage(const RgbaImage& image, bool horizontally, bool vertically);

// The label font's vertical measures in pixels (DejaVu Sans: ascender 0.928
// em, descender 0.236 em). A text's box reaches kTextAscent above its
// baseline and kTextDescent below it; every surface places a text by them,
// whatever its own font engine reports, so that all surfaces agree.
inline constexpr double kTextAscent = 0.928 * kTextPixels;
inline constexpr double kTextDescent = 0.236 * kTextPixels;

// The share of a text's width that lies left of its anchor: 0 for the
// anchors on the left, 1/2 in the middle, 1 on the right.
double TextWidthShareLeftOfAnchor(TextAnchor anchor);

// The baseline of a text whose anchor lies at device height y: the box's top
// (anchors at the top), its middle or its bottom lies at y.
double TextBaseline(double y, TextAnchor anchor);

// Where a text `width` device pixels wide, anchored at device point (x, y),
// starts: the left end of its baseline.
DevicePoint TextOrigin(double x, double y, double width, TextAnchor anchor);

// How far from the interior a text's anchor may lie and the text still
// reach into it: a bound on the width of `text` in the label font.
double TextReach(const std::string& text);

// The user coordinate system of a plot surface and the way from it to the
// pixels of the surface's interior, shared by every surface (QPainter,
// browser canvas). A user point (x, y) lies at the fraction
// (x - left) / (right - left) of the interior's width from its left edge and
// (y - top) / (bottom - top) of its height from its top edge.
class DeviceMapping {
 public:
  // The interior in device pixels: its top-left corner and its size.
  DeviceMapping(double left, double top, double width, double height);

  // Scale: (x1, y1) becomes the interior's top-left corner, (x2, y2) its
  // bottom-right one. Refuses (and keeps the old system) a system of zero
  // width or height or with a non-finite value.
  bool SetUserSystem(double x1, double y1, double x2, double y2);
  bool HasUserSystem() const { return scaled_; }

  // Whether Line may draw the segment at all: a user system is set and every
  // coordinate is finite. A surface's Line fails when this is false.
  bool CanMap(double x1, double y1, double x2, double y2) const;

  // The part of a segment in user coordinates that lies in the interior
  // grown by one pixel on every side, in device pixels; nothing when it lies
  // wholly outside. Requires finite coordinates and a user system.
  std::optional<DeviceSegment> Map(double x1, double y1, double x2, double y2) const;

  // A user point in device pixels, or nothing when it lies more than `reach`
  // pixels outside the interior. Requires finite coordinates and a user
  // system.
  std::optional<DevicePoint> MapPoint(double x, double y, double reach) const;

  // Where an image of imageWidth x imageHeight pixels stretched over the
  // user rectangle with corners (x1, y1) (top-left) and (x2, y2)
  // (bottom-right) lands; nothing when no part of it lies in the interior or
  // the rectangle has no area. Requires finite coordinates and a user system.
  std::optional<ImagePlacement> MapImage(double x1, double y1, double x2, double y2, int imageWidth,
                                         int imageHeight) const;

 private:
  double DeviceX(double x) const;
  double DeviceY(double y) const;

  double deviceLeft_, deviceTop_, deviceWidth_, deviceHeight_;
  bool scaled_ = false;
  double left_ = 0.0, top_ = 0.0, right_ = 1.0, bottom_ = 1.0;
};

}  // namespace fluvenna
