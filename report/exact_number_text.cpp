// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/exact_number_text.h"

#include "flow/decimal_text.h"

namespace fluvenna {

std::string ShortestText(double value) {
  return ShortestDecimalText(value);
}

std::string SeventeenDigitText(double value) {
  return DecimalText(value, std::chars_format::general, 17);
}

}  // namespace fluvenna
