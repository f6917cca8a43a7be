// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/pass_session.h"
#include "ui/picture_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace fluvenna {

// The "Finite wing" window: the wing made of the section of the pass the
// plots show, by lifting-line theory (the session's FiniteWing): the
// planform with its trailing vortex sheet and stall-onset station, the
// spanwise loading beside the elliptic one, the induced angle and the
// wing's drag polar beside the section's, in one picture; under it the line
// with C_L, C_Di, e, C_D, (L/D)max and, with the pressure window's wing
// group, the newtons.
//
// Above the picture: the aspect ratio `Text_AR`, the planform
// `Combo_Planform` (rectangular, tapered, elliptic), the taper ratio
// `Text_Taper` and the washout `Text_Washout` in degrees. Enter in a box
// (or leaving it) or another planform takes the four values: a shape the
// session refuses leaves everything as it was and shows its sentence in red
// in `Label_Refused`.
class Form_Wing : public PictureWindow {
  Q_OBJECT

 public:
  explicit Form_Wing(PassSession& session, QWidget* parent = nullptr);

  // Draws the wing of the pass the session shows and writes the line.
  void ShowPass();

 private:
  void TakeShape();

  PassSession& session;
  QLineEdit* Text_AR;
  QComboBox* Combo_Planform;
  QLineEdit* Text_Taper;
  QLineEdit* Text_Washout;
  QLabel* Label_Refused;
};

}  // namespace fluvenna
