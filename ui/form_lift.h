// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/pass_session.h"
#include "ui/picture_window.h"

namespace fluvenna {

// The "Lift curve" window: C_L against the angle of attack for the profile
// and Kutta factor of the pass the plots show, exact and by thin-airfoil
// theory, with a line under it giving the slope and the zero-lift angles.
class Form_Lift : public PictureWindow {
  Q_OBJECT

 public:
  explicit Form_Lift(QWidget* parent = nullptr);

  // Draws the lift curve of the pass `session` shows and writes its line,
  // in the session's language.
  void ShowLift(const PassSession& session);
};

}  // namespace fluvenna
