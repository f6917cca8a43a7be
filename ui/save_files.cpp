// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "plot/qt/pass_picture.h"

namespace fluvenna {

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("SaveFiles", text);
}

}  // namespace

SavePathDialog FileDialogForSaving() {
  return
      [](QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
      };
}

bool WriteFileOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
      file.commit()) {
    return true;
  }
  QMessageBox::warning(parent, QStringLiteral("Fluvenna"),
                       Tr(QT_TRANSLATE_NOOP("SaveFiles", "%1 could not be written: %2"))
                           .arg(path, file.errorString()));
  return false;
}

void SavePictureFile(QWidget* parent, QString path, const QImage& image, const QSize& size,
                     const QString& title, const std::function<bool(PlotSurface&)>& drawSvg) {
  QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix.isEmpty()) {
    path += QStringLiteral(".png");
    suffix = QStringLiteral("png");
  }
  if (suffix == QStringLiteral("png")) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    WriteFileOrWarn(parent, path, bytes);
  } else if (suffix == QStringLiteral("svg")) {
    PassPicture svg(PassPicture::Format::kSvg, size, title);
    drawSvg(svg.surface());
    WriteFileOrWarn(parent, path, svg.Finish());
  } else {
    QMessageBox::warning(parent, QStringLiteral("Fluvenna"),
                         Tr(QT_TRANSLATE_NOOP("SaveFiles",
                                              "Pictures are saved as PNG or SVG: end the file "
                                              "name with .png or .svg.")));
  }
}

}  // namespace fluvenna
