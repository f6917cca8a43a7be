// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fan_out_surface.h"

namespace fluvenna {

bool FanOutSurface::Scale(double x1, double y1, double x2, double y2) {
  bool ok = true;
  for (PlotSurface* surface : surfaces_) ok = surface->Scale(x1, y1, x2, y2) && ok;
  return ok;
}

bool FanOutSurface::Cls() {
  bool ok = true;
  for (PlotSurface* surface : surfaces_) ok = surface->Cls() && ok;
  return ok;
}

bool FanOutSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  bool ok = true;
  for (PlotSurface* surface : surfaces_) ok = surface->Line(x1, y1, x2, y2, colour) && ok;
  return ok;
}

bool FanOutSurface::Image(double x1, double y1, double x2, double y2, const RgbaImage& image) {
  bool ok = true;
  for (PlotSurface* surface : surfaces_) ok = surface->Image(x1, y1, x2, y2, image) && ok;
  return ok;
}

bool FanOutSurface::Text(double x, double y, const std::string& text, Colour colour,
                         TextAnchor anchor) {
  bool ok = true;
  for (PlotSurface* surface : surfaces_) ok = surface->Text(x, y, text, colour, anchor) && ok;
  return ok;
}

}  // namespace fluvenna
