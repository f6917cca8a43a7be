// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "flow/atmosphere.h"
#include "flow/boundary_layer.h"
#include "report/catalogue.h"

namespace fluvenna {

// The boundary layer point by point, as fluvenna-render --boundary-layer
// writes it: the header
//   surface,point,s,xc,x,y,ue,theta,dstar,H,cf,re_theta,n,regime
// then the upper surface's points from the stagnation point to the trailing
// edge, then the lower's; point counts from 0 on each surface, numbers to
// 17 significant digits, regime as BoundaryLayerRegimeName. Header only when
// the layer was not computed.
void WriteBoundaryLayerCsv(const BoundaryLayer& layer, std::ostream& out);

// The polar, as --polar writes it: the header
//   alpha_deg,cl,cd,x_transition_upper,x_transition_lower,x_separation_upper
// and one row per angle; an empty field where there is no value (C_D not
// predicted, no transition, no separation).
void WritePolarCsv(const Polar& polar, std::ostream& out);

// The line under the pressure and friction pictures, in `language`:
//   "Re = 1e6: C_D = 0.0061 (friction 0.0049, pressure 0.0012).
//    Upper surface: transition at x/c = 0.412, no separation. Lower ..."
// or "C_D not predicted: the flow separates at x/c = 0.310 on the upper
// surface." or why the layer is not computed. With a wing (`wing` given) and
// the pass's C_L, the lift and drag per metre of span in N/m follow.
std::string BoundaryLayerLine(const BoundaryLayer& layer, const WingFlow* wing,
                              std::optional<double> CL, Language language);

// Why the boundary layer was not computed, one sentence in `language`.
std::string BoundaryLayerNotComputedText(BoundaryLayerStatus status, Language language);

// Refusals of bad input, one sentence each in `language`.
std::string ReynoldsRefusal(ReynoldsFault fault, Language language);
std::string WingRefusal(WingFault fault, Language language);
std::string NCritRefusal(Language language);

// Re as the line writes it: three significant digits in the form "1e6",
// "3.2e6", "1.25e5" (no trailing zeros, "." always).
std::string ReynoldsText(double reynolds);

}  // namespace fluvenna
