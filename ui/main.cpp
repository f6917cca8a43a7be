// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Fluvenna"));
  // The program ends when its last window closes, the About window included.
  fluvenna::Form1 window;
  window.show();
  return app.exec();
}
