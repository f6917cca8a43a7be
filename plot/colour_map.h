// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "flow/flow_field.h"
#include "plot/surface.h"

namespace fluvenna {

// The colours of a sampled flow field. The ranges are fixed, so that a colour
// means the same value from pass to pass; values beyond them take the colour
// of the nearer end.
//
// Cp: Moreland's cool-warm diverging map (K. Moreland, "Diverging Color Maps
// for Scientific Visualization", 2009; its 33-entry table, linear between
// entries) over Cp from -3 (blue, suction) to 1 (red, the stagnation point),
// with the neutral grey of its middle at Cp = 0: the two halves are stretched
// differently, -3..0 onto the blue half and 0..1 onto the red one.
//
// q / U0: matplotlib's viridis (17 of its 256 entries, every 16th and the
// last, linear between them) over q / U0 from 0 (dark violet) to 2 (yellow).
//
// Each map is kept as 4097 colours evenly spaced over its range (the two
// halves of the Cp range 2048 each); a value takes the colour of the
// nearest, which is at most one unit per channel from the interpolation.
inline constexpr double kCpColourLow = -3.0;
inline constexpr double kCpColourHigh = 1.0;
inline constexpr double kSpeedColourLow = 0.0;
inline constexpr double kSpeedColourHigh = 2.0;

// The colour of a pressure coefficient. A NaN gets the neutral grey.
Colour CpColour(double Cp);

// The colour of a speed q / U0. A NaN gets the colour of q = 0.
Colour SpeedColour(double qOverU0);

// CpColour or SpeedColour, as the quantity asks.
Colour FieldColour(FieldQuantity quantity, double value);

// The colours of a sampled field (SampleField: values[j * width + i], rows
// from the top, NaN where the point is not in the flow): each value's
// FieldColour, opaque; NaN is transparent black (alpha 0). Speeds are
// taken as q / U0 with U0 = 1, as every pass has it. Requires
// values.size() == width * height; otherwise gives an empty image. The rows
// are coloured in blocks of kSampleRowBlock on `threads` threads (0: one per
// core; see ForBlocksOnCores), each pixel alike on any thread.
RgbaImage ColourField(const std::vector<double>& values, int width, int height,
                      FieldQuantity quantity, int threads = 0);

// The same into `image`, reusing its bytes from frame to frame.
void ColourField(const std::vector<double>& values, int width, int height, FieldQuantity quantity,
                 RgbaImage& image, int threads = 0);

}  // namespace fluvenna
