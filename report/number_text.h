// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace fluvenna {

// A value as the scroll bars write it into a text box: plain decimal text
// with up to 15 significant digits, no exponent, no trailing zeros, no point
// for whole values, "0." before values below 1, and always "." as the
// decimal point whatever the regional settings ("0.07", "1.5", "3", "-10").
std::string NumberText(double value);

// C_L as the program shows it: three decimals, "." as the point whatever the
// locale, and no "-0.000" for a value that rounds to zero.
std::string LiftCoefficientText(double CL);

// `value` with `decimals` digits after the point ("." whatever the locale);
// one that rounds to zero is written without a sign; "?" for a value that
// is not a finite number.
std::string FixedText(double value, int decimals);

// `text` with every marker %1..%9 replaced by its argument (as Qt's
// QString::arg numbers them, so that a translated text may put them in any
// order); a marker without an argument is left as it stands.
std::string FillMarkers(std::string text, const std::vector<std::string>& args);

}  // namespace fluvenna
