// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_pressure.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "plot/qt/painter_surface.h"
#include "ui/plot_picture.h"
#include "ui/twips.h"

namespace fluvenna {

Form_Pressure::Form_Pressure(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form_Pressure"));
  setWindowTitle(tr("Surface pressure"));
  setAttribute(Qt::WA_DeleteOnClose);

  Picture_Pressure = new PlotPicture(this);
  Picture_Pressure->setObjectName(QStringLiteral("Picture_Pressure"));
  Picture_Pressure->setFixedSize(TwipRect(0, 0, 6000, 4000).size());  // as the main window's plots
  Picture_Pressure->setFocusPolicy(Qt::NoFocus);
  Label_Pressure = new QLabel(this);
  Label_Pressure->setObjectName(QStringLiteral("Label_Pressure"));
  Label_Pressure->setTextFormat(Qt::PlainText);
  Label_Pressure->setWordWrap(true);
  Label_Pressure->setFixedWidth(Picture_Pressure->width());
  Label_Pressure->setMinimumHeight(2 * Label_Pressure->fontMetrics().lineSpacing());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Picture_Pressure);
  layout->addWidget(Label_Pressure);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Form_Pressure::ShowPressure(const PassSession& session) {
  QImage image = Picture_Pressure->NewImage();
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, Picture_Pressure->Interior());
    drawn = session.DrawShownPressure(surface);
  }
  if (drawn) Picture_Pressure->ShowImage(image);
  Label_Pressure->setText(QString::fromStdString(session.PressureText()));
}

}  // namespace fluvenna
