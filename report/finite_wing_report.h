// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "flow/atmosphere.h"
#include "flow/lifting_line.h"
#include "report/catalogue.h"

namespace fluvenna {

// The stations of a finite wing, as fluvenna-render --wing-csv writes them:
// the header
//   eta,y,chord,cl,gamma,alpha_i_deg,cd_profile
// then one row per station from the left tip (eta = -1) to the right, with
// y = eta b / 2 and the chord in mean chords (b = AR mean chords), gamma =
// Gamma / (V c_mean), numbers to 17 significant digits, cd_profile empty
// where the section's drag is not predicted. Header only without a wing.
void WriteFiniteWingCsv(const FiniteWingAnalysis& wing, std::ostream& out);

// Why a finite wing is refused, one plain sentence in `language`.
std::string FiniteWingRefusal(FiniteWingFault fault, Language language);
std::string UnknownPlanformRefusal(Language language);

// Why there is no wing for the pass (no zero-lift angle or lift slope).
std::string FiniteWingNotComputedText(Language language);

// The line under the finite-wing view, in `language`:
//   "AR 8, tapered λ = 0.4, washout 2°: C_L = 0.6123, C_Di = 0.01512,
//    e = 0.9871, C_D = 0.02311, (L/D)max = 27.4 at α = 5°. Stall begins at
//    2y/b = 0.62 at α = 11.3°."
// e is "undefined at C_L = 0" where it is; C_D "not predicted" where the
// strip drag is not. With a wing group (`flow`), whose chord is the mean
// chord and span AR times it, the lift, induced drag and drag in newtons
// follow. Below kLiftingLineReliableAspectRatio a sentence says that
// lifting-line theory overestimates the lift of such a wing.
std::string FiniteWingLine(const FiniteWingAnalysis& wing, const WingFlow* flow, Language language);

// Force in newtons on the whole wing for a coefficient: q S C, S = AR c^2.
double WingForce(const WingFlow& flow, double aspectRatio, double coefficient);

// The wing's lines of the renderer's summary, one "name value" a line:
//   wing_AR, wing_C_L, wing_C_Di, wing_e, wing_C_D, wing_lift_slope (per
//   radian), wing_stall_eta, wing_stall_alpha_deg,
// "none" for a value that is missing (e at zero lift, C_D not predicted, no
// stall in the section's polar).
std::string FiniteWingSummaryText(const FiniteWingAnalysis& wing);
// The same keys added to the JSON object `json` (the summary, "{...}" with
// or without a line end after it), null for a missing value.
std::string WithFiniteWingJson(const std::string& json, const FiniteWingAnalysis& wing);

}  // namespace fluvenna
