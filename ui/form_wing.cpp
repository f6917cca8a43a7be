// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_wing.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "flow/decimal_text.h"
#include "flow/lifting_line.h"
#include "report/number_text.h"
#include "ui/plot_picture.h"

namespace fluvenna {

namespace {

// The four panels at twice the lift window's picture: 800 x 540.
const QSize kWingPictureSize = QSize(800, 540) + QSize(2, 2) * PlotPicture::kBorder;

QLineEdit* NumberBox(QWidget* parent, const char* name, double value, int width) {
  auto* box = new QLineEdit(QString::fromStdString(NumberText(value)), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFixedWidth(width);
  return box;
}

}  // namespace

Form_Wing::Form_Wing(PassSession& session, QWidget* parent)
    : PictureWindow(QStringLiteral("Wing"), kWingPictureSize, parent), session(session) {
  setObjectName(QStringLiteral("Form_Wing"));
  setWindowTitle(tr("Finite wing"));
  const FiniteWingShape& shape = session.FiniteWing().Shape();
  const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("000000"));
  Text_AR = NumberBox(this, "Text_AR", shape.aspectRatio, narrow);
  Combo_Planform = new QComboBox(this);
  Combo_Planform->setObjectName(QStringLiteral("Combo_Planform"));
  // The items' data are the names the session takes.
  Combo_Planform->addItem(tr("rectangular"), QStringLiteral("rectangular"));
  Combo_Planform->addItem(tr("tapered"), QStringLiteral("tapered"));
  Combo_Planform->addItem(tr("elliptic"), QStringLiteral("elliptic"));
  Combo_Planform->setCurrentIndex(
      Combo_Planform->findData(QString::fromLatin1(PlanformName(shape.planform))));
  Text_Taper = NumberBox(this, "Text_Taper", shape.taper, narrow);
  Text_Washout = NumberBox(this, "Text_Washout", shape.washoutDeg, narrow);

  auto* inputs = new QHBoxLayout;
  const std::pair<QString, QWidget*> boxes[] = {{tr("AR"), Text_AR},
                                                {tr("Planform"), Combo_Planform},
                                                {tr("Taper λ"), Text_Taper},
                                                {tr("Washout (°)"), Text_Washout}};
  for (const auto& [caption, box] : boxes) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(box);
    inputs->addWidget(label);
    inputs->addWidget(box);
    inputs->addSpacing(narrow / 3);
  }
  inputs->addStretch(1);
  Label_Refused = new QLabel(this);
  Label_Refused->setObjectName(QStringLiteral("Label_Refused"));
  Label_Refused->setTextFormat(Qt::PlainText);
  Label_Refused->setWordWrap(true);
  QPalette palette = Label_Refused->palette();
  palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
  Label_Refused->setPalette(palette);
  Label_Refused->hide();
  Column()->insertLayout(0, inputs);
  Column()->insertWidget(1, Label_Refused);

  for (QLineEdit* box : {Text_AR, Text_Taper, Text_Washout}) {
    connect(box, &QLineEdit::editingFinished, this, &Form_Wing::TakeShape);
  }
  connect(Combo_Planform, &QComboBox::currentIndexChanged, this, &Form_Wing::TakeShape);
}

void Form_Wing::ShowPass() {
  FiniteWingView& wing = session.FiniteWing();
  Show([&](PlotSurface& surface) { return wing.Draw(surface); }, wing.Line());
}

void Form_Wing::TakeShape() {
  const auto refused =
      session.FiniteWing().Set(WholeDecimal(Text_AR->text().toStdString()),
                               Combo_Planform->currentData().toString().toStdString(),
                               WholeDecimal(Text_Taper->text().toStdString()),
                               WholeDecimal(Text_Washout->text().toStdString()));
  if (refused) {
    Label_Refused->setText(QString::fromStdString(*refused));
    Label_Refused->show();
    return;
  }
  Label_Refused->hide();
  ShowPass();
}

}  // namespace fluvenna
