// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace fluvenna {

// The air of the International Standard Atmosphere in its lowest layer, the
// troposphere, from sea level to 11,000 m (ICAO Doc 7488, ISO 2533):
//   T = 288.15 - 0.0065 h                     K
//   p = 101325 (T / 288.15)^5.2559            Pa
//   rho = p / (287.05 T)                      kg/m^3
// and the dynamic viscosity by Sutherland's law with the standard constants:
//   mu = 1.458e-6 T^1.5 / (T + 110.4)         Pa s.
struct Atmosphere {
  double altitude = 0.0;     // m
  double temperature = 0.0;  // K
  double pressure = 0.0;     // Pa
  double density = 0.0;      // kg/m^3
  double viscosity = 0.0;    // Pa s
};

inline constexpr double kAtmosphereLowestM = 0.0;
inline constexpr double kAtmosphereHighestM = 11000.0;

// The standard air at altitude `h` in metres.
// Requires kAtmosphereLowestM <= h <= kAtmosphereHighestM (see RefuseWing).
Atmosphere IsaAtmosphere(double h);

// The Reynolds number the boundary layer is computed for: a plain number
// Re = U0 c / nu, based on the chord of the profile.
inline constexpr double kLowestReynolds = 1e3;
inline constexpr double kHighestReynolds = 1e9;

// What is wrong with a typed Reynolds number, if anything.
enum class ReynoldsFault {
  kNone,
  kNotFinite,   // not a finite number
  kOutOfRange,  // outside [kLowestReynolds, kHighestReynolds]
};
ReynoldsFault CheckReynolds(double reynolds);

// A real wing section: its speed through still standard air, its chord and
// its altitude.
struct Wing {
  double speed = 0.0;     // V, m/s
  double chord = 0.0;     // c, m
  double altitude = 0.0;  // h, m
};

// What is wrong with a wing, the first fault found in this order.
enum class WingFault {
  kNone,
  kSpeedNotUsable,      // not a finite number, or negative
  kChordNotUsable,      // not a finite positive number
  kAltitudeNotUsable,   // not finite, or outside 0..11,000 m
  kReynoldsOutOfRange,  // Re = rho V c / mu outside [kLowestReynolds, kHighestReynolds]
};

// The flow of a wing: its air, Reynolds number and dynamic pressure.
struct WingFlow {
  Wing wing;
  Atmosphere air;
  double reynolds = 0.0;         // rho V c / mu
  double dynamicPressure = 0.0;  // q = rho V^2 / 2, Pa
  // Force per metre of span for a force coefficient C: q c C, in N/m
  // (L' = 1/2 rho V^2 c C_L, D' = 1/2 rho V^2 c C_D).
  double PerSpan(double coefficient) const { return dynamicPressure * wing.chord * coefficient; }
};

// Checks the wing (see WingFault) and, when it is usable, works out its flow.
WingFault CheckWing(const Wing& wing);
// Requires CheckWing(wing) == WingFault::kNone; otherwise std::nullopt.
std::optional<WingFlow> FlowOfWing(const Wing& wing);

}  // namespace fluvenna
