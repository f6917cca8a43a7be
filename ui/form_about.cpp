// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_about.h"

#include <QLabel>

#include "ui/twips.h"

namespace fluvenna {
namespace {

const QColor kLightYellow(255, 255, 192);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);

// Verdana, or the look-alike every Linux desktop has. The window's point
// sizes (12, 9.75, 8.25) are given as their pixels at 96 dots per inch, so
// that the captions keep fitting their boxes on any screen.
QFont VerdanaFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixelSize);
  return font;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, const QRect& box,
                const QFont& font, const QColor& colour = QColor()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(box);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  if (colour.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
  }
  return label;
}

}  // namespace

Form_About::Form_About(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form_About"));
  setWindowTitle(tr("About"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Twips(4125), Twips(3195));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kLightYellow);
  setPalette(palette);
  setAutoFillBackground(true);

  QFont title = VerdanaFont(16);  // 12 points
  title.setBold(true);
  title.setUnderline(true);
  const QFont description = VerdanaFont(13);  // 9.75 points
  const QFont small = VerdanaFont(11);        // 8.25 points

  Label1 = Caption(this, "Label1", tr("Fluvenna"), TwipRect(720, 240, 3015, 375), title, kGreen);
  Label2 = Caption(this, "Label2", tr("Streamlines around a Joukowsky Airfoil"),
                   TwipRect(840, 720, 2655, 615), description, kGreen);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2->setWordWrap(true);
  // The author line runs on to the window's right edge: the name is longer
  // than the box that was drawn for it.
  Label7 = Caption(this, "Label7", tr("developed by the Fluvenna developers"),
                   TwipRect(840, 1680, 4125 - 840, 255), small);
  Label8 = Caption(this, "Label8", tr("last update : February 2007"),
                   TwipRect(840, 2040, 2775, 255), small);
  Label4 = Caption(this, "Label4", tr("for comments and questions e-mail to"),
                   TwipRect(480, 2520, 3375, 255), small);
  Label5 = Caption(this, "Label5", QStringLiteral("fluvenna@example.org"),
                   TwipRect(1200, 2760, 1935, 255), small, kBlue);
}

}  // namespace fluvenna
