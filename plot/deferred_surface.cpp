// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/deferred_surface.h"

namespace fluvenna {

bool DeferredSurface::Scale(double x1, double y1, double x2, double y2) {
  if (!check_.Scale(x1, y1, x2, y2)) return false;
  operations_.push_back({Kind::kScale, {x1, y1, x2, y2}});
  return true;
}

bool DeferredSurface::Cls() {
  if (!check_.Cls()) return false;
  operations_.push_back({Kind::kCls, {}});
  return true;
}

bool DeferredSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  if (!check_.Line(x1, y1, x2, y2, colour)) return false;
  operations_.push_back({Kind::kLine, {x1, y1, x2, y2}, colour});
  return true;
}

bool DeferredSurface::Image(double x1, double y1, double x2, double y2, const RgbaImage& image) {
  if (!check_.Image(x1, y1, x2, y2, image)) return false;
  images_.push_back(image);
  operations_.push_back({Kind::kImage,
                         {x1, y1, x2, y2},
                         0,
                         TextAnchor::kTopLeft,
                         static_cast<int>(images_.size()) - 1});
  return true;
}

bool DeferredSurface::Text(double x, double y, const std::string& text, Colour colour,
                           TextAnchor anchor) {
  if (!check_.Text(x, y, text, colour, anchor)) return false;
  texts_.push_back(text);
  operations_.push_back(
      {Kind::kText, {x, y, 0.0, 0.0}, colour, anchor, static_cast<int>(texts_.size()) - 1});
  return true;
}

bool DeferredSurface::DrawOn(PlotSurface& target) const {
  for (const Operation& o : operations_) {
    bool drawn = false;
    switch (o.kind) {
      case Kind::kScale:
        drawn = target.Scale(o.a[0], o.a[1], o.a[2], o.a[3]);
        break;
      case Kind::kCls:
        drawn = target.Cls();
        break;
      case Kind::kLine:
        // Kept as double, a float converts back exactly.
        drawn = target.Line(static_cast<float>(o.a[0]), static_cast<float>(o.a[1]),
                            static_cast<float>(o.a[2]), static_cast<float>(o.a[3]), o.colour);
        break;
      case Kind::kImage:
        drawn = target.Image(o.a[0], o.a[1], o.a[2], o.a[3],
                             images_[static_cast<std::size_t>(o.index)]);
        break;
      case Kind::kText:
        drawn = target.Text(o.a[0], o.a[1], texts_[static_cast<std::size_t>(o.index)], o.colour,
                            o.anchor);
        break;
    }
    if (!drawn) return false;
  }
  return true;
}

}  // namespace fluvenna
