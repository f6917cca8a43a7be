// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep: a whole pass for every setting the four profile and flow scroll
// bars can make (DELTA 30 x GAMA 15 x Alfa 41 x iKutta 11 = 202,950), with
// nSL 10 and dR 0.01, once with the other bars where the window opens
// (dPsi 0.1, Scale 1) and once at their other extreme (dPsi 0.01, Scale 3),
// over the committed profile table. The texts are the ones the scroll bars
// write. Every pass must
//   - end without error and without a note;
//   - leave every point finite, in the circle plane and on the airfoil;
//   - give every curve 0..nSL at least 2 points;
//   - keep every point of curves 1..nSL on its streamline:
//       |psi(XA, YA) - PSI(k)| <= 1e-6,
//       psi(r, theta) = U0 (r - A^2 / r) sin(theta) + Gm ln(r / A);
//   - map the first contour point onto the trailing edge (nC, 0) within 1e-9.
// The settings are shared out over two threads.
//
// Usage: fluvenna-sweep TABLE [--every N]
//   --every N  checks only every N-th setting of each grid (for slow builds).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "flow/pass.h"
#include "report/number_text.h"

namespace {

using namespace fluvenna;

constexpr double kOnStreamline = 1e-6;  // |psi - PSI| of a traced point
constexpr double kTrailingEdge = 1e-9;  // first contour point against (nC, 0)
constexpr int kSettings = 30 * 15 * 41 * 11;
constexpr int kReportedFailures = 20;

struct Extreme {
  const char* name;
  int dPsiBar;   // HScroll_dPsi value, text = value / 100
  int OlcekBar;  // HScroll_Olcek value, text = value / 10
};
constexpr Extreme kExtremes[] = {{"dPsi 0.1, Scale 1", 10, 10}, {"dPsi 0.01, Scale 3", 1, 30}};

std::string Text(double value) {
  return NumberText(value);
}

// The texts of setting `index` as the scroll bars write them.
ParameterTexts SettingTexts(int index, const Extreme& extreme) {
  const int kutta = index % 11;
  index /= 11;
  const int alfa = index % 41 - 10;
  index /= 41;
  const int gama = index % 15;
  const int delta = index / 15 + 1;
  ParameterTexts t;
  t.DELTA = Text(delta / 100.0);
  t.GAMA = Text(gama / 100.0);
  t.Alfa = Text(alfa);
  t.iKutta = Text(kutta / 10.0);
  t.dPsi = Text(extreme.dPsiBar / 100.0);
  t.kMax = Text(10);
  t.Olcek = Text(extreme.OlcekBar / 10.0);
  t.dR = "0.01";
  return t;
}

struct Tally {
  long passes = 0;
  long points = 0;  // points of curves 1..nSL checked against their streamline
  double largestPsiError = 0.0;
  double largestEdgeError = 0.0;
  long failures = 0;
  std::vector<std::string> firstFailures;

