// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_pressure.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

#include "flow/decimal_text.h"
#include "report/number_text.h"
#include "ui/plot_picture.h"
#include "ui/twips.h"

namespace fluvenna {

namespace {

// The wing the group starts with: a light aircraft's wing near the ground,
// whose Re is close to the default 1,000,000.
constexpr double kStartSpeed = 50.0;    // m/s
constexpr double kStartChord = 0.3;     // m
constexpr double kStartAltitude = 0.0;  // m

QLineEdit* NumberBox(QWidget* parent, const char* name, double value, int width) {
  auto* box = new QLineEdit(QString::fromStdString(NumberText(value)), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFixedWidth(width);
  return box;
}

double ValueOf(const QLineEdit* box) {
  return WholeDecimal(box->text().toStdString());
}

}  // namespace

Form_Pressure::Form_Pressure(PassSession& session, QWidget* parent)
    : PictureWindow(QStringLiteral("Pressure"), TwipRect(0, 0, 6000, 4000).size(),  // as the plots
                    parent),
      session(session) {
  setObjectName(QStringLiteral("Form_Pressure"));
  setWindowTitle(tr("Surface pressure and boundary layer"));

  const int wide = fontMetrics().horizontalAdvance(QStringLiteral("0000000000"));
  const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("000000"));
  auto* reCaption = new QLabel(tr("Re ="), this);
  Text_Re = NumberBox(this, "Text_Re", session.Reynolds(), wide);
  reCaption->setBuddy(Text_Re);

  Group_Wing = new QGroupBox(tr("Wing"), this);
  Group_Wing->setObjectName(QStringLiteral("Group_Wing"));
  Group_Wing->setCheckable(true);
  Group_Wing->setChecked(false);
  Text_Speed = NumberBox(Group_Wing, "Text_Speed", kStartSpeed, narrow);
  Text_Chord = NumberBox(Group_Wing, "Text_Chord", kStartChord, narrow);
  Text_Altitude = NumberBox(Group_Wing, "Text_Altitude", kStartAltitude, narrow);
  auto* wing = new QHBoxLayout(Group_Wing);
  const std::pair<QString, QLineEdit*> boxes[] = {
      {tr("V (m/s)"), Text_Speed}, {tr("c (m)"), Text_Chord}, {tr("h (m)"), Text_Altitude}};
  for (const auto& [caption, box] : boxes) {
    auto* label = new QLabel(caption, Group_Wing);
    label->setBuddy(box);
    wing->addWidget(label);
    wing->addWidget(box);
  }

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(reCaption);
  inputs->addWidget(Text_Re);
  inputs->addSpacing(narrow / 2);
  inputs->addWidget(Group_Wing);
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

  Picture_Friction = AddPicture(QStringLiteral("Friction"), TwipRect(0, 0, 6000, 4000).size());
  Label_BoundaryLayer = new QLabel(this);
  Label_BoundaryLayer->setObjectName(QStringLiteral("Label_BoundaryLayer"));
  Label_BoundaryLayer->setTextFormat(Qt::PlainText);
  Label_BoundaryLayer->setWordWrap(true);
  Label_BoundaryLayer->setFixedWidth(Picture_Friction->width());
  Label_BoundaryLayer->setMinimumHeight(3 * Label_BoundaryLayer->fontMetrics().lineSpacing());
  Column()->addWidget(Label_BoundaryLayer);

  connect(Text_Re, &QLineEdit::editingFinished, this, &Form_Pressure::TakeReynolds);
  for (QLineEdit* box : {Text_Speed, Text_Chord, Text_Altitude}) {
    connect(box, &QLineEdit::editingFinished, this, [this] {
      if (Group_Wing->isChecked()) TakeWing();
    });
  }
  connect(Group_Wing, &QGroupBox::toggled, this, [this](bool on) {
    Text_Re->setReadOnly(on);
    if (on) {
      TakeWing();
    } else {
      this->session.ClearWing();  // Re stays the wing's
      Label_Refused->hide();
      ShowPressure();
      emit changed();
    }
  });
}

void Form_Pressure::ShowPressure() {
  Show([&](PlotSurface& surface) { return session.DrawShownPressure(surface); },
       session.PressureText());
  Draw(Picture_Friction, [&](PlotSurface& surface) { return session.DrawFriction(surface); });
  Label_BoundaryLayer->setText(QString::fromStdString(session.BoundaryLayerText()));
}

void Form_Pressure::TakeReynolds() {
  if (Group_Wing->isChecked()) return;  // the wing fills the box in
  const double reynolds = ValueOf(Text_Re);
  if (reynolds == session.Reynolds() && Label_Refused->isHidden()) return;
  if (const auto refused = session.SetReynolds(reynolds)) return Refuse(*refused);
  Label_Refused->hide();
  ShowPressure();
  emit changed();
}

void Form_Pressure::TakeWing() {
  const Wing wing{ValueOf(Text_Speed), ValueOf(Text_Chord), ValueOf(Text_Altitude)};
  if (const auto refused = session.SetWing(wing)) return Refuse(*refused);
  Label_Refused->hide();
  Text_Re->setText(QString::fromStdString(NumberText(std::round(session.Reynolds()))));
  ShowPressure();
  emit changed();
}

void Form_Pressure::Refuse(const std::string& why) {
  Label_Refused->setText(QString::fromStdString(why));
  Label_Refused->show();
}

}  // namespace fluvenna
