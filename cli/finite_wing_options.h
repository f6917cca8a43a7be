// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "cli/option_parser.h"

namespace fluvenna {

// The finite wing a run is asked for: --wing AR, --planform, --taper and
// --washout, as FiniteWingView::Set takes them.
struct FiniteWingRequest {
  double aspectRatio = 8.0;
  std::string planform = "rectangular";
  double taper = 1.0;
  double washoutDeg = 0.0;
  std::string csvPath;  // --wing-csv: the stations; "-" for standard output
};

// Adds --wing, --planform, --taper, --washout and --wing-csv to the parser.
void AddFiniteWingOptions(OptionParser& parser);

// Reads them after parsing: nothing without --wing (and a refusal when one
// of the others is given without it); otherwise the request, or a refusal,
// one sentence, for a bad or missing value: the session's sentences for an
// unknown planform and for CheckFiniteWing's faults. The planform is
// "tapered" when only --taper is given, "rectangular" when neither is.
struct FiniteWingOptions {
  std::optional<FiniteWingRequest> request;
  std::optional<std::string> refusal;
};
FiniteWingOptions ReadFiniteWingOptions(const OptionParser& parser);

}  // namespace fluvenna
