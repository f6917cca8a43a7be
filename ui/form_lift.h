// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "session/pass_session.h"

class QLabel;

namespace fluvenna {

class PlotPicture;

// The "Lift curve" window: C_L against the angle of attack for the profile
// and Kutta factor of the pass the plots show, exact and by thin-airfoil
// theory, with a line under it giving the slope and the zero-lift angles.
// Modeless; the main window owns it, keeps at most one and shows every later
// pass in it; closing it destroys it.
class Form_Lift : public QWidget {
  Q_OBJECT

 public:
  explicit Form_Lift(QWidget* parent = nullptr);

  // Draws the lift curve of the pass `session` shows and writes its line,
  // in the session's language.
  void ShowLift(const PassSession& session);

 private:
  PlotPicture* Picture_Lift;
  QLabel* Label_Lift;
};

}  // namespace fluvenna