  void Fail(const std::string& what) {
    ++failures;
    if (static_cast<int>(firstFailures.size()) < kReportedFailures) firstFailures.push_back(what);
  }
  void Add(const Tally& o) {
    passes += o.passes;
    points += o.points;
    largestPsiError = std::max(largestPsiError, o.largestPsiError);
    largestEdgeError = std::max(largestEdgeError, o.largestEdgeError);
    failures += o.failures;
    for (const auto& f : o.firstFailures) {
      if (static_cast<int>(firstFailures.size()) < kReportedFailures) firstFailures.push_back(f);
    }
  }
};

std::string Describe(const ParameterTexts& t) {
  return "delta " + t.DELTA + " gamma " + t.GAMA + " alpha " + t.Alfa + " kutta " + t.iKutta +
         " dpsi " + t.dPsi + " scale " + t.Olcek;
}

void CheckPass(const ParameterTexts& texts, const ProfileTable& table, PointArrays& a,
               Tally& tally) {
  const PassResult r = RunWholePass(texts, table, a);
  ++tally.passes;
  const std::string where = Describe(texts);
  if (!r.ok()) return tally.Fail(where + ": error: " + *r.error);
  if (!r.notes.empty()) tally.Fail(where + ": note: " + r.notes.front());
  if (r.params.profileRow == 0) tally.Fail(where + ": no table row");
  if (r.lastCurve != 10)
    return tally.Fail(where + ": nSL 10 gives curves up to " + std::to_string(r.lastCurve));
  const double A = r.circle.A, Gm = r.circle.Gm, U0 = r.params.U0;
  for (int k = 0; k <= r.lastCurve; ++k) {
    if (a.NP[k] < 2) tally.Fail(where + ": curve " + std::to_string(k) + " has < 2 points");
    double worst = 0.0;
    for (int j = 1; j <= a.NP[k]; ++j) {
      const double x = a.XA(k, j), y = a.YA(k, j);
      if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(a.XP(k, j)) ||
          !std::isfinite(a.YP(k, j))) {
        tally.Fail(where + ": curve " + std::to_string(k) + " point " + std::to_string(j) +
                   " is not finite");
        break;
      }
      if (k == 0) continue;
      // psi in terms of r^2: (r - A^2 / r) sin(theta) = y (1 - A^2 / r^2),
      // ln(r / A) = ln(r^2 / A^2) / 2.
      const double r2 = x * x + y * y;
      const double psi = U0 * y * (1.0 - A * A / r2) + 0.5 * Gm * std::log(r2 / (A * A));
      worst = std::max(worst, std::fabs(psi - a.PSI[k]));
      ++tally.points;
    }
    tally.largestPsiError = std::max(tally.largestPsiError, worst);
    if (!(worst <= kOnStreamline)) {
      tally.Fail(where + ": curve " + std::to_string(k) + " leaves its streamline by " +
                 std::to_string(worst));
    }
  }
  const double edge = std::max(std::fabs(a.XP(0, 1) - r.circle.nC), std::fabs(a.YP(0, 1)));
  tally.largestEdgeError = std::max(tally.largestEdgeError, edge);
  if (!(edge <= kTrailingEdge))
    tally.Fail(where + ": first contour point misses the trailing edge");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--every")) {
    std::fprintf(stderr, "usage: %s TABLE [--every N]\n", argv[0]);
    return 2;
  }
  const int every = (argc == 4) ? std::atoi(argv[3]) : 1;
  if (every < 1) {
    std::fprintf(stderr, "--every needs a whole number >= 1\n");
    return 2;
  }
  ProfileTable table;
  if (const auto message = LoadProfileTableFile(table, argv[1])) {
    std::fprintf(stderr, "%s: %s\n", argv[1], message->c_str());
    return 1;
  }

  const auto start = std::chrono::steady_clock::now();
  constexpr int kThreads = 2;
  Tally total;
  for (const Extreme& extreme : kExtremes) {
    std::vector<Tally> tallies(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        auto arrays = std::make_unique<PointArrays>();
        for (int i = t * every; i < kSettings; i += kThreads * every) {
          CheckPass(SettingTexts(i, extreme), table, *arrays, tallies[t]);
        }
      });
    }
    for (auto& thread : threads) thread.join();
    Tally part;
    for (const Tally& t : tallies) part.Add(t);
    std::printf(
        "%s: %ld passes, %ld points on their streamlines, largest |psi - PSI| %.3g, "
        "largest trailing-edge miss %.3g, %ld failures\n",
        extreme.name, part.passes, part.points, part.largestPsiError, part.largestEdgeError,
        part.failures);
    total.Add(part);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "sweep: %ld passes, %ld points checked, largest |psi - PSI| %.3g, "
      "largest trailing-edge miss %.3g, %.1f s\n",
      total.passes, total.points, total.largestPsiError, total.largestEdgeError, seconds);
  for (const auto& f : total.firstFailures) std::printf("FAILED %s\n", f.c_str());
  if (total.failures > 0) {
    std::printf("sweep: %ld failures\n", total.failures);
    return 1;
  }
  return 0;
}
