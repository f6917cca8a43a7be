// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_pressure.h"

#include "ui/twips.h"

namespace fluvenna {

Form_Pressure::Form_Pressure(QWidget* parent)
    : PictureWindow(QStringLiteral("Pressure"), TwipRect(0, 0, 6000, 4000).size(),  // as the plots
                    parent) {
  setObjectName(QStringLiteral("Form_Pressure"));
  setWindowTitle(tr("Surface pressure"));
}

void Form_Pressure::ShowPressure(const PassSession& session) {
  Show([&](PlotSurface& surface) { return session.DrawShownPressure(surface); },
       session.PressureText());
}

}  // namespace fluvenna
