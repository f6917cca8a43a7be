// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/canvas_surface.h"

#include <utility>

namespace fluvenna {

CanvasSurface::CanvasSurface() : CanvasSurface(kWidth, kHeight) {}

CanvasSurface::CanvasSurface(double width, double height)
    : width_(width), height_(height), mapping_(0.0, 0.0, width, height) {}

void CanvasSurface::Resize(double width, double height) {
  width_ = width;
  height_ = height;
  mapping_ = DeviceMapping(0.0, 0.0, width, height);
  Cls();
}

bool CanvasSurface::Scale(double x1, double y1, double x2, double y2) {
  return mapping_.SetUserSystem(x1, y1, x2, y2);
}

bool CanvasSurface::Cls() {
  picture_.segments.clear();
  picture_.marks.clear();
  return true;
}

bool CanvasSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  if (!mapping_.CanMap(x1, y1, x2, y2)) return false;
  const auto segment = mapping_.Map(x1, y1, x2, y2);
  if (!segment) return true;  // wholly outside the plot: nothing to record
  picture_.segments.insert(picture_.segments.end(),
                           {static_cast<float>(segment->x1), static_cast<float>(segment->y1),
                            static_cast<float>(segment->x2), static_cast<float>(segment->y2),
                            static_cast<float>(colour)});
  return true;
}

bool CanvasSurface::Image(double x1, double y1, double x2, double y2, const RgbaImage& image) {
  if (!mapping_.CanMap(x1, y1, x2, y2) || !IsWholeImage(image)) return false;
  const auto place = mapping_.MapImage(x1, y1, x2, y2, image.width, image.height);
  if (!place) return true;
  CanvasImage recorded{*place, (place->mirrorX || place->mirrorY)
                                   ? MirroredImage(image, place->mirrorX, place->mirrorY)
                                   : image};
  recorded.place.mirrorX = recorded.place.mirrorY = false;  // done here, once
  picture_.marks.push_back({SegmentCount(), std::move(recorded)});
  return true;
}

bool CanvasSurface::Text(double x, double y, const std::string& text, Colour colour,
                         TextAnchor anchor) {
  if (!mapping_.CanMap(x, y, x, y)) return false;
  const auto point = mapping_.MapPoint(x, y, TextReach(text));
  if (!point || text.empty()) return true;
  const double share = TextWidthShareLeftOfAnchor(anchor);
  const char* align = share == 0.0 ? "left" : share == 1.0 ? "right" : "center";
  picture_.marks.push_back(
      {SegmentCount(), CanvasText{point->x, TextBaseline(point->y, anchor), align, colour, text}});
  return true;
}

int CanvasSurface::SegmentCount() const {
  return static_cast<int>(picture_.segments.size() / kFloatsPerSegment);
}

}  // namespace fluvenna
