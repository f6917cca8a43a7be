#pragma once

#include <string>

namespace fluvenna {

// Numbers as the renderer writes them, always with "." as the decimal point
// whatever the locale: the shortest text that reads back as the same double
// (the summary), or 17 significant digits (the CSV).
std::string ShortestText(double value);
std::string SeventeenDigitText(double value);

}  // namespace fluvenna
