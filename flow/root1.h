// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace fluvenna {

// The radius r at which the stream function of the circle flow
//   psi(r, theta) = U0 (r - A^2 / r) sin(theta) + Gm ln(r / A)
// equals PSI, for sin(theta) = SinTeta. The root is a fixed point of
//   g(r) = A A / r + (PSI - Gm ln(r / A)) / U0 / SinTeta,
// found by the damped iteration R1 <- (R1 + R2) / 2, R2 <- g(R1) from
// R1 = R2 = R0, until |R2 - R1| <= 1e-7; the last image R2 is the root.
// The pass counter gives up when it reaches 50 (at most 49 evaluations).
//
// On success iKok = 1 and Kok = R2. On failure iKok = 0 and Kok keeps its
// value. An iterate with R1 / A <= 0 or a non-finite value also ends the
// search as a failure. Returns the number of evaluations of g made.
int ROOT1(const double& A, const double& R0, const double& PSI, const double& Gm, const double& U0,
          const double& SinTeta, std::int16_t& iKok, double& Kok);

inline constexpr int kRoot1PassLimit = 50;
inline constexpr double kRoot1Tolerance = 1e-7;

}  // namespace fluvenna
