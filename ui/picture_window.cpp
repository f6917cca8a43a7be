// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_window.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "plot/qt/painter_surface.h"
#include "ui/plot_picture.h"

namespace fluvenna {

PictureWindow::PictureWindow(const QString& name, const QSize& pictureSize, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  picture = new PlotPicture(this);
  picture->setObjectName(QStringLiteral("Picture_") + name);
  picture->setFixedSize(pictureSize);
  picture->setFocusPolicy(Qt::NoFocus);
  label = new QLabel(this);
  label->setObjectName(QStringLiteral("Label_") + name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setFixedWidth(picture->width());
  label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(label);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PictureWindow::Show(const std::function<bool(PlotSurface&)>& draw, const std::string& line) {
  QImage image = picture->NewImage();
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, picture->Interior());
    drawn = draw(surface);
  }
  if (drawn) picture->ShowImage(image);
  label->setText(QString::fromStdString(line));
}

}  // namespace fluvenna
