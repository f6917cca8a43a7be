// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace fluvenna {

// The forms of every note and error the core and the drawing code write, as
// the translation sources list them under "Notes": the English sentence with
// %1, %2 where a curve number, a count or a parameter's name stands.
// TranslateNote matches the core's sentences against them.
const std::vector<const char*>& NoteForms();

}  // namespace fluvenna
