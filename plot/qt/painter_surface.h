// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>

#include "plot/device_mapping.h"
#include "plot/surface.h"

namespace fluvenna {

// A plot surface on any QPainter: a widget's image, a PNG, an SVG file.
// `interior` is the drawing area in the painter's device coordinates.
// Lines are one pixel wide (cosmetic), solid and antialiased. Every segment
// is clipped to the interior in double precision before it reaches the
// painter, so coordinates far outside the plot (up to the float range) never
// do.
class PainterSurface : public PlotSurface {
 public:
  PainterSurface(QPainter& painter, const QRectF& interior);

  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;

 private:
  QPainter& painter_;
  QRectF interior_;
  DeviceMapping mapping_;
};

QColor ToQColor(Colour colour);

}  // namespace fluvenna
