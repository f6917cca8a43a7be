// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/pass_picture.h"

#include <libdeflate.h>

#include <QFont>
#include <QRegularExpression>
#include <cstdint>
#include <vector>

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

void AppendBigEndian(QByteArray& bytes, std::uint32_t value) {
  const char word[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                        static_cast<char>(value >> 8), static_cast<char>(value)};
  bytes.append(word, 4);
}

// One chunk of a PNG file: its length, type, data, and the CRC-32 of type
// and data (PNG specification, section 5.3).
void AppendChunk(QByteArray& bytes, const char (&type)[5], const std::uint8_t* data,
                 std::size_t size) {
  AppendBigEndian(bytes, static_cast<std::uint32_t>(size));
  bytes.append(type, 4);
  bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // (libdeflate_crc32 takes no data as a request for its initial value.)
  const std::uint32_t ofType = libdeflate_crc32(0, type, 4);
  const auto crc = size > 0 ? libdeflate_crc32(ofType, data, size) : ofType;
  AppendBigEndian(bytes, crc);
}

// The image's rows as PNG filters them with filter type 0 (none): a zero
// byte, then red, green and blue of each pixel.
std::vector<std::uint8_t> UnfilteredRows(const QImage& rgb32) {
  const int width = rgb32.width(), height = rgb32.height();
  const std::size_t stride = 1 + 3 * static_cast<std::size_t>(width);
  std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const auto* pixel = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
    std::uint8_t* out = rows.data() + stride * static_cast<std::size_t>(y);
    *out++ = 0;
    for (int x = 0; x < width; ++x) {
      *out++ = static_cast<std::uint8_t>(qRed(pixel[x]));
      *out++ = static_cast<std::uint8_t>(qGreen(pixel[x]));
      *out++ = static_cast<std::uint8_t>(qBlue(pixel[x]));
    }
  }
  return rows;
}

}  // namespace

QByteArray PngBytes(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb32 =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  const std::vector<std::uint8_t> rows = UnfilteredRows(rgb32);

  libdeflate_compressor* compressor = libdeflate_alloc_compressor(kPngDeflateLevel);
  if (!compressor) return {};
  std::vector<std::uint8_t> packed(libdeflate_zlib_compress_bound(compressor, rows.size()));
  const std::size_t packedSize =
      libdeflate_zlib_compress(compressor, rows.data(), rows.size(), packed.data(), packed.size());
  libdeflate_free_compressor(compressor);
  if (packedSize == 0) return {};

  // IHDR: width, height, 8 bits a sample, colour type 2 (RGB), deflate,
  // adaptive filtering (each row names its filter), no interlace.
  std::uint8_t header[13] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 2, 0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    header[i] =
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(rgb32.width()) >> (24 - 8 * i));
    header[4 + i] =
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(rgb32.height()) >> (24 - 8 * i));
  }
  QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
  bytes.reserve(static_cast<qsizetype>(packedSize) + 64);
  AppendChunk(bytes, "IHDR", header, sizeof header);
  AppendChunk(bytes, "IDAT", packed.data(), packedSize);
  AppendChunk(bytes, "IEND", nullptr, 0);
  return bytes;
}

}  // namespace fluvenna
