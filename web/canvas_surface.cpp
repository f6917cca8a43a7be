// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/canvas_surface.h"

namespace fluvenna {

CanvasSurface::CanvasSurface() : mapping_(0.0, 0.0, kWidth, kHeight) {}

bool CanvasSurface::Scale(double x1, double y1, double x2, double y2) {
  return mapping_.SetUserSystem(x1, y1, x2, y2);
}

bool CanvasSurface::Cls() {
  segments_.clear();
  return true;
}

bool CanvasSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  if (!mapping_.CanMap(x1, y1, x2, y2)) return false;
  const auto segment = mapping_.Map(x1, y1, x2, y2);
  if (!segment) return true;  // wholly outside the plot: nothing to record
  segments_.insert(segments_.end(),
                   {static_cast<float>(segment->x1), static_cast<float>(segment->y1),
                    static_cast<float>(segment->x2), static_cast<float>(segment->y2),
                    static_cast<float>(colour)});
  return true;
}

}  // namespace fluvenna
