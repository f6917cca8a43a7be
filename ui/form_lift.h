// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/pass_session.h"
#include "ui/picture_window.h"

namespace fluvenna {

class PlotPicture;

// The "Lift curve" window: C_L against the angle of attack for the profile
// and Kutta factor of the pass the plots show, exact and by thin-airfoil
// theory, with the angles shaded where the boundary layer of the upper
// surface separates ahead of 90 % of the chord; beside it the drag polar
// (`Picture_Polar`, C_L against C_D over the angles where the drag is
// predicted); under them a line giving the slope and the zero-lift angles.
class Form_Lift : public PictureWindow {
  Q_OBJECT

 public:
  explicit Form_Lift(QWidget* parent = nullptr);

  // Draws the lift curve and the polar of the pass `session` shows at its
  // Reynolds number and writes the line, in the session's language.
  void ShowLift(PassSession& session);

 private:
  PlotPicture* Picture_Polar;
};

}  // namespace fluvenna
