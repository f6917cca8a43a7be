// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/profile_report.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "flow/airfoil_file.h"

namespace fluvenna {
namespace {

// Every refusal has its own finished sentence in both languages, naming the
// line where it has one and leaving no marker unfilled.
TEST(ProfileReport, EveryRefusalHasItsSentenceInBothLanguages) {
  std::set<std::string> seen;
  for (int k = 0; k <= static_cast<int>(AirfoilFaultKind::kNacaTooThick); ++k) {
    const auto kind = static_cast<AirfoilFaultKind>(k);
    const bool hasLine =
        kind == AirfoilFaultKind::kNotTwoNumbers || kind == AirfoilFaultKind::kNotFinite ||
        kind == AirfoilFaultKind::kTooManyPoints || kind == AirfoilFaultKind::kCountsDisagree ||
        kind == AirfoilFaultKind::kSelfCrossing || kind == AirfoilFaultKind::kOutOfOrder;
    const AirfoilFault fault{kind, hasLine ? 4711 : 0};
    const std::string en = AirfoilRefusal(fault, Language::kEnglish);
    const std::string tr = AirfoilRefusal(fault, Language::kTurkish);
    EXPECT_FALSE(en.empty()) << AirfoilFaultName(kind);
    EXPECT_NE(en, tr) << AirfoilFaultName(kind);
    EXPECT_EQ(en.find('%'), std::string::npos) << en;
    EXPECT_EQ(tr.find('%'), std::string::npos) << tr;
    EXPECT_EQ(en.find("4711") != std::string::npos, hasLine) << en;
    EXPECT_EQ(tr.find("4711") != std::string::npos, hasLine) << tr;
    EXPECT_TRUE(seen.insert(en).second) << en;
  }
  for (auto fault : {TheodorsenFault::kBadContour, TheodorsenFault::kNotStarShaped,
                     TheodorsenFault::kNotConverged}) {
    EXPECT_NE(TheodorsenRefusal(fault, Language::kEnglish),
              TheodorsenRefusal(fault, Language::kTurkish));
    EXPECT_TRUE(seen.insert(TheodorsenRefusal(fault, Language::kEnglish)).second);
  }
}

// The report line of a NACA section gives its numbers as defined.
TEST(ProfileReport, ReportLineAndMapLine) {
  const AirfoilResult result = NacaProfile("2412");
  const auto& contour = std::get<AirfoilContour>(result);
  const std::string en = ProfileReportLine(contour.report, Language::kEnglish);
  EXPECT_NE(en.find("NACA 2412: t/c = 0.1200 at x/c = 0.300, f/c = 0.0200 at x/c = 0.400."),
            std::string::npos)
      << en;
  EXPECT_NE(en.find("chord line at -0.091°"), std::string::npos) << en;
  const std::string tr = ProfileReportLine(contour.report, Language::kTurkish);
  EXPECT_NE(tr.find("Firar kenarı açısı"), std::string::npos) << tr;
  const auto map = std::get<TheodorsenMap>(BuildTheodorsenMap(contour));
  const std::string line = TheodorsenMapLine(map, Language::kEnglish);
  EXPECT_NE(line.find(std::to_string(map.Terms()) + " terms"), std::string::npos) << line;
}

// The outline's CSV reads back as a coordinate file (its header is taken
// for the name line) into the same contour.
TEST(ProfileReport, OutlineCsvReadsBackAsTheSameProfile) {
  const AirfoilResult result = NacaProfile("4412");
  const auto& contour = std::get<AirfoilContour>(result);
  std::ostringstream csv;
  WriteProfileCsv(contour, csv);
  EXPECT_EQ(csv.str().substr(0, 4), "x,y\n");
  const AirfoilResult back = ReadAirfoilFile(csv.str());
  ASSERT_TRUE(std::holds_alternative<AirfoilContour>(back));
  const auto& again = std::get<AirfoilContour>(back);
  ASSERT_EQ(again.x.size(), contour.x.size());
  for (std::size_t i = 0; i < again.x.size(); ++i) {
    EXPECT_NEAR(again.x[i], contour.x[i], 1e-14);
    EXPECT_NEAR(again.y[i], contour.y[i], 1e-14);
  }
}

}  // namespace
}  // namespace fluvenna
