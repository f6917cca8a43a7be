// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "flow/airfoil_contour.h"
#include "flow/theodorsen_map.h"
#include "report/catalogue.h"

namespace fluvenna {

// Why a NACA code or a coordinate file was refused, one sentence in
// `language` (context "Profile"), naming the file's line where the fault
// has one: "Line 7 is not two numbers."
std::string AirfoilRefusal(const AirfoilFault& fault, Language language);

// Why the conformal map of a profile could not be built, one sentence.
std::string TheodorsenRefusal(TheodorsenFault fault, Language language);

// What the profile window shows under the outline, two sentences:
//   "NACA 2412: t/c = 0.1200 at x/c = 0.300, f/c = 0.0200 at x/c = 0.400."
//   "Trailing-edge angle 16.50°, leading-edge radius 0.0157, gap closed
//    0.0000, chord line at -0.091°."
// (the name "?" when the file had none; f/c without its station when the
// section has no camber).
std::string ProfileReportLine(const ProfileReport& report, Language language);

// The map in one sentence: "Theodorsen map: 255 terms, contour within
// 4.0e-08 chord." (a map that missed its tolerances says so instead).
std::string TheodorsenMapLine(const TheodorsenMap& map, Language language);

// The outline as CSV: the header "x,y", then the normalised contour's
// points from the trailing edge over the upper surface and back, 17
// significant digits.
void WriteProfileCsv(const AirfoilContour& contour, std::ostream& out);

}  // namespace fluvenna
