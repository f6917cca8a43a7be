// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/deferred_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "flow/profile_table.h"
#include "plot/unpainted_surface.h"
#include "session/pass_session.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

// The operations of two recordings are the same, in the same order.
void ExpectSameOperations(const RecordingSurface& direct, const RecordingSurface& later) {
  ASSERT_EQ(direct.ops.size(), later.ops.size());
  for (std::size_t i = 0; i < direct.ops.size(); ++i) {
    const RecordingSurface::Op &a = direct.ops[i], &b = later.ops[i];
    EXPECT_EQ(a.kind, b.kind) << "operation " << i;
    for (int j = 0; j < 4; ++j) EXPECT_EQ(a.a[j], b.a[j]) << "operation " << i;
    EXPECT_EQ(a.colour, b.colour) << "operation " << i;
    EXPECT_EQ(a.text, b.text) << "operation " << i;
    EXPECT_EQ(a.anchor, b.anchor) << "operation " << i;
  }
}

// A whole pass, its pressure plot included, drawn later from what was kept
// is exactly the pass drawn at once: every segment, text and scale.
TEST(DeferredSurface, APassDrawnLaterIsThePassDrawnAtOnce) {
  PassSession session;
  const std::string table = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;
  ASSERT_FALSE(LoadProfileTableFile(session.Table(), table).has_value());
  ParameterTexts texts;
  texts.DELTA = "0.12";
  texts.GAMA = "0.04";
  texts.Alfa = "8";
  texts.kMax = "10";

  RecordingSurface direct[3];
  ASSERT_TRUE(session.Run(texts, direct[0], direct[1], &direct[2]).ok());
  DeferredSurface kept[3];
  ASSERT_TRUE(session.Run(texts, kept[0], kept[1], &kept[2]).ok());
  for (int i = 0; i < 3; ++i) {
    EXPECT_GT(kept[i].size(), 50u);
    RecordingSurface later;
    ASSERT_TRUE(kept[i].DrawOn(later));
    ExpectSameOperations(direct[i], later);
  }
}

// It refuses what the unpainted surface refuses, keeps none of it, and keeps
// an image's pixels and a text's words of its own.
TEST(DeferredSurface, RefusesAsTheUnpaintedSurfaceAndKeepsCopies) {
  DeferredSurface kept;
  UnpaintedSurface unpainted;
  const double nan = std::nan("");
  EXPECT_EQ(kept.Line(0, 0, 1, 1, kAxisColour), unpainted.Line(0, 0, 1, 1, kAxisColour));
  EXPECT_EQ(kept.Text(0, 0, "x", kAxisColour, TextAnchor::kTop),
            unpainted.Text(0, 0, "x", kAxisColour, TextAnchor::kTop));
  EXPECT_EQ(kept.Scale(0, 0, 0, 1), unpainted.Scale(0, 0, 0, 1));
  EXPECT_EQ(kept.size(), 0u);  // nothing before a user system

  ASSERT_TRUE(kept.Scale(-1, 1, 1, -1));
  ASSERT_TRUE(unpainted.Scale(-1, 1, 1, -1));
  EXPECT_FALSE(kept.Line(0, 0, static_cast<float>(nan), 1, kAxisColour));
  EXPECT_FALSE(kept.Image(0, 0, 1, 1, RgbaImage{2, 2, std::vector<std::uint8_t>(3)}));
  EXPECT_EQ(kept.size(), 1u);

  RgbaImage image{1, 1, {1, 2, 3, 4}};
  std::string words = "C_L = 1.5";
  ASSERT_TRUE(kept.Image(-1, 1, 1, -1, image));
  ASSERT_TRUE(kept.Text(0.5, 0.5, words, kStreamlineColour, TextAnchor::kBottomRight));
  image.pixels[0] = 9;
  words = "changed";
  RecordingSurface later;
  ASSERT_TRUE(kept.DrawOn(later));
  ASSERT_EQ(later.ops.size(), 3u);
  EXPECT_EQ(later.ops[1].text, "1x1");
  EXPECT_EQ(later.ops[2].text, "C_L = 1.5");
  EXPECT_EQ(later.ops[2].anchor, TextAnchor::kBottomRight);
}

// Drawing on a surface that refuses an operation stops there and says so.
TEST(DeferredSurface, DrawingStopsAtTheFirstOperationTheTargetRefuses) {
  DeferredSurface kept;
  ASSERT_TRUE(kept.Scale(0, 1, 1, 0));
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(kept.Line(0, 0, 0.25f * i, 1, kBodyColour));
  RecordingSurface refusing;
  refusing.failAt = 2;
  EXPECT_FALSE(kept.DrawOn(refusing));
  EXPECT_EQ(refusing.ops.size(), 2u);
}

}  // namespace
}  // namespace fluvenna
