// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate-file reader must survive any file: it gives either a fault
// naming a line of the file (or none), or a normalised closed contour of
// finite points (LE at the origin, chord 1) within the point limit. A small
// contour is mapped too: the map gives finite images of the circle.
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "flow/airfoil_file.h"
#include "flow/theodorsen_map.h"

namespace {

// Files this small are mapped as well (mapping takes about a millisecond).
constexpr std::size_t kMappedBytes = 8000;

void Check(bool property) {
  if (!property) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fluvenna;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const AirfoilResult result = ReadAirfoilFile(text);
  if (const auto* fault = std::get_if<AirfoilFault>(&result)) {
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n';
    Check(fault->line >= 0 && static_cast<std::size_t>(fault->line) <= lines);
    return 0;
  }
  const auto& contour = std::get<AirfoilContour>(result);
  const std::size_t n = contour.x.size();
  Check(n == contour.y.size() && n > static_cast<std::size_t>(kFewestAirfoilPoints) &&
        n <= static_cast<std::size_t>(kMostAirfoilPoints) + 1);
  for (std::size_t i = 0; i < n; ++i)
    Check(std::isfinite(contour.x[i]) && std::isfinite(contour.y[i]));
  Check(contour.x.front() == contour.x.back() && contour.y.front() == contour.y.back());
  Check(std::abs(std::hypot(contour.x[0], contour.y[0]) - 1.0) < 1e-9);
  Check(contour.report.closedGap <= kLargestTrailingEdgeGap);
  if (size > kMappedBytes) return 0;
  const auto built = BuildTheodorsenMap(contour);
  if (const auto* map = std::get_if<TheodorsenMap>(&built)) {
    Check(map->Radius() > 0.0 && std::isfinite(map->Radius()));
    for (int k = 0; k < 16; ++k) {
      const auto z = map->Centre() + std::polar(map->Radius() * 1.5, 0.4 * k);
      const auto zeta = map->Forward(z);
      Check(std::isfinite(zeta.real()) && std::isfinite(zeta.imag()));
    }
  }
  return 0;
}
