// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

#include "plot/surface.h"

class QWidget;

namespace fluvenna {

// Asks for the name of a file to write: (parent, caption, suggested name,
// filter) -> path, empty when cancelled. A file dialog unless replaced
// (tests give the path without a dialog).
using SavePathDialog =
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
SavePathDialog FileDialogForSaving();

// Writes `bytes` to `path`, replacing the file only when all of it is
// written; otherwise says so in a message box over `parent`.
bool WriteFileOrWarn(QWidget* parent, const QString& path, const QByteArray& bytes);

// Saves a picture by the ending of `path`: .png (added when there is no
// ending) writes `image` as the window shows it; .svg draws the picture again
// with `drawSvg` on an SVG document of `size` pixels titled `title`; any other
// ending is refused in a message box.
void SavePictureFile(QWidget* parent, QString path, const QImage& image, const QSize& size,
                     const QString& title, const std::function<bool(PlotSurface&)>& drawSvg);

}  // namespace fluvenna
