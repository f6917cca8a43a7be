// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/device_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
  return DeviceSegment{DeviceX(x1), DeviceY(y1), DeviceX(x2), DeviceY(y2)};
}

double DeviceMapping::DeviceX(double x) const {
  return deviceLeft_ + (x - left_) / (right_ - left_) * deviceWidth_;
}

double DeviceMapping::DeviceY(double y) const {
  return deviceTop_ + (y - top_) / (bottom_ - top_) * deviceHeight_;
}

std::optional<DevicePoint> DeviceMapping::MapPoint(double x, double y, double reach) const {
  // Measured in user units, so that a far point never overflows.
  const double reachX = reach * std::abs(right_ - left_) / std::max(deviceWidth_, 1.0);
  const double reachY = reach * std::abs(bottom_ - top_) / std::max(deviceHeight_, 1.0);
  if (x < std::min(left_, right_) - reachX || x > std::max(left_, right_) + reachX ||
      y < std::min(top_, bottom_) - reachY || y > std::max(top_, bottom_) + reachY) {
    return std::nullopt;
  }
  return DevicePoint{DeviceX(x), DeviceY(y)};
}

namespace {

// One direction of an image's placement: the user interval from `from` (the
// image's first column or row) to `to`, clipped to [lo, hi], on a device axis
// given by `device`. Gives the device interval, the source interval in
// pixels of an image `pixels` long, and whether the image runs against the
// device axis.
struct AxisPlacement {
  double start, length, sourceStart, sourceLength;
  bool mirrored;
};

template <typename Device>
std::optional<AxisPlacement> PlaceAlong(double from, double to, double lo, double hi, int pixels,
                                        const Device& device) {
  const double clippedLo = std::max(lo, std::min(from, to));
  const double clippedHi = std::min(hi, std::max(from, to));
  if (!(clippedLo < clippedHi)) return std::nullopt;
  const double span = to - from;
  const auto share = [&](double u) { return (u - from) / span; };  // 0 at `from`, 1 at `to`
  const double a = device(clippedLo), b = device(clippedHi);
  // The user value at the device interval's lower end, and at its upper end.
  const double uLow = a <= b ? clippedLo : clippedHi;
  const double uHigh = a <= b ? clippedHi : clippedLo;
  double s0 = share(uLow), s1 = share(uHigh);
  const bool mirrored = s0 > s1;
  if (mirrored) s0 = 1.0 - s0, s1 = 1.0 - s1;
  const double sourceStart = s0 * pixels, sourceLength = (s1 - s0) * pixels;
  if (!(sourceLength > 0.0) || !std::isfinite(sourceStart)) return std::nullopt;
  return AxisPlacement{std::min(a, b), std::abs(b - a), sourceStart, sourceLength, mirrored};
}

}  // namespace

std::optional<ImagePlacement> DeviceMapping::MapImage(double x1, double y1, double x2, double y2,
                                                      int imageWidth, int imageHeight) const {
  const double marginX = std::abs(right_ - left_) / std::max(deviceWidth_, 1.0);
  const double marginY = std::abs(bottom_ - top_) / std::max(deviceHeight_, 1.0);
  const auto across =
      PlaceAlong(x1, x2, std::min(left_, right_) - marginX, std::max(left_, right_) + marginX,
                 imageWidth, [this](double x) { return DeviceX(x); });
  const auto down =
      PlaceAlong(y1, y2, std::min(top_, bottom_) - marginY, std::max(top_, bottom_) + marginY,
                 imageHeight, [this](double y) { return DeviceY(y); });
  if (!across || !down) return std::nullopt;
  return ImagePlacement{across->start,        down->start,         across->length,
                        down->length,         across->sourceStart, down->sourceStart,
                        across->sourceLength, down->sourceLength,  across->mirrored,
                        down->mirrored};
}

bool IsWholeImage(const RgbaImage& image) {
  // Both sides below 2^31: the product fits a 64-bit size.
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() ==
             4 * static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height);
}

RgbaImage MirroredImage(const RgbaImage& image, bool horizontally, bool vertically) {
  RgbaImage mirrored = image;
  const std::size_t w = static_cast<std::size_t>(image.width);
  const std::size_t h = static_cast<std::size_t>(image.height);
  for (std::size_t row = 0; row < h; ++row) {
    const std::size_t fromRow = vertically ? h - 1 - row : row;
    for (std::size_t column = 0; column < w; ++column) {
      const std::size_t fromColumn = horizontally ? w - 1 - column : column;
      std::copy_n(image.pixels.begin() + 4 * (fromRow * w + fromColumn), 4,
                  mirrored.pixels.begin() + 4 * (row * w + column));
    }
  }
  return mirrored;
}

double TextWidthShareLeftOfAnchor(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::kTopLeft:
    case TextAnchor::kLeft:
    case TextAnchor::kBottomLeft:
      return 0.0;
    case TextAnchor::kTop:
    case TextAnchor::kCentre:
    case TextAnchor::kBottom:
      return 0.5;
    case TextAnchor::kTopRight:
    case TextAnchor::kRight:
    case TextAnchor::kBottomRight:
      return 1.0;
  }
  return 0.0;
}

double TextBaseline(double y, TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::kTopLeft:
    case TextAnchor::kTop:
    case TextAnchor::kTopRight:
      return y + kTextAscent;
    case TextAnchor::kLeft:
    case TextAnchor::kCentre:
    case TextAnchor::kRight:
      return y + 0.5 * (kTextAscent - kTextDescent);
    case TextAnchor::kBottomLeft:
    case TextAnchor::kBottom:
    case TextAnchor::kBottomRight:
      return y - kTextDescent;
  }
  return y;
}

DevicePoint TextOrigin(double x, double y, double width, TextAnchor anchor) {
  return {x - TextWidthShareLeftOfAnchor(anchor) * width, TextBaseline(y, anchor)};
}

double TextReach(const std::string& text) {
  // No glyph of the label font is wider than two of its heights, and a
  // character takes at least one byte of UTF-8.
  return 2.0 * kTextPixels * (static_cast<double>(text.size()) + 1.0);
}

}  // namespace fluvenna
