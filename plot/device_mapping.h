// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

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

 private:
  double deviceLeft_, deviceTop_, deviceWidth_, deviceHeight_;
  bool scaled_ = false;
  double left_ = 0.0, top_ = 0.0, right_ = 1.0, bottom_ = 1.0;
};

}  // namespace fluvenna
