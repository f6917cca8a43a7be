// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-pass: runs one whole pass without a window, from the eight
// parameter texts (window defaults unless given as NAME=TEXT arguments) and
// the profile table in the working directory, and prints what it made.
#include <cstdio>
#include <cstring>
#include <memory>
#include <algorithm>
#include <string>

#include "flow/pass.h"
#include "flow/profile_geometry.h"

int main(int argc, char** argv) {
  using namespace fluvenna;
  ParameterTexts texts;
  for (int i = 1; i < argc; ++i) {
    const char* eq = std::strchr(argv[i], '=');
    if (!eq) {
      std::fprintf(stderr, "usage: fluvenna-pass [delta=T] [gamma=T] [alpha=T] [kutta=T] "
                           "[dpsi=T] [nsl=T] [scale=T] [dr=T]\n");
      return 2;
    }
    const std::string name(argv[i], static_cast<std::size_t>(eq - argv[i])), value(eq + 1);
    if (name == "delta") texts.DELTA = value;
    else if (name == "gamma") texts.GAMA = value;
    else if (name == "alpha") texts.Alfa = value;
    else if (name == "kutta") texts.iKutta = value;
    else if (name == "dpsi") texts.dPsi = value;
    else if (name == "nsl") texts.kMax = value;
    else if (name == "scale") texts.Olcek = value;
    else if (name == "dr") texts.dR = value;
    else {
      std::fprintf(stderr, "fluvenna-pass: unknown parameter '%s'\n", name.c_str());
      return 2;
    }
  }

  ProfileTable table;
  if (auto message = LoadProfileTableFile(table)) std::fprintf(stderr, "%s\n", message->c_str());
  auto arrays = std::make_unique<PointArrays>();
  const PassResult r = RunWholePass(texts, table, *arrays);
  for (const auto& note : r.notes) std::fprintf(stderr, "note: %s\n", note.c_str());
  if (!r.ok()) {
    std::fprintf(stderr, "error: %s\n", r.error->c_str());
    return 1;
  }
  const CircleModel& c = r.circle;
  std::printf("row %d  Eps %.9g  Mu %.9g  cJ %.9g  A %.9g  Beta %.9g  Circ %.9g  Gm %.9g\n",
              r.params.profileRow, r.params.Eps, r.params.Mu, c.cJ, c.A, c.Beta, c.Circ, c.Gm);
  for (int k = 0; k <= std::max(r.lastCurve, 2); ++k) {
    std::printf("curve %2d  PSI %+.6g  NP %d\n", k, arrays->PSI[k], arrays->NP[k]);
  }
  return 0;
}
