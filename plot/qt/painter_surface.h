#pragma once

#include <QPainter>
#include <QRectF>

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
  QPointF ToDevice(double x, double y) const;

  QPainter& painter_;
  QRectF interior_;
  bool scaled_ = false;
  double left_ = 0.0, top_ = 0.0, right_ = 1.0, bottom_ = 1.0;
};

QColor ToQColor(Colour colour);

// Cuts the segment (x1, y1)-(x2, y2) to the rectangle [xmin, xmax] x
// [ymin, ymax] in place, keeping its direction. Returns false when nothing of
// it lies inside. Accurate for end points far outside the rectangle.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax);

}  // namespace fluvenna
