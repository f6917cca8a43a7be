// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the browser page shows that the window does not: lupdate reads
// the marks below into the translation sources, and the page finds them in
// the catalogue made from those (FLUVENNA_CATALOGUE) under "Page|source".
//
// The texts the page shares with the window are not repeated here: the page
// names them by the window's own context, so there is one translation of
// each:
//   fluvenna::Form1          the title, the captions, About, the status hint
//   fluvenna::Form_About     the About dialog's lines, the program's name
//   fluvenna::Form_Pressure  Surface pressure and boundary layer, Re =, Wing and its boxes
//   fluvenna::Form_Field     Flow field, Colour:, None, the probe's hint
//   fluvenna::Form_Lift      Lift curve
//   fluvenna::Form_Map       Conformal map, the morph's slider, Play, the pointer's hint
//   fluvenna::Form_Profile   Profile, its choices and buttons, the Joukowski line, the title
//   Pictures                 Cp and q/U0 in the colouring's choice
// tests/web/page_texts_test.py checks that every name the page uses is in
// the catalogue with both translations, and that every text here is used.
#include "web/page_texts.h"

#include "report/catalogue.h"

namespace fluvenna {

const PageText kPageTexts[] = {
    // The menu bar.
    {"Page", QT_TRANSLATE_NOOP("Page", "Menu")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Language")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Live")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Full screen")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Leave full screen")},
    {"Page", QT_TRANSLATE_NOOP("Page", "PNG ↑")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the circle plot as PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "PNG ↓")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the airfoil plot as PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "CSV")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save every point of the pass as CSV")},
    {"Page", QT_TRANSLATE_NOOP("Page", "PNG Cp")},
    {"Page", QT_TRANSLATE_NOOP("Page", "PNG Cp: save the surface-pressure plot as PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "CSV Cp")},
    {"Page", QT_TRANSLATE_NOOP("Page", "CSV Cp: save the surface speed and pressure as CSV")},
    // The two frames and the names of their controls.
    {"Page", QT_TRANSLATE_NOOP("Page", "Profile and flow")},
    {"Page", QT_TRANSLATE_NOOP("Page", "thickness δ")},
    {"Page", QT_TRANSLATE_NOOP("Page", "thickness δ down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "thickness δ up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "thickness δ scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "camber γ")},
    {"Page", QT_TRANSLATE_NOOP("Page", "camber γ down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "camber γ up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "camber γ scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "angle of attack α in degrees")},
    {"Page", QT_TRANSLATE_NOOP("Page", "angle of attack α down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "angle of attack α up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "angle of attack α scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Kutta factor")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Kutta factor down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Kutta factor up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Kutta factor scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Streamlines and drawing")},
    {"Page", QT_TRANSLATE_NOOP("Page", "streamline step Δψ")},
    {"Page", QT_TRANSLATE_NOOP("Page", "streamline step Δψ down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "streamline step Δψ up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "streamline step Δψ scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "last streamline curve nSL")},
    {"Page", QT_TRANSLATE_NOOP("Page", "last streamline curve nSL down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "last streamline curve nSL up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "last streamline curve nSL scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "plot scale")},
    {"Page", QT_TRANSLATE_NOOP("Page", "plot scale down")},
    {"Page", QT_TRANSLATE_NOOP("Page", "plot scale up")},
    {"Page", QT_TRANSLATE_NOOP("Page", "plot scale scroll bar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "radial step dR")},
    // The plots and the views under them.
    {"Page", QT_TRANSLATE_NOOP("Page", "flow past the circle; click to redraw")},
    {"Page", QT_TRANSLATE_NOOP("Page", "flow around the airfoil; click to redraw")},
    {"Page",
     QT_TRANSLATE_NOOP(
         "Page", "surface pressure: minus Cp against x/c, upper surface red, lower surface blue")},
    {"Page", QT_TRANSLATE_NOOP("Page", "PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the flow-field picture as PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the flow field as CSV")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "flow field around the airfoil: the colour of the chosen quantity with "
                       "its colour bar, the body red and the streamlines blue")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the lift-curve picture as PNG")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the lift curve as CSV")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "lift curve: C_L against the angle of attack, exact red, thin-airfoil "
                       "theory blue, the drawn pass black")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "circle plane: the polar grid, the body and the streamlines, the critical "
                       "points marked")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "the map at the morph t: the grid, the body and the streamlines on their "
                       "way from the circle to the airfoil")},
    {"Page",
     QT_TRANSLATE_NOOP(
         "Page", "airfoil plane: the grid, the body and the streamlines carried over by the map")},
    // The boundary layer: the friction picture, the drag polar, their CSV.
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the boundary layer as CSV")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "skin friction: c_f against x/c, upper surface red, lower surface blue, T "
                       "transition, S separation")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Drag polar")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Save the drag polar as CSV")},
    {"Page",
     QT_TRANSLATE_NOOP(
         "Page", "drag polar: C_L against C_D over the angles where the flow stays attached")},
    // The profile: the NACA code's box, and where a file may be dropped.
    {"Page", QT_TRANSLATE_NOOP("Page", "NACA code (4 or 5 digits)")},
    {"Page",
     QT_TRANSLATE_NOOP("Page",
                       "Drop a .dat file (Selig or Lednicer) on the airfoil plot to open it; its "
                       "points stay on this device.")},
    // The dialogs.
    {"Page", QT_TRANSLATE_NOOP("Page", "Close")},
    {"Page", QT_TRANSLATE_NOOP("Page", "Free software under GPL-3.0-or-later")},
    {"Page", QT_TRANSLATE_NOOP("Page", "(GNU GPL, version 3 or any later version)")},
    {"Page", QT_TRANSLATE_NOOP("Page", "OK")},
    // The status line: names in the address the page does not know (%1).
    {"Page", QT_TRANSLATE_NOOP("Page", "Ignored in the address: %1.")},
};

const std::size_t kPageTextCount = sizeof(kPageTexts) / sizeof(kPageTexts[0]);

}  // namespace fluvenna
