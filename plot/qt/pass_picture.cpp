// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/pass_picture.h"

#include <QFont>
#include <QImageWriter>
#include <QRegularExpression>

namespace fluvenna {

PassPicture::PassPicture(Format format, const QSize& size, const QString& title)
    : format_(format), size_(size) {
  if (format_ == Format::kPng) {
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(ToQColor(kBackgroundColour));
    painter_.begin(&image_);
  } else {
    svg_.setOutputDevice(&svgBytes_);
    svg_.setSize(size);
    svg_.setViewBox(QRect(QPoint(0, 0), size));
    svg_.setResolution(96);
    svg_.setTitle(title);
    svg_.setDescription(QStringLiteral("Drawn by Fluvenna"));
    painter_.begin(&svg_);
    // The generator writes the painter's font into every group, texts or
    // not; without a window system's default font it would write a negative
    // size. Texts set the label font themselves.
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(12);
    painter_.setFont(font);
  }
  surface_ = std::make_unique<PainterSurface>(painter_, QRectF(QPointF(0.0, 0.0), QSizeF(size)));
}

QByteArray PassPicture::Finish() {
  if (painter_.isActive()) painter_.end();
  if (format_ == Format::kSvg) {
    // The generator gives the document's size in millimetres; in pixels, as
    // the PNG has it, every viewer shows it at the same size.
    static const QRegularExpression millimetres(
        QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
    QString svg = QString::fromUtf8(svgBytes_.data());
    svg.replace(
        millimetres,
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(size_.width()).arg(size_.height()));
    return svg.toUtf8();
  }
  return PngBytes(image_);
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(kPngQuality);
  if (!writer.write(image)) return {};
  return bytes;
}

}  // namespace fluvenna
