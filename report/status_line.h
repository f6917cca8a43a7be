// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/pass.h"
#include "flow/surface_pressure.h"
#include "report/catalogue.h"

namespace fluvenna {

// What the line under the plots says after a pass: the lift coefficient of
// the drawn flow, or why the plots were not redrawn, followed by every note
// of the pass, each as a sentence.
struct StatusLine {
  std::string text;
  bool failed = false;  // the pass ended with an error; the plots stay as they were
};

// `chord` is the chord of the drawn profile, measured as the table generator
// measures it (MeasureProfile); C_L = 2 Circ / (U0 chord). A lift coefficient
// that is not a finite number is left out.
// The sentences are in `language`, the notes of the core translated.
StatusLine PassStatusLine(const PassResult& result, double chord,
                          Language language = Language::kEnglish);

// The line under the surface-pressure picture: the lift coefficient
// integrated from Cp, the lowest Cp with its x/c and surface (three
// decimals, as the status line has C_L), then the notes of the surface as
// sentences.
std::string PressureStatusLine(const SurfacePressure& pressure,
                               Language language = Language::kEnglish);

// A note or error of the core as a sentence: first letter capitalised unless
// the first word is a parameter name with capitals ("dR", "nSL"), and a full
// stop at the end.
std::string Sentence(const std::string& text);

}  // namespace fluvenna
