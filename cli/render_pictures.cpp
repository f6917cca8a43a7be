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

std::string StdBytes(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

PassPicture::Format PassPictureFormat(PictureFormat format) {
  return format == PictureFormat::kSvg ? PassPicture::Format::kSvg : PassPicture::Format::kPng;
}

class PassPictureFile : public PictureFile {
 public:
  PassPictureFile(PictureFormat format, PictureSize size, const std::string& title)
      : picture_(PassPictureFormat(format), QSize(size.width, size.height),
                 QString::fromStdString(title)) {}
  PlotSurface& Surface() override { return picture_.surface(); }
  std::string Finish() override { return StdBytes(picture_.Finish()); }

 private:
  PassPicture picture_;
};

class ImageFrames : public FramePainter {
 public:
  explicit ImageFrames(PictureSize size)
      : base_(QSize(size.width, size.height), QImage::Format_RGB32) {
    base_.fill(ToQColor(kBackgroundColour));
  }

  bool PaintBase(const Draw& draw) override {
    QPainter painter(&base_);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), base_.size()));
    return draw(surface);
  }

  std::optional<std::string> PaintFrame(const Draw& draw) override {
    QImage frame = base_.copy();
    {
      QPainter painter(&frame);
      painter.setRenderHint(QPainter::Antialiasing);
      PainterSurface surface(painter, QRectF(QPointF(0, 0), frame.size()));
      if (!draw(surface)) return std::nullopt;
    }
    return StdBytes(PngBytes(frame));
  }

 private:
  QImage base_;
};

// The application of a run that paints. The first text measured makes Qt
// read the whole font configuration and list the fonts, a quarter of such a
// run's work; the application starts that on a thread of its own at once,
// so that the pass computes meanwhile, and the first text waits for it
// (Qt's font database is shared by the threads, under its lock).
class GuiApplication : public PaintingApplication {
 public:
  GuiApplication(int& argc, char** argv)
      : application_(argc, argv), fonts_([] { QFontDatabase::families(); }) {}
  ~GuiApplication() override { fonts_.join(); }

 private:
  QGuiApplication application_;
  std::thread fonts_;
};

QtMessageHandler qtHandler = nullptr;

// Starting the platform asks Qt for the session's runtime folder, and Qt
// warns when a headless session (a build machine, a login as root) has none.
// The renderer never uses that folder, and its standard error is kept for
// its own messages, one line each; every other message goes on as before.
void QuietAboutTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "))) return;
  qtHandler(type, context, message);
}

class QtPictureLibrary : public PictureLibrary {
 public:
  std::unique_ptr<PaintingApplication> MakeApplication(int& argc, char** argv) const override {
    qtHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
    auto application = std::make_unique<GuiApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    QCoreApplication::setApplicationName(QStringLiteral("fluvenna-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FLUVENNA_VERSION));
    return application;
  }
  std::unique_ptr<PictureFile> MakePicture(PictureFormat format, PictureSize size,
                                           const std::string& title) const override {
    return std::make_unique<PassPictureFile>(format, size, title);
  }
  std::unique_ptr<FramePainter> MakeFrames(PictureSize size) const override {
    return std::make_unique<ImageFrames>(size);
  }
};

}  // namespace
}  // namespace fluvenna

// The library's one exported function (kPictureLibraryEntry).
extern "C" __attribute__((visibility("default"))) const fluvenna::PictureLibrary*
fluvenna_render_pictures_2() {
  static const fluvenna::QtPictureLibrary library;
  return &library;
}
