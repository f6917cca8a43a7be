// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "session/pass_session.h"

class QLabel;

namespace fluvenna {

class PlotPicture;

// The "Surface pressure" window: -Cp over x/c of the pass the plots show,
// on a plot surface like the main window's, with a line under it giving the
// lift integrated from Cp and the lowest Cp. Modeless; the main window owns
// it (it closes with the main window), keeps at most one and shows every
// later pass in it; closing it destroys it, as the About window.
class Form_Pressure : public QWidget {
  Q_OBJECT

 public:
  explicit Form_Pressure(QWidget* parent = nullptr);

  // Draws the surface pressure of the pass `session` shows and writes its
  // line, in the session's language.
  void ShowPressure(const PassSession& session);

 private:
  PlotPicture* Picture_Pressure;
  QLabel* Label_Pressure;
};

}  // namespace fluvenna
