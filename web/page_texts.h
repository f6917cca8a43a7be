// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace fluvenna {

// A text of the browser page: its context and source in the translation
// sources (i18n/), as the page names it ("Context|source").
struct PageText {
  const char* context;
  const char* source;
};

// The texts only the page shows (context "Page"), marked for lupdate. The
// texts the page shares with the window are read from the window's own
// contexts instead, so that both have one translation.
extern const PageText kPageTexts[];
extern const std::size_t kPageTextCount;

}  // namespace fluvenna
