// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/pass_session.h"
#include "ui/picture_window.h"

namespace fluvenna {

// The "Surface pressure" window: -Cp over x/c of the pass the plots show,
// on a plot surface like the main window's, with a line under it giving the
// lift integrated from Cp and the lowest Cp.
class Form_Pressure : public PictureWindow {
  Q_OBJECT

 public:
  explicit Form_Pressure(QWidget* parent = nullptr);

  // Draws the surface pressure of the pass `session` shows and writes its
  // line, in the session's language.
  void ShowPressure(const PassSession& session);
};

}  // namespace fluvenna
