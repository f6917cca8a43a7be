// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The times CSV reads back as the pass's points and the core's times, the
// same time for a point in both planes; the summary gives the core's pair
// times to its six digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "flow/pass.h"
#include "report/pass_curves.h"
#include "report/time_of_flight_report.h"

namespace fluvenna {
namespace {

struct Pass {
  PassResult result;
  PassCurves curves;
};

// A pass with the one table row of Eps = 0.1, Mu = 0.05 (delta 0.1, gamma 0.05).
std::unique_ptr<Pass> RunPass(const char* nsl) {
  ProfileTable table;
  table.NTab = 1;
  table.TabDelta[1] = 0.1, table.TabGama[1] = 0.05, table.TabEps[1] = 0.1, table.TabMu[1] = 0.05;
  ParameterTexts texts;
  texts.DELTA = "0.1", texts.GAMA = "0.05", texts.Alfa = "8", texts.kMax = nsl;
  auto pass = std::make_unique<Pass>();
  auto arrays = std::make_unique<PointArrays>();
  pass->result = RunCirclePlane(texts, table, *arrays);
  pass->curves.TakeCirclePlane(*arrays, pass->result.lastCurve);
  RunAirfoilPlane(pass->result, *arrays);
  pass->curves.TakeAirfoilPlane(*arrays, pass->result.lastCurve);
  return pass;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
  return fields;
}

TEST(TimesReport, CsvReadsBackAsThePointsAndTheirTimes) {
  const auto pass = RunPass("10");
  const TimeOfFlight times = TimeOfFlightOf(pass->result.params, pass->result.circle, pass->curves);
  ASSERT_EQ(times.curves.size(), 10u);  // curves 1..10; the body is not timed
  std::ostringstream out;
  WriteTimesCsv(times, out);
  std::istringstream in(out.str());
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "plane,curve,point,psi,x,y,q,t");
  std::size_t rows = 0, infinite = 0;
  for (; std::getline(in, line); ++rows) {
    const std::vector<std::string> f = Split(line);
    ASSERT_EQ(f.size(), 8u) << line;
    const int k = std::stoi(f[1]);
    const auto j = static_cast<std::size_t>(std::stoi(f[2]) - 1);
    const bool circle = f[0] == "circle";
    ASSERT_TRUE(circle || f[0] == "airfoil") << line;
    const PlaneCurve& drawn =
        (circle ? pass->curves.circle() : pass->curves.airfoil())[static_cast<std::size_t>(k)];
    const CurveTimes& timed = times.curves[static_cast<std::size_t>(k - 1)];
    ASSERT_EQ(timed.k, k);
    ASSERT_LT(j, drawn.x.size());
    // The very points the pass drew, and the core's numbers exactly.
    EXPECT_EQ(std::strtod(f[3].c_str(), nullptr), drawn.PSI);
    EXPECT_EQ(std::strtod(f[4].c_str(), nullptr), drawn.x[j]);
    EXPECT_EQ(std::strtod(f[5].c_str(), nullptr), drawn.y[j]);
    EXPECT_EQ(std::strtod(f[6].c_str(), nullptr), circle ? timed.qc[j] : timed.qa[j]);
    // A point's time is the same in both planes (here every point has its image).
    EXPECT_EQ(std::strtod(f[7].c_str(), nullptr), timed.t[j]);
    if (f[7] == "inf" || f[7] == "-inf") ++infinite;
  }
  std::size_t points = 0;
  for (int k = 1; k <= 10; ++k) {
    points += pass->curves.circle()[static_cast<std::size_t>(k)].x.size() +
              pass->curves.airfoil()[static_cast<std::size_t>(k)].x.size();
  }
  EXPECT_EQ(rows, points);
  EXPECT_EQ(infinite, 2u);  // the front stagnation point of curve 2, in both planes
}

// `text` is `value` to six significant digits: no more digits than six, and
// within half a unit of the sixth.
void ExpectSixDigits(const std::string& text, double value) {
  int digits = 0;
  bool leading = true;
  for (const char c : text.substr(0, text.find_first_of("eE"))) {
    if (c < '0' || c > '9') continue;
    if (c != '0') leading = false;
    if (!leading) ++digits;
  }
  EXPECT_LE(digits, 6) << text;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 5);
  EXPECT_LE(std::fabs(std::stod(text) - value), 0.5 * unit * (1 + 1e-9)) << text << " " << value;
}

TEST(TimesReport, SummaryGivesEachPairsTimes) {
  const auto pass = RunPass("10");
  const TimeOfFlight times = TimeOfFlightOf(pass->result.params, pass->result.circle, pass->curves);
  const std::string text = TimesSummaryText(times);
  const std::vector<PairTimes> pairs = StationTimes(times);
  ASSERT_EQ(pairs.size(), 4u);
  const std::regex heading(
      R"(Time of flight from the release line x = (\S+) to the trailing-edge station x = (\S+):\n)");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, heading)) << text;
  ExpectSixDigits(m[1], times.releaseX);
  ExpectSixDigits(m[2], times.stationX);
  const std::regex pairLine(R"(pair (\d) \(psi = \+-(\S+)\): upper (\S+), lower (\S+)\n)");
  std::size_t seen = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pairLine);
       it != std::sregex_iterator(); ++it, ++seen) {
    const PairTimes& pair = pairs[seen];
    EXPECT_EQ(std::stoi((*it)[1]), pair.m);
    EXPECT_NEAR(std::stod((*it)[2]), pair.psi, 1e-12);
    ExpectSixDigits((*it)[2], pair.psi);
    ExpectSixDigits((*it)[3], *pair.upper);
    ExpectSixDigits((*it)[4], *pair.lower);
  }
  EXPECT_EQ(seen, 4u);
  // An odd nSL leaves the last upper curve without its partner; nSL = 2 has no pair.
  const auto odd = RunPass("9");
  const std::string oddText =
      TimesSummaryText(TimeOfFlightOf(odd->result.params, odd->result.circle, odd->curves));
  EXPECT_NE(oddText.find("pair 4 (psi = +-0.4): upper "), std::string::npos) << oddText;
  EXPECT_NE(oddText.find(", lower none\n"), std::string::npos) << oddText;
  const auto none = RunPass("2");
  EXPECT_NE(TimesSummaryText(TimeOfFlightOf(none->result.params, none->result.circle, none->curves))
                .find("no streamline pairs"),
            std::string::npos);
}

}  // namespace
}  // namespace fluvenna
