// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace fluvenna {

// The text-to-number rule of the text boxes: leading blanks (spaces, tabs)
// are skipped, then the longest prefix that forms a decimal number (optional
// sign, digits, "." as the point whatever the locale, optional exponent)
// gives the value; a text that does not start with a number gives 0.
// "0,05" gives 0; "inf", "nan" and hexadecimal forms are not numbers.
// A number too large for a double gives +-infinity (the caller refuses it);
// one too small gives 0. Never fails.
double LeadingNumber(std::string_view text);

}  // namespace fluvenna
