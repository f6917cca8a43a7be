// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fluvenna {

// A colour packed as red + 256 green + 65536 blue.
using Colour = std::uint32_t;

constexpr Colour RGB(int red, int green, int blue) {
  return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
         65536u * static_cast<Colour>(blue);
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFFu);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFFu);
}

inline constexpr Colour kAxisColour = RGB(150, 150, 150);
inline constexpr Colour kBodyColour = RGB(255, 0, 0);
inline constexpr Colour kStreamlineColour = RGB(0, 0, 255);
inline constexpr Colour kBackgroundColour = RGB(255, 255, 192);

// An image of width x height pixels: 4 bytes a pixel (red, green, blue, alpha,
// straight alpha), rows from the top.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// Where a text stands relative to its anchor point.
enum class TextAnchor {
  kTopLeft,
  kTop,
  kTopRight,
  kLeft,
  kCentre,
  kRight,
  kBottomLeft,
  kBottom,
  kBottomRight
};

// The height of the surfaces' label font (DejaVu Sans), in pixels.
inline constexpr int kTextPixels = 11;

// The operations a plot needs of a drawing surface. Each returns false when
// it cannot be done; the drawing then stops.
class PlotSurface {
 public:
  virtual ~PlotSurface() = default;

  // Makes (x1, y1) the user coordinates of the interior's top-left corner
  // and (x2, y2) those of its bottom-right corner. Draws nothing. Fails for a
  // system of zero width or height, or a non-finite value.
  virtual bool Scale(double x1, double y1, double x2, double y2) = 0;

  // Fills the whole interior with the background colour.
  virtual bool Cls() = 0;

  // A one-pixel segment between two points in user coordinates, clipped to
  // the interior. Fails for a non-finite coordinate.
  virtual bool Line(float x1, float y1, float x2, float y2, Colour colour) = 0;

  // Draws `image` stretched over the user rectangle whose corners are (x1, y1) (top-left)
  // and (x2, y2) (bottom-right), clipped to the interior. Fails without a user system, for
  // a non-finite coordinate, or an image whose pixels do not match width x height.
  virtual bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) = 0;

  // One line of UTF-8 text in the surfaces' label font (kTextPixels tall), placed so that
  // the anchor lies at the user point (x, y). Fails without a user system or for a
  // non-finite coordinate.
  virtual bool Text(double x, double y, const std::string& text, Colour colour,
                    TextAnchor anchor) = 0;
};

}  // namespace fluvenna
