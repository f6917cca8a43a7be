// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/device_mapping.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fluvenna {

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax) {
  const bool firstInside = x1 >= xmin && x1 <= xmax && y1 >= ymin && y1 <= ymax;
  const bool secondInside = x2 >= xmin && x2 <= xmax && y2 >= ymin && y2 <= ymax;
  if (firstInside && secondInside) return true;

  // What is left lies in the segment's own bounding box and in the rectangle.
  double loX = std::max(xmin, std::min(x1, x2)), hiX = std::min(xmax, std::max(x1, x2));
  double loY = std::max(ymin, std::min(y1, y2)), hiY = std::min(ymax, std::max(y1, y2));
  if (!(loX <= hiX && loY <= hiY)) return false;

  // The segment's line as x dy - y dx = c. With float end points both
  // products are exact in double, so c carries a single rounding, and the
  // part near the plot comes out right even from end points at 1e30, where
  // the usual parametric form x1 + t dx has lost every digit.
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double c = x1 * y2 - y1 * x2;
  const bool forward = std::fabs(dx) >= std::fabs(dy) ? dx >= 0.0 : dy >= 0.0;
  double ax, ay, bx, by;
  if (std::fabs(dx) >= std::fabs(dy)) {
    if (dy != 0.0) {  // narrow [loX, hiX] to where the line's y stays in [loY, hiY]
      const double xa = (loY * dx + c) / dy, xb = (hiY * dx + c) / dy;
      loX = std::max(loX, std::min(xa, xb));
      hiX = std::min(hiX, std::max(xa, xb));
      if (loX > hiX) return false;
    }
    ax = loX, ay = (loX * dy - c) / dx;
    bx = hiX, by = (hiX * dy - c) / dx;
  } else {
    if (dx != 0.0) {
      const double ya = (loX * dy - c) / dx, yb = (hiX * dy - c) / dx;
      loY = std::max(loY, std::min(ya, yb));
      hiY = std::min(hiY, std::max(ya, yb));
      if (loY > hiY) return false;
    }
    ax = (loY * dx + c) / dy, ay = loY;
    bx = (hiY * dx + c) / dy, by = hiY;
  }
  if (!forward) {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  x1 = ax, y1 = ay, x2 = bx, y2 = by;
  return true;
}

DeviceMapping::DeviceMapping(double left, double top, double width, double height)
    : deviceLeft_(left), deviceTop_(top), deviceWidth_(width), deviceHeight_(height) {}

bool DeviceMapping::SetUserSystem(double x1, double y1, double x2, double y2) {
  const double width = x2 - x1;
  const double height = y2 - y1;
  if (!std::isfinite(width) || !std::isfinite(height) || width == 0.0 || height == 0.0) {
    return false;  // a non-finite corner gives a non-finite width or height too
  }
  left_ = x1;
  top_ = y1;
  right_ = x2;
  bottom_ = y2;
  scaled_ = true;
  return true;
}

bool DeviceMapping::CanMap(double x1, double y1, double x2, double y2) const {
  return scaled_ && std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) &&
         std::isfinite(y2);
}

std::optional<DeviceSegment> DeviceMapping::Map(double x1, double y1, double x2, double y2) const {
  // Clip in user coordinates to the interior grown by one pixel on every
  // side (the surface's own clip trims the antialiased edge), so that only
  // coordinates near the plot are handed over.
  const double marginX = std::abs(right_ - left_) / std::max(deviceWidth_, 1.0);
  const double marginY = std::abs(bottom_ - top_) / std::max(deviceHeight_, 1.0);
  if (!ClipSegment(x1, y1, x2, y2, std::min(left_, right_) - marginX,
                   std::min(top_, bottom_) - marginY, std::max(left_, right_) + marginX,
                   std::max(top_, bottom_) + marginY)) {
    return std::nullopt;
  }
  const auto deviceX = [&](double x) {
    return deviceLeft_ + (x - left_) / (right_ - left_) * deviceWidth_;
  };
  const auto deviceY = [&](double y) {
    return deviceTop_ + (y - top_) / (bottom_ - top_) * deviceHeight_;
  };
  return DeviceSegment{deviceX(x1), deviceY(y1), deviceX(x2), deviceY(y2)};
}

}  // namespace fluvenna
