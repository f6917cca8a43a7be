// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "plot/qt/painter_surface.h"
#include "ui/plot_picture.h"

namespace fluvenna {

namespace {

PlotPicture* NewPicture(QWidget* parent, const QString& name, const QSize& size) {
  auto* picture = new PlotPicture(parent);
  picture->setObjectName(QStringLiteral("Picture_") + name);
  picture->setFixedSize(size);
  picture->setFocusPolicy(Qt::NoFocus);
  return picture;
}

}  // namespace

PictureWindow::PictureWindow(const QString& name, const QSize& pictureSize, QWidget* parent,
                             Row row)
    : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  picture = NewPicture(this, name, pictureSize);
  label = new QLabel(this);
  label->setObjectName(QStringLiteral("Label_") + name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());

  if (row == Row::kDown) {
    pictures = new QVBoxLayout;
  } else {
    pictures = new QHBoxLayout;
  }
  pictures->addWidget(picture);
  column = new QVBoxLayout(this);
  column->addLayout(pictures);
  column->addWidget(label);
  column->setSizeConstraint(QLayout::SetFixedSize);
  label->setFixedWidth(pictures->sizeHint().width());
}

PlotPicture* PictureWindow::AddPicture(const QString& name, const QSize& pictureSize) {
  PlotPicture* added = NewPicture(this, name, pictureSize);
  pictures->addWidget(added);
  label->setFixedWidth(pictures->sizeHint().width());
  return added;
}

bool PictureWindow::Draw(PlotPicture* target, const std::function<bool(PlotSurface&)>& draw) {
  QImage image = target->NewImage();
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, target->Interior());
    drawn = draw(surface);
  }
  if (drawn) target->ShowImage(image);
  return drawn;
}

void PictureWindow::SetLine(const std::string& line) {
  label->setText(QString::fromStdString(line));
}

void PictureWindow::Show(const std::function<bool(PlotSurface&)>& draw, const std::string& line) {
  Draw(picture, draw);
  SetLine(line);
}

}  // namespace fluvenna
