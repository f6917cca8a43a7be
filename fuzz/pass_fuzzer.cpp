// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a student types into the eight boxes, a pass must finish and hand
// over only finite coordinates, and its surface pressure only finite points
// with Cp <= 1. Input: up to eight texts separated by '\n'.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "flow/pass.h"
#include "flow/surface_pressure.h"

namespace {

fluvenna::ProfileTable SampleTable() {
  fluvenna::ProfileTable t;
  t.NTab = 2;
  t.TabDelta[1] = 0.01, t.TabGama[1] = 0, t.TabEps[1] = 0.0085, t.TabMu[1] = 0;
  t.TabDelta[2] = 0.3, t.TabGama[2] = 0.14, t.TabEps[2] = 0.3, t.TabMu[2] = 0.3;
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fluvenna;
  static const ProfileTable table = SampleTable();
  static auto arrays = std::make_unique<PointArrays>();

  std::string_view input(reinterpret_cast<const char*>(data), size);
  ParameterTexts texts;
  std::string* fields[] = {&texts.DELTA, &texts.GAMA, &texts.Alfa,  &texts.iKutta,
                           &texts.dPsi,  &texts.kMax, &texts.Olcek, &texts.dR};
  for (std::string* field : fields) {
    if (input.empty()) break;
    const std::size_t end = input.find('\n');
    *field = std::string(input.substr(0, end));
    input = (end == std::string_view::npos) ? std::string_view{} : input.substr(end + 1);
  }

  const PassResult r = RunWholePass(texts, table, *arrays);
  if (!r.ok()) return 0;
  if (r.lastCurve > PointArrays::kMaxCurve) std::abort();
  for (int k = 0; k <= r.lastCurve; ++k) {
    if (arrays->NP[k] < 0 || arrays->NP[k] > PointArrays::kMaxPoint) std::abort();
    for (int j = 1; j <= arrays->NP[k]; ++j) {
      if (!std::isfinite(arrays->XP(k, j)) || !std::isfinite(arrays->YP(k, j))) std::abort();
    }
  }

  // The table holds two profiles and the flat plate: each is measured once.
  static std::map<std::pair<double, double>, ProfileMeasure> profiles;
  const auto key = std::pair{r.params.Eps, r.params.Mu};
  if (!profiles.count(key)) profiles[key] = MeasureProfile(key.first, key.second);
  const SurfacePressure s = ComputeSurfacePressure(r.params, r.circle, profiles[key]);
  for (const SurfacePoint& p : s.points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.xc)) std::abort();
    if (!std::isfinite(p.Cp) || !(p.q >= 0.0) || p.Cp > 1.0) std::abort();
  }
  return 0;
}
