// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plot_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "plot/qt/painter_surface.h"
#include "plot/surface.h"

namespace fluvenna {

PlotPicture::PlotPicture(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorder);
  setFocusPolicy(Qt::StrongFocus);
}

QRectF PlotPicture::Interior() const {
  return QRectF(QPointF(0, 0), contentsRect().size());
}

QImage PlotPicture::NewImage() const {
  const qreal ratio = devicePixelRatioF();
  const QSize size = contentsRect().size();
  QImage image(qRound(size.width() * ratio), qRound(size.height() * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(kBackgroundColour));
  return image;
}

void PlotPicture::ShowImage(const QImage& image) {
  shown = image;
  update();
}

void PlotPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  if (shown.isNull()) {
    painter.fillRect(area, ToQColor(kBackgroundColour));
  } else {
    painter.drawImage(QRectF(area), shown);
  }
}

void PlotPicture::mousePressEvent(QMouseEvent* event) {
  pressed = (event->button() == Qt::LeftButton);
  QFrame::mousePressEvent(event);
}

void PlotPicture::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed = false;
  QFrame::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace fluvenna
