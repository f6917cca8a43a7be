// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace fluvenna {

// A colour packed as red + 256 green + 65536 blue.
using Colour = std::uint32_t;

constexpr Colour RGB(int red, int green, int blue) {
  return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
         65536u * static_cast<Colour>(blue);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

inline constexpr Colour kAxisColour = RGB(150, 150, 150);
inline constexpr Colour kBodyColour = RGB(255, 0, 0);
inline constexpr Colour kStreamlineColour = RGB(0, 0, 255);
inline constexpr Colour kBackgroundColour = RGB(255, 255, 192);

// The three operations a plot needs of a drawing surface. Each returns false
// when it cannot be done; the drawing then stops.
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
};

}  // namespace fluvenna
