// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/unpainted_surface.h"

namespace fluvenna {

bool UnpaintedSurface::Scale(double x1, double y1, double x2, double y2) {
  return mapping_.SetUserSystem(x1, y1, x2, y2);
}

bool UnpaintedSurface::Line(float x1, float y1, float x2, float y2, Colour) {
  return mapping_.CanMap(x1, y1, x2, y2);
}

bool UnpaintedSurface::Image(double x1, double y1, double x2, double y2, const RgbaImage& image) {
  return mapping_.CanMap(x1, y1, x2, y2) && IsWholeImage(image);
}

bool UnpaintedSurface::Text(double x, double y, const std::string&, Colour, TextAnchor) {
  return mapping_.CanMap(x, y, x, y);
}

}  // namespace fluvenna
