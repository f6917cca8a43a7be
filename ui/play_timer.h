// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace fluvenna {

// Keeps an animated view's frame timer to its state: it runs while the view
// plays and is seen (shown, not minimised), and stops otherwise. A timer
// that starts again restarts `clock`, so no hidden time is played.
inline void KeepPlayTimer(QTimer& timer, QElapsedTimer& clock, bool playing, const QWidget& view) {
  const bool run = playing && view.isVisible() && !view.isMinimized();
  if (run && !timer.isActive()) {
    clock.restart();
    timer.start();
  } else if (!run) {
    timer.stop();
  }
}

}  // namespace fluvenna
