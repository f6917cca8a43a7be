// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "flow/lift_curve.h"

namespace fluvenna {

// The lift curve, one line a point in increasing alpha, under the header
//   alpha_deg,cl,cl_thin
// (alpha in degrees, C_L of the flow, C_L of thin-airfoil theory), numbers
// with 17 significant digits so that they read back exactly. A curve without
// points gives the header alone.
void WriteLiftCurveCsv(const LiftCurve& curve, std::ostream& out);

}  // namespace fluvenna
