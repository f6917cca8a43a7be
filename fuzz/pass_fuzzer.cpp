// Whatever a student types into the eight boxes, a pass must finish and hand
// over only finite coordinates. Input: up to eight texts separated by '\n'.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "flow/pass.h"

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
  return 0;
}
