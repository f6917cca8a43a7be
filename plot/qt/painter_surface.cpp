// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/painter_surface.h"

#include <QPen>

namespace fluvenna {

QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

PainterSurface::PainterSurface(QPainter& painter, const QRectF& interior)
    : painter_(painter),
      interior_(interior),
      mapping_(interior.left(), interior.top(), interior.width(), interior.height()) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setClipRect(interior_);
}

bool PainterSurface::Scale(double x1, double y1, double x2, double y2) {
  return mapping_.SetUserSystem(x1, y1, x2, y2);
}

bool PainterSurface::Cls() {
  painter_.fillRect(interior_, ToQColor(kBackgroundColour));
  return true;
}

bool PainterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  if (!mapping_.CanMap(x1, y1, x2, y2)) return false;
  const auto segment = mapping_.Map(x1, y1, x2, y2);
  if (!segment) return true;  // wholly outside: nothing to draw, and nothing went wrong
  QPen pen(ToQColor(colour));
  pen.setCosmetic(true);
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(segment->x1, segment->y1), QPointF(segment->x2, segment->y2));
  return true;
}

}  // namespace fluvenna
