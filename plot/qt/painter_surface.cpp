// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPen>
#include <cmath>

namespace fluvenna {

QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont LabelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(kTextPixels);
  font.setStyleHint(QFont::SansSerif);
  return font;
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

namespace fluvenna {

bool PainterSurface::Image(double x1, double y1, double x2, double y2, const RgbaImage& image) {
  if (!mapping_.CanMap(x1, y1, x2, y2) || !IsWholeImage(image)) return false;
  const auto place = mapping_.MapImage(x1, y1, x2, y2, image.width, image.height);
  if (!place) return true;  // wholly outside, or no area: nothing to draw
  const RgbaImage oriented = (place->mirrorX || place->mirrorY)
                                 ? MirroredImage(image, place->mirrorX, place->mirrorY)
                                 : image;
  // The QImage only borrows the bytes; it is drawn before they go.
  const QImage picture(oriented.pixels.data(), oriented.width, oriented.height, 4 * oriented.width,
                       QImage::Format_RGBA8888);
  painter_.drawImage(
      QRectF(place->left, place->top, place->width, place->height), picture,
      QRectF(place->sourceLeft, place->sourceTop, place->sourceWidth, place->sourceHeight));
  return true;
}

bool PainterSurface::Text(double x, double y, const std::string& text, Colour colour,
                          TextAnchor anchor) {
  if (!mapping_.CanMap(x, y, x, y)) return false;
  const auto point = mapping_.MapPoint(x, y, TextReach(text));
  if (!point || text.empty()) return true;  // too far away to reach the interior
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont font = LabelFont();
  const DevicePoint origin = TextOrigin(
      point->x, point->y, QFontMetricsF(font, painter_.device()).horizontalAdvance(line), anchor);
  painter_.setFont(font);
  painter_.setPen(ToQColor(colour));
  painter_.drawText(QPointF(origin.x, origin.y), line);
  return true;
}

}  // namespace fluvenna
