// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
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
// do. Images are stretched without smoothing, pixel for pixel as the
// browser canvas draws them; texts are in DejaVu Sans at kTextPixels pixels,
// placed by the label font's measures (TextOrigin).
class PainterSurface : public PlotSurface {
 public:
  PainterSurface(QPainter& painter, const QRectF& interior);

  bool Scale(double x1, double y1, double x2, double y2) override;
  bool Cls() override;
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override;
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override;
  bool Text(double x, double y, const std::string& text, Colour colour, TextAnchor anchor) override;

 private:
  QPainter& painter_;
  QRectF interior_;
  DeviceMapping mapping_;
};

QColor ToQColor(Colour colour);

// The surfaces' label font: DejaVu Sans, kTextPixels pixels tall.
QFont LabelFont();

}  // namespace fluvenna
