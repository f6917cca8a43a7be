// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/pass_session.h"
#include "ui/picture_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace fluvenna {

class PlotPicture;

// The "Surface pressure and boundary layer" window: -Cp over x/c of the pass
// the plots show with the boundary layer's transition (T) and separation
// (S) marked, the skin friction c_f over x/c under it, the line giving the
// lift integrated from Cp and the lowest Cp, and the boundary layer's line
// (C_D with its friction and pressure parts, transition and separation of
// each surface, and with a wing its lift and drag per metre of span).
//
// Above the pictures: the Reynolds number (`Text_Re`, 1,000,000 at first)
// and the checkable group "Wing" (`Group_Wing`: speed `Text_Speed` in m/s,
// chord `Text_Chord` in m, altitude `Text_Altitude` in m), which, when
// checked, works out Re in the standard atmosphere and writes it into the
// Re box. Enter in a box (or leaving it) takes its value: the session sets
// it, the window redraws, and changed() tells the other views. A value the
// session refuses (not a number, out of range) leaves everything as it was
// and shows the session's sentence in `Label_Refused`.
class Form_Pressure : public PictureWindow {
  Q_OBJECT

 public:
  explicit Form_Pressure(PassSession& session, QWidget* parent = nullptr);

  // Draws both pictures of the pass the session shows and writes the
  // lines, in the session's language.
  void ShowPressure();

 signals:
  // The Reynolds number or the wing changed: the views that show the
  // boundary layer draw again.
  void changed();

 private:
  void TakeReynolds();
  void TakeWing();
  void Refuse(const std::string& why);

  PassSession& session;
  QLineEdit* Text_Re;
  QGroupBox* Group_Wing;
  QLineEdit* Text_Speed;
  QLineEdit* Text_Chord;
  QLineEdit* Text_Altitude;
  QLabel* Label_Refused;
  PlotPicture* Picture_Friction;
  QLabel* Label_BoundaryLayer;
};

}  // namespace fluvenna
