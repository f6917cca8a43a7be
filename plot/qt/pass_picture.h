// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgGenerator>
#include <memory>

#include "plot/qt/painter_surface.h"

namespace fluvenna {

// The pictures' PNG files are written here, deflated by libdeflate at its
// level 1, the fastest that still compresses (twice as fast as zlib's
// level 1 for files a tenth larger), and without a row filter. The plots
// are mostly flat background, which deflate packs as tightly without one;
// Qt's writer (level 6, libpng trying every filter on every row) took six
// times as long. PNG is lossless whatever the level and the filter.
inline constexpr int kPngDeflateLevel = 1;

// The image as the bytes of an 8-bit RGB PNG file (an alpha channel is
// dropped: the pictures are opaque); empty when it cannot be encoded. May be
// called on several threads at once.
QByteArray PngBytes(const QImage& image);

// One plot of a pass, painted into a PNG image or an SVG
// document the way the window paints its drawing area: a plot surface over
// the whole picture, so that the plot's coordinate system spans it.
class PassPicture {
 public:
  enum class Format { kPng, kSvg };

  PassPicture(Format format, const QSize& size, const QString& title);
  PassPicture(const PassPicture&) = delete;
  PassPicture& operator=(const PassPicture&) = delete;

  PlotSurface& surface() { return *surface_; }
  Format format() const { return format_; }

  // Ends the painting and returns the picture as the bytes of its file.
  // Pictures in PNG may be finished on several threads at once, each on one.
  QByteArray Finish();

 private:
  Format format_;
  QSize size_;
  QImage image_;
  QBuffer svgBytes_;
  QSvgGenerator svg_;
  QPainter painter_;  // declared after what it paints on, so it ends first
  std::unique_ptr<PainterSurface> surface_;
};

}  // namespace fluvenna
