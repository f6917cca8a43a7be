// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "flow/airfoil_contour.h"

namespace fluvenna {

// Reads an airfoil coordinate file (the text of a .dat file) into a
// normalised contour (airfoil_contour.h), or the first fault found.
//
// Lines end with LF or CR LF. Blank lines and comment lines (first
// non-blank character '#') are skipped anywhere. Numbers are separated by
// spaces, tabs, commas or semicolons, written in the C locale ("0.5",
// "5e-1", a leading '+' allowed).
//  * The name line: the first other line when it is not two numbers (a file
//    may have none; the name is then empty).
//  * Selig: then one "x y" per line, from the trailing edge over one surface
//    to the leading edge and back over the other, in either sense.
//  * Lednicer: the first line of numbers holds the two point counts (both
//    whole numbers of at least 2, so it cannot be a point of a chord-1
//    profile); then the first surface from the leading to the trailing
//    edge, and the second likewise (the blank line between is skipped).
//    Turned into Selig order: the first surface reversed, then the second.
// Then ContourFromNumberedPoints: repeated closing point dropped, turned
// anticlockwise, checked, the blunt trailing edge closed, normalised.
//
// Refusals (AirfoilFaultKind): a text over kMostAirfoilFileBytes; no point
// at all; a line that is not two numbers (its line); NaN or infinity (its
// line); more than kMostAirfoilPoints points (the line of the first one too
// many); Lednicer counts that do not match the points (the counts' line);
// and those of ContourFromNumberedPoints, with the lines of the file.
AirfoilResult ReadAirfoilFile(std::string_view text);

}  // namespace fluvenna
