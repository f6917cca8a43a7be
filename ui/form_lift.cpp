// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_lift.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "plot/qt/painter_surface.h"
#include "ui/plot_picture.h"

namespace fluvenna {

namespace {

// Larger than the main window's plots, so that the numbers of both axes
// have room: 600 x 400 pixels.
constexpr QSize kLiftPictureSize(600, 400);

}  // namespace

Form_Lift::Form_Lift(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form_Lift"));
  setWindowTitle(tr("Lift curve"));
  setAttribute(Qt::WA_DeleteOnClose);

  Picture_Lift = new PlotPicture(this);
  Picture_Lift->setObjectName(QStringLiteral("Picture_Lift"));
  Picture_Lift->setFixedSize(kLiftPictureSize + QSize(2, 2) * PlotPicture::kBorder);
  Picture_Lift->setFocusPolicy(Qt::NoFocus);
  Label_Lift = new QLabel(this);
  Label_Lift->setObjectName(QStringLiteral("Label_Lift"));
  Label_Lift->setTextFormat(Qt::PlainText);
  Label_Lift->setWordWrap(true);
  Label_Lift->setFixedWidth(Picture_Lift->width());
  Label_Lift->setMinimumHeight(2 * Label_Lift->fontMetrics().lineSpacing());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Picture_Lift);
  layout->addWidget(Label_Lift);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Form_Lift::ShowLift(const PassSession& session) {
  QImage image = Picture_Lift->NewImage();
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, Picture_Lift->Interior());
    drawn = session.DrawLift(surface);
  }
  if (drawn) Picture_Lift->ShowImage(image);
  Label_Lift->setText(QString::fromStdString(session.LiftText()));
}

}  // namespace fluvenna
