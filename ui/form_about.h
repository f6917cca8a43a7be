// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace fluvenna {

// The About window: the program's name, what it draws, who wrote it, the
// last update and where to write. No controls that act, no code of its own;
// it is shown without owner and without modality and destroyed when closed.
class Form_About : public QWidget {
  Q_OBJECT

 public:
  explicit Form_About(QWidget* parent = nullptr);

 private:
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label4;
  QLabel* Label5;
};

}  // namespace fluvenna
