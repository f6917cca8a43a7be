// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/root1.h"

#include <cmath>

namespace fluvenna {

int ROOT1(const double& A, const double& R0, const double& PSI, const double& Gm, const double& U0,
          const double& SinTeta, std::int16_t& iKok, double& Kok) {
  double R1 = R0;
  double R2 = R0;
  int iTer = 0;
  int evaluations = 0;
  for (;;) {
    ++iTer;
    if (iTer == kRoot1PassLimit) break;
    R1 = (R1 + R2) / 2.0;
    // The logarithm needs R1 / A > 0; an iterate outside it has no image.
    if (!(R1 / A > 0.0) || !std::isfinite(R1)) break;
    R2 = A * A / R1 + (PSI - Gm * std::log(R1 / A)) / U0 / SinTeta;
    ++evaluations;
    if (!std::isfinite(R2)) break;
    if (!(std::fabs(R2 - R1) > kRoot1Tolerance)) {
      Kok = R2;
      iKok = 1;
      return evaluations;
    }
  }
  iKok = 0;
  return evaluations;
}

}  // namespace fluvenna
