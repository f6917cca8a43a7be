// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-table: computes the profile table, the circle-centre offsets
// (Eps, Mu) for every (DELTA, GAMA) pair the scroll bars produce, and writes
// it in the format the program loads. Progress goes to standard error.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "report/licence.h"
#include "tools/profile_table_generator.h"

namespace {

constexpr double kAcceptedDeviation = 1e-6;  // a row off by more is an error

constexpr const char* kHelp = R"(usage: fluvenna-table [PATH]
       fluvenna-table --version

Computes the profile table of Fluvenna and writes it to PATH (standard output
when no PATH is given); progress goes to standard error. The window and
fluvenna-render read the table as KATJO-D20G15.txt from the working
directory, else from the installed copy in <prefix>/share/fluvenna/.

For every pair DELTA = 0.01 .. 0.30 and GAMA = 0 .. 0.14 (steps of 0.01,
450 rows) it finds the circle-centre offsets Eps and Mu for which the
profile the program draws (the circle through (cJ, 0) centred at
(-Eps cJ, Mu cJ), carried by the map with exponent 2 and chord 1) has
  DELTA = maximum thickness / chord    and    GAMA = maximum camber / chord.
The trailing edge is the image of (cJ, 0), the leading edge the contour point
farthest from it, and the chord the segment between them. At each station
along the chord the thickness is the distance between upper and lower surface
measured perpendicular to the chord; the mean line lies midway between them,
and the camber is its largest distance from the chord. Both ratios are met to
1e-13 (a row off by more than 1e-6 stops the run and nothing is written).

The file: a title line, the row count, then one line per row with
  1  DELTA  thickness ratio, two decimals (the key the program matches)
  2  GAMA   camber ratio, two decimals (the key the program matches)
  3  Eps    x-offset ratio of the circle centre
  4  Mu     y-offset ratio of the circle centre
  5  zero-lift angle of attack in degrees, -arctan(Mu / (1 + Eps))
columns 3 to 5 with 17 significant digits so that they read back exactly.
)";

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Writes the table to `path` by way of a temporary file, so a failed run
// leaves an existing table as it was.
bool WriteFile(const std::string& path, const std::vector<fluvenna::ProfileTableRow>& rows) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary);
    fluvenna::WriteProfileTable(out, rows);
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace fluvenna;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::fputs(VersionText("fluvenna-table", FLUVENNA_VERSION).c_str(), stdout);
      return 0;
    }
    if (argv[i][0] == '-' || !path.empty()) {
      std::fprintf(stderr, "usage: fluvenna-table [PATH]   (--help explains the table)\n");
      return 2;
    }
    path = argv[i];
  }

  const ProfileTableGrid grid;
  const auto start = std::chrono::steady_clock::now();
  std::vector<ProfileTableRow> rows;
  double worstThickness = 0.0, worstCamber = 0.0;
  for (int delta = grid.deltaFirst; delta <= grid.deltaLast; ++delta) {
    for (int gama = grid.gamaFirst; gama <= grid.gamaLast; ++gama) {
      rows.push_back(MakeProfileTableRow(delta, gama));
      const ProfileTableRow& row = rows.back();
      if (!row.converged || std::fabs(row.thicknessError) > kAcceptedDeviation ||
          std::fabs(row.camberError) > kAcceptedDeviation) {
        std::fprintf(stderr,
                     "fluvenna-table: no solution for DELTA %s GAMA %s (thickness off by %.3g, "
                     "camber off by %.3g); nothing written\n",
                     row.deltaKey.c_str(), row.gamaKey.c_str(), row.thicknessError,
                     row.camberError);
        return 1;
      }
      worstThickness = std::max(worstThickness, std::fabs(row.thicknessError));
      worstCamber = std::max(worstCamber, std::fabs(row.camberError));
    }
    std::fprintf(stderr, "fluvenna-table: DELTA %s done, %zu of %d rows (%.1f s)\n",
                 rows.back().deltaKey.c_str(), rows.size(), grid.rows(), Seconds(start));
  }

  if (path.empty()) {
    WriteProfileTable(std::cout, rows);
    if (!std::cout.flush()) return 1;
  } else if (!WriteFile(path, rows)) {
    std::fprintf(stderr, "fluvenna-table: cannot write %s\n", path.c_str());
    return 1;
  }
  std::fprintf(stderr,
               "fluvenna-table: %zu rows written to %s in %.1f s; largest deviation from the "
               "keys: thickness %.2g, camber %.2g\n",
               rows.size(), path.empty() ? "standard output" : path.c_str(), Seconds(start),
               worstThickness, worstCamber);
  return 0;
}
