// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "report/pass_curves.h"

namespace fluvenna {

// Every point of every curve, one line each, under the header
//   plane,curve,point,psi,x,y
// plane by plane (flow, circle, airfoil), curves and points in array order,
// points numbered from 1, numbers with 17 significant digits.
void WriteCurvesCsv(const PassCurves& curves, std::ostream& out);

}  // namespace fluvenna
