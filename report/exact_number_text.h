// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace fluvenna {

// Numbers written to be read back exactly, always with "." as the decimal
// point whatever the locale: the shortest text that reads back as the same
// double (the renderer's summary), or 17 significant digits (the renderer's
// CSV, the profile table file).
std::string ShortestText(double value);
std::string SeventeenDigitText(double value);

}  // namespace fluvenna
