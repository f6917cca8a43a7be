// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace fluvenna {

// A double as std::to_chars writes it, always with "." as the decimal point
// whatever the locale: with `format` and `precision` (the forms of printf's
// %.*e, %.*f and %.*g), or the shortest text that reads back as the same
// double. Where the standard library lacks floating-point to_chars (the
// libc++ of Emscripten 3.1.6), the same forms come from snprintf, which
// there always runs in the "C" locale.
std::string DecimalText(double value, std::chars_format format, int precision);
std::string ShortestDecimalText(double value);

// Reads the longest decimal number at the start of [first, last) as
// std::from_chars with std::chars_format::general does ("-" but no "+", no
// blanks, "." as the point whatever the locale), with its result: std::errc()
// and the value, result_out_of_range (value untouched) for a number beyond
// the doubles, invalid_argument when no number starts there. The snprintf
// fallback reads no "inf" or "nan"; the callers never hand those over.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value);

// The number a whole text is, as ReadDecimal reads it, with blanks (spaces
// and tabs) allowed before and after it; NaN for any other text (empty,
// something after the number, beyond the doubles), so that an input that
// must be a finite number refuses it.
double WholeDecimal(std::string_view text);

}  // namespace fluvenna
