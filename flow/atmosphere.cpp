// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/atmosphere.h"

#include <cmath>

namespace fluvenna {
namespace {

constexpr double kSeaLevelTemperature = 288.15;  // K
constexpr double kSeaLevelPressure = 101325.0;   // Pa
constexpr double kLapseRate = 0.0065;            // K/m
constexpr double kPressureExponent = 5.2559;     // g / (R L)
constexpr double kGasConstant = 287.05;          // J/(kg K), dry air
constexpr double kSutherlandC1 = 1.458e-6;       // kg/(m s K^0.5)
constexpr double kSutherlandS = 110.4;           // K

}  // namespace

Atmosphere IsaAtmosphere(double h) {
  Atmosphere air;
  air.altitude = h;
  air.temperature = kSeaLevelTemperature - kLapseRate * h;
  air.pressure =
      kSeaLevelPressure * std::pow(air.temperature / kSeaLevelTemperature, kPressureExponent);
  air.density = air.pressure / (kGasConstant * air.temperature);
  air.viscosity = kSutherlandC1 * std::pow(air.temperature, 1.5) / (air.temperature + kSutherlandS);
  return air;
}

ReynoldsFault CheckReynolds(double reynolds) {
  if (!std::isfinite(reynolds)) return ReynoldsFault::kNotFinite;
  if (reynolds < kLowestReynolds || reynolds > kHighestReynolds) return ReynoldsFault::kOutOfRange;
  return ReynoldsFault::kNone;
}

WingFault CheckWing(const Wing& wing) {
  if (!std::isfinite(wing.speed) || wing.speed < 0.0) return WingFault::kSpeedNotUsable;
  if (!std::isfinite(wing.chord) || !(wing.chord > 0.0)) return WingFault::kChordNotUsable;
  if (!std::isfinite(wing.altitude) || wing.altitude < kAtmosphereLowestM ||
      wing.altitude > kAtmosphereHighestM) {
    return WingFault::kAltitudeNotUsable;
  }
  const Atmosphere air = IsaAtmosphere(wing.altitude);
  const double re = air.density * wing.speed * wing.chord / air.viscosity;
  if (CheckReynolds(re) != ReynoldsFault::kNone) return WingFault::kReynoldsOutOfRange;
  return WingFault::kNone;
}

std::optional<WingFlow> FlowOfWing(const Wing& wing) {
  if (CheckWing(wing) != WingFault::kNone) return std::nullopt;
  WingFlow flow;
  flow.wing = wing;
  flow.air = IsaAtmosphere(wing.altitude);
  flow.reynolds = flow.air.density * wing.speed * wing.chord / flow.air.viscosity;
  flow.dynamicPressure = 0.5 * flow.air.density * wing.speed * wing.speed;
  return flow;
}

}  // namespace fluvenna
