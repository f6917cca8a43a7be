#include "plot/qt/painter_surface.h"

#include <QPen>
#include <cmath>

namespace fluvenna {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

PainterSurface::PainterSurface(QPainter& painter, const QRectF& interior)
    : painter_(painter), interior_(interior) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setClipRect(interior_);
}

bool PainterSurface::Scale(double x1, double y1, double x2, double y2) {
  const bool finite =
      std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
  if (!finite || x2 - x1 == 0.0 || y2 - y1 == 0.0) return false;
  left_ = x1;
  top_ = y1;
  right_ = x2;
  bottom_ = y2;
  scaled_ = true;
  return true;
}

bool PainterSurface::Cls() {
  painter_.fillRect(interior_, ToQColor(kBackgroundColour));
  return true;
}

QPointF PainterSurface::ToDevice(double x, double y) const {
  const double fx = (x - left_) / (right_ - left_);
  const double fy = (y - top_) / (bottom_ - top_);
  return {interior_.left() + fx * interior_.width(), interior_.top() + fy * interior_.height()};
}

bool PainterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  if (!scaled_) return false;
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return false;
  }
  QPen pen(ToQColor(colour));
  pen.setCosmetic(true);
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
  return true;
}

}  // namespace fluvenna
