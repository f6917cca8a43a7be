// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/pass_picture.h"

#include <png.h>
#include <QFont>
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

namespace {

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  static_cast<QByteArray*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void NothingToFlush(png_structp) {}

// Writes the rows of `rgb` (QImage::Format_RGB888) into `bytes`; false when
// libpng reports an error. Nothing with a destructor is made after setjmp.
bool WritePng(const QImage& rgb, QByteArray& bytes) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &bytes, AppendToBytes, NothingToFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()),
               static_cast<png_uint_32>(rgb.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, kPngZlibLevel);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y) {
    png_write_row(png, const_cast<png_bytep>(rgb.constScanLine(y)));
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

QByteArray PngBytes(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  if (!WritePng(rgb, bytes)) return {};
  return bytes;
}

}  // namespace fluvenna
