// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_lift.h"

#include "ui/plot_picture.h"

namespace fluvenna {

// Larger than the main window's plots, so that the numbers of both axes
// have room: a 600 x 400 drawing area.
Form_Lift::Form_Lift(QWidget* parent)
    : PictureWindow(QStringLiteral("Lift"), QSize(600, 400) + QSize(2, 2) * PlotPicture::kBorder,
                    parent) {
  setObjectName(QStringLiteral("Form_Lift"));
  setWindowTitle(tr("Lift curve"));
}

void Form_Lift::ShowLift(const PassSession& session) {
  Show([&](PlotSurface& surface) { return session.DrawLift(surface); }, session.LiftText());
}

}  // namespace fluvenna
