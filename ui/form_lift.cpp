// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_lift.h"

#include "ui/plot_picture.h"

namespace fluvenna {

// Larger than the main window's plots, so that the numbers of both axes
// have room: a 600 x 400 drawing area, and the polar 400 x 400 beside it.
Form_Lift::Form_Lift(QWidget* parent)
    : PictureWindow(QStringLiteral("Lift"), QSize(600, 400) + QSize(2, 2) * PlotPicture::kBorder,
                    parent, Row::kAcross) {
  setObjectName(QStringLiteral("Form_Lift"));
  setWindowTitle(tr("Lift curve"));
  Picture_Polar =
      AddPicture(QStringLiteral("Polar"), QSize(400, 400) + QSize(2, 2) * PlotPicture::kBorder);
}

void Form_Lift::ShowLift(PassSession& session) {
  Show([&](PlotSurface& surface) { return session.DrawLift(surface); }, session.LiftText());
  Draw(Picture_Polar, [&](PlotSurface& surface) { return session.DrawPolar(surface); });
}

}  // namespace fluvenna
