// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "flow/surface_pressure.h"

namespace fluvenna {

// The surface of the airfoil with its speed and pressure, one line a point,
// under the header
//   surface,point,x,y,xc,q,cp
// in the order of the points (trailing edge, upper surface, leading edge,
// lower surface, trailing edge); `surface` is "upper" or "lower", points are
// numbered from 1 along each surface, numbers have 17 significant digits.
void WriteSurfaceCsv(const SurfacePressure& pressure, std::ostream& out);

}  // namespace fluvenna
