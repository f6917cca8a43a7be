// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures' library of fluvenna-render: the plots painted with QPainter
// into PNG images and SVG documents (see render_pictures.h).
#include "cli/render_pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <thread>

#include "plot/qt/painter_surface.h"
#include "plot/qt/pass_picture.h"

namespace fluvenna {
namespace {

PassPicture::Format PassPictureFormat(PictureFormat format) {
  return format == PictureFormat::kSvg ? PassPicture::Format::kSvg : PassPicture::Format::kPng;
}

class PassPictureFile : public PictureFile {
 public:
  PassPictureFile(PictureFormat format, const QSize& size, const QString& title)
      : picture_(PassPictureFormat(format), size, title) {}
  PlotSurface& Surface() override { return picture_.surface(); }
  QByteArray Finish() override { return picture_.Finish(); }

 private:
  PassPicture picture_;
};

class ImageFrames : public FramePainter {
 public:
  explicit ImageFrames(const QSize& size) : base_(size, QImage::Format_RGB32) {
    base_.fill(ToQColor(kBackgroundColour));
  }

  bool PaintBase(const Draw& draw) override {
    QPainter painter(&base_);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), base_.size()));
    return draw(surface);
  }

  std::optional<QByteArray> PaintFrame(const Draw& draw) override {
    QImage frame = base_.copy();
    {
      QPainter painter(&frame);
      painter.setRenderHint(QPainter::Antialiasing);
      PainterSurface surface(painter, QRectF(QPointF(0, 0), frame.size()));
      if (!draw(surface)) return std::nullopt;
    }
    return PngBytes(frame);
  }

 private:
  QImage base_;
};

// The application of a run that paints. The first text measured makes Qt
// read the whole font configuration and list the fonts, a quarter of such a
// run's work; the application starts that on a thread of its own at once,
// so that the pass computes meanwhile, and the first text waits for it
// (Qt's font database is shared by the threads, under its lock).
class PaintingApplication : public QGuiApplication {
 public:
  PaintingApplication(int& argc, char** argv)
      : QGuiApplication(argc, argv), fonts_([] { QFontDatabase::families(); }) {}
  ~PaintingApplication() override { fonts_.join(); }

 private:
  std::thread fonts_;
};

class QtPictureLibrary : public PictureLibrary {
 public:
  std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) const override {
    return std::make_unique<PaintingApplication>(argc, argv);
  }
  std::unique_ptr<PictureFile> MakePicture(PictureFormat format, const QSize& size,
                                           const QString& title) const override {
    return std::make_unique<PassPictureFile>(format, size, title);
  }
  std::unique_ptr<FramePainter> MakeFrames(const QSize& size) const override {
    return std::make_unique<ImageFrames>(size);
  }
};

}  // namespace
}  // namespace fluvenna

// The library's one exported function (kPictureLibraryEntry).
extern "C" __attribute__((visibility("default"))) const fluvenna::PictureLibrary*
fluvenna_render_pictures_1() {
  static const fluvenna::QtPictureLibrary library;
  return &library;
}
