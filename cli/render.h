// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <ostream>

#include "cli/render_options.h"
#include "session/pass_session.h"

namespace fluvenna {

// Exit statuses of fluvenna-render.
inline constexpr int kExitPassOk = 0;
inline constexpr int kExitPassError = 1;  // the pass ended with an error: no file is written
inline constexpr int kExitUsage = 2;      // a bad command line or a file that cannot be written

// What one run did that costs: the work of its pass session, and the
// pictures it painted (into images or SVG documents).
struct RenderWork {
  SessionWork session;
  int picturesPainted = 0;
};

// Runs one pass with the options and writes what they ask for: the pictures,
// the CSV, and the summary on `out` (on `err` when the CSV goes to `out`).
// The table warning, the notes and errors of the pass and every failure go
// to `err` as single lines. Returns the exit status. When `work` is given,
// it gets what the run did.
//
// The pictures are drawn as the pass computes them but painted only after
// it, from what was kept of them (DeferredSurface), once the pictures'
// library has loaded (LoadPictureLibrary). For a run that paints,
// `meanwhile`, when given, is called on this thread while the pass is
// computed on a thread of its own: the renderer loads that library and
// makes its GUI application there. The pass touches nothing of Qt.
int Render(const RenderOptions& options, std::ostream& out, std::ostream& err,
           RenderWork* work = nullptr, const std::function<void()>& meanwhile = {});

}  // namespace fluvenna
