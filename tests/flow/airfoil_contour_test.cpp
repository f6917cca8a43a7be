// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/airfoil_contour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "flow/airfoil_file.h"

namespace fluvenna {
namespace {

constexpr double kPi = std::numbers::pi;

const AirfoilContour& Contour(const AirfoilResult& r) {
  EXPECT_TRUE(std::holds_alternative<AirfoilContour>(r));
  static const AirfoilContour kNone;
  const auto* c = std::get_if<AirfoilContour>(&r);
  return c ? *c : kNone;
}

// NACA sections against the published numbers (Abbott & von Doenhoff):
// thickness and camber as defined, the LE radius 1.1019 t^2, the TE angle
// 2 atan(5 t |dy_t/dx (1)| / t) with the closed-TE coefficient, and the
// geometric chord's small tilt for cambered sections.
TEST(AirfoilContour, NacaSectionsHaveTheirPublishedShape) {
  const struct {
    const char* code;
    double t, tx, f, fx;
  } cases[] = {{"0012", 0.12, 0.30, 0.0, 0.0},
               {"2412", 0.12, 0.30, 0.02, 0.40},
               {"4412", 0.12, 0.30, 0.04, 0.40},
               {"23012", 0.12, 0.30, 0.0184, 0.15},
               {"0006", 0.06, 0.30, 0.0, 0.0}};
  for (const auto& c : cases) {
    const AirfoilResult result = NacaProfile(c.code);
    const AirfoilContour& contour = Contour(result);
    const ProfileReport& r = contour.report;
    EXPECT_EQ(r.name, std::string("NACA ") + c.code);
    EXPECT_NEAR(r.thickness, c.t, 2e-4) << c.code;
    EXPECT_NEAR(r.thicknessX, c.tx, 2e-3) << c.code;
    EXPECT_NEAR(r.camber, c.f, 1e-4) << c.code;
    EXPECT_NEAR(r.camberX, c.fx, 2e-3) << c.code;
    EXPECT_NEAR(r.leadingEdgeRadius / (1.1019 * c.t * c.t), 1.0, 0.015) << c.code;
    // dy_t/dx at x = 1: 5 t (0.2969 / 2 - 0.1260 - 2 0.3516 + 3 0.2843 - 4 0.1036).
    // (Symmetric sections only: camber turns the two surfaces unequally.)
    const double slope = 5.0 * c.t * (0.14845 - 0.1260 - 0.7032 + 0.8529 - 0.4144);
    if (c.f == 0.0) {
      EXPECT_NEAR(r.trailingEdgeAngle, 2.0 * std::atan(-slope), 3e-4) << c.code;
      EXPECT_NEAR(r.chordLineAngle, 0.0, 1e-12);
    } else {
      EXPECT_LT(r.chordLineAngle, 0.0);
    }
    EXPECT_EQ(r.closedGap, 0.0);
    // Normalised: LE at the origin, chord 1, anticlockwise from the TE.
    EXPECT_NEAR(std::hypot(contour.x[0], contour.y[0]), 1.0, 1e-12);
    EXPECT_EQ(contour.x.front(), contour.x.back());
    EXPECT_GT(contour.y[contour.y.size() / 4], contour.y[3 * contour.y.size() / 4]);
    EXPECT_NEAR(r.chordLineAngle, std::atan2(contour.y[0], contour.x[0]), 1e-15);
  }
}

std::string Points(const std::vector<double>& x, const std::vector<double>& y,
                   const char* separator = " ") {
  std::string text;
  char line[96];
  for (std::size_t i = 0; i < x.size(); ++i) {
    std::snprintf(line, sizeof line, "%.17g%s%.17g\n", x[i], separator, y[i]);
    text += line;
  }
  return text;
}

// NACA 0012 in original coordinates, every `step`-th point, TE repeated.
void Naca0012(int step, std::vector<double>& x, std::vector<double>& y) {
  const AirfoilResult r = NacaProfile("0012");
  const AirfoilContour& c = Contour(r);
  x.clear(), y.clear();
  for (std::size_t i = 0; i < c.x.size(); i += static_cast<std::size_t>(step)) {
    x.push_back(c.originX + c.scale * c.x[i]);
    y.push_back(c.originY + c.scale * c.y[i]);
  }
  x.back() = x.front(), y.back() = y.front();
}

// The same points in any of the accepted spellings give the same contour.
TEST(AirfoilFile, SpellingsOfTheSamePointsAgree) {
  std::vector<double> x, y;
  Naca0012(10, x, y);
  const AirfoilContour reference = Contour(ContourFromPoints(x, y, "0012"));
  std::string crlf = "NACA 0012\r\n";
  for (const char ch : Points(x, y, "\t"))
    crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  const std::string texts[] = {
      "NACA 0012\n" + Points(x, y), "# comment\n\nNACA 0012\n   \n" + Points(x, y, ", ") + "\n\n",
      crlf, Points(x, y),  // no name line
  };
  for (const std::string& text : texts) {
    const AirfoilResult r = ReadAirfoilFile(text);
    const AirfoilContour& c = Contour(r);
    ASSERT_EQ(c.x.size(), reference.x.size()) << text.substr(0, 40);
    for (std::size_t i = 0; i < c.x.size(); ++i) {
      EXPECT_NEAR(c.x[i], reference.x[i], 1e-15);
      EXPECT_NEAR(c.y[i], reference.y[i], 1e-15);
    }
  }
  EXPECT_EQ(Contour(ReadAirfoilFile(texts[0])).name, "NACA 0012");
  EXPECT_EQ(Contour(ReadAirfoilFile(texts[3])).name, "");
}

// A blunt TE made by thickening NACA 0012 linearly along the chord is
// closed by the stated rule back to NACA 0012 itself, and the gap is
// reported; one above 2 % of the chord is refused.
TEST(AirfoilFile, BluntTrailingEdgeIsClosedByHalfTheGapEachSide) {
  std::vector<double> x, y;
  Naca0012(1, x, y);
  const AirfoilContour reference = Contour(ContourFromPoints(x, y, "0012"));
  const std::size_t le = x.size() / 2;  // the nose point (x = 0)
  ASSERT_EQ(x[le], 0.0);
  for (double gap : {0.004, 0.0199, 0.03}) {
    std::vector<double> bx = x, by = y;
    for (std::size_t i = 0; i < bx.size(); ++i) by[i] += (i < le ? 0.5 : -0.5) * gap * bx[i];
    const AirfoilResult r = ContourFromPoints(bx, by, "blunt");
    if (gap > kLargestTrailingEdgeGap) {
      ASSERT_TRUE(std::holds_alternative<AirfoilFault>(r));
      EXPECT_EQ(std::get<AirfoilFault>(r).kind, AirfoilFaultKind::kGapTooLarge);
      continue;
    }
    const AirfoilContour& c = Contour(r);
    EXPECT_NEAR(c.report.closedGap, gap, 1e-12);
    ASSERT_EQ(c.x.size(), reference.x.size());
    for (std::size_t i = 0; i < c.x.size(); ++i) {
      EXPECT_NEAR(c.x[i], reference.x[i], 1e-12) << i;
      EXPECT_NEAR(c.y[i], reference.y[i], 1e-12) << i;
    }
  }
}

std::string Named(const std::string& points) {
  return "SECTION\n" + points;
}

// Every refusal, with the line it names.
TEST(AirfoilFile, EveryRefusalNamesItsLine) {
  std::vector<double> x, y;
  Naca0012(10, x, y);  // 61 points, lines 2..62 after the name
  const std::string good = Points(x, y);
  // Two far points swapped: the first long jump arrives at line 2 + 6.
  std::vector<double> sx = x, sy = y;
  std::swap(sx[6], sx[30]), std::swap(sy[6], sy[30]);
  // A figure of eight: its waist crosses itself, segments 25-26 and 75-76
  // (which is named depends on the sense the lobes' areas leave).
  std::vector<double> ex, ey;
  for (int k = 0; k <= 100; ++k) {
    const double t = 2.0 * kPi * k / 101.0;
    ex.push_back(0.5 + 0.5 * std::cos(t)), ey.push_back(0.05 * std::sin(2.0 * t));
  }
  std::string many;
  for (int k = 0; k <= kMostAirfoilPoints; ++k) {
    const double t = 2.0 * kPi * k / (kMostAirfoilPoints + 1);
    char line[64];
    std::snprintf(line, sizeof line, "%.9f %.9f\n", 0.5 + 0.5 * std::cos(t), 0.05 * std::sin(t));
    many += line;
  }
  const std::string nineteen = Points(std::vector<double>(x.begin(), x.begin() + 19),
                                      std::vector<double>(y.begin(), y.begin() + 19));
  const struct {
    std::string text;
    AirfoilFaultKind kind;
    int line;
    int orLine = -1;  // where either of two places is right
  } cases[] = {
      {"", AirfoilFaultKind::kEmptyFile, 0},
      {"# nothing\n\n   \n", AirfoilFaultKind::kEmptyFile, 0},
      {"NAME ONLY\n", AirfoilFaultKind::kEmptyFile, 0},
      {Named("1 0\n0.5 0.1 0.2\n" + good), AirfoilFaultKind::kNotTwoNumbers, 3},
      {Named("1 0\n0.5\n"), AirfoilFaultKind::kNotTwoNumbers, 3},
      {Named("1 0\n0.5 abc\n"), AirfoilFaultKind::kNotTwoNumbers, 3},
      {Named(good + "end\n"), AirfoilFaultKind::kNotTwoNumbers, 63},
      {Named("1 0\n0.9 nan\n"), AirfoilFaultKind::kNotFinite, 3},
      {Named("1 0\n\n-inf 0\n"), AirfoilFaultKind::kNotFinite, 4},
      {Named("1 0\n1e999 0\n"), AirfoilFaultKind::kNotFinite, 3},
      {Named(nineteen), AirfoilFaultKind::kTooFewPoints, 0},
      {Named(many), AirfoilFaultKind::kTooManyPoints, kMostAirfoilPoints + 2},
      {Named(good) + std::string(kMostAirfoilFileBytes, ' '), AirfoilFaultKind::kFileTooLarge, 0},
      {"LEDNICER\n30. 30.\n" + good, AirfoilFaultKind::kCountsDisagree, 2},
      {Named(Points(ex, ey)), AirfoilFaultKind::kSelfCrossing, 2 + 25, 2 + 76},
      {Named(Points(sx, sy)), AirfoilFaultKind::kOutOfOrder, 2 + 6},
  };
  for (const auto& c : cases) {
    const AirfoilResult r = ReadAirfoilFile(c.text);
    ASSERT_TRUE(std::holds_alternative<AirfoilFault>(r)) << c.text.substr(0, 60);
    const AirfoilFault f = std::get<AirfoilFault>(r);
    EXPECT_EQ(f.kind, c.kind) << AirfoilFaultName(f.kind) << " for " << c.text.substr(0, 60);
    if (f.line != c.orLine) {
      EXPECT_EQ(f.line, c.line) << AirfoilFaultName(c.kind);
    }
  }
  const struct {
    const char* code;
    AirfoilFaultKind kind;
  } codes[] = {{"", AirfoilFaultKind::kNacaNotDigits},
               {"241", AirfoilFaultKind::kNacaNotDigits},
               {"123456", AirfoilFaultKind::kNacaNotDigits},
               {"24a2", AirfoilFaultKind::kNacaNotDigits},
               {"23112", AirfoilFaultKind::kNacaReflexed},
               {"26012", AirfoilFaultKind::kNacaUnknownMeanLine},
               {"33012", AirfoilFaultKind::kNacaUnknownMeanLine},
               {"2012", AirfoilFaultKind::kNacaUnknownMeanLine},
               {"0000", AirfoilFaultKind::kNacaNoThickness},
               {"23000", AirfoilFaultKind::kNacaNoThickness},
               {"0041", AirfoilFaultKind::kNacaTooThick}};
  for (const auto& c : codes) {
    const AirfoilResult r = NacaProfile(c.code);
    ASSERT_TRUE(std::holds_alternative<AirfoilFault>(r)) << c.code;
    EXPECT_EQ(std::get<AirfoilFault>(r).kind, c.kind) << c.code;
  }
  EXPECT_TRUE(std::holds_alternative<AirfoilContour>(NacaProfile("0040")));
  EXPECT_TRUE(std::holds_alternative<AirfoilContour>(NacaProfile("25012")));
}

}  // namespace
}  // namespace fluvenna
