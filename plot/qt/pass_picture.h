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

  // Ends the painting and returns the picture as the bytes of its file.
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
