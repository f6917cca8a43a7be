// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace fluvenna {

// A value as the scroll bars write it into a text box: plain decimal text
// with up to 15 significant digits, no exponent, no trailing zeros, no point
// for whole values, "0." before values below 1, and always "." as the
// decimal point whatever the regional settings ("0.07", "1.5", "3", "-10").
std::string NumberText(double value);

}  // namespace fluvenna
