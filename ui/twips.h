// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace fluvenna {

// The windows are laid out in twips: 15 twips make one logical pixel (Qt's
// high-DPI scaling takes care of denser screens).
constexpr int Twips(int twips) {
  return (twips + 7) / 15;
}

constexpr QRect TwipRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace fluvenna
