// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/blocks_on_cores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "flow/circle_model.h"
#include "flow/flow_field.h"
#include "flow/parameters.h"

namespace fluvenna {
namespace {

// Every index is handed out exactly once, in blocks of the stated shape,
// whatever the threads, and the call returns only when all are done.
TEST(BlocksOnCores, HandsOutEveryIndexOnceInWholeBlocks) {
  for (const int count : {0, 1, 7, 8, 9, 1000}) {
    for (const int block : {1, 8, 64}) {
      for (const int threads : {0, 1, 2, 3, 16}) {
        SCOPED_TRACE(std::to_string(count) + " in blocks of " + std::to_string(block) + " on " +
                     std::to_string(threads));
        const auto seen = std::make_unique<std::atomic<int>[]>(static_cast<std::size_t>(count) + 1);
        std::atomic<int> badBlocks{0};
        ForBlocksOnCores(count, block, threads, [&](int first, int last) {
          if (first % block != 0 || last != std::min(first + block, count)) ++badBlocks;
          for (int i = first; i < last; ++i) ++seen[static_cast<std::size_t>(i)];
        });
        EXPECT_EQ(badBlocks, 0);
        for (int i = 0; i < count; ++i) ASSERT_EQ(seen[static_cast<std::size_t>(i)], 1) << i;
      }
    }
  }
  EXPECT_EQ(ThreadsFor(1, 100), 1);
  EXPECT_EQ(ThreadsFor(4, 3), 3) << "no more threads than blocks";
  EXPECT_GE(ThreadsFor(0, 100), 1);
}

// The sampled field is the same bit for bit (NaNs too) on any number of
// threads, in both planes and for both quantities, over passes with and
// without the Kutta condition, the flat plate and a steep angle.
TEST(BlocksOnCores, FieldIsTheSameBitForBitOnAnyThreads) {
  struct Pass {
    double Eps, Mu, Alfa, iKutta;
  };
  const Pass passes[] = {
      {0.1, 0.05, 8.0, 1.0}, {0.1, 0.05, 8.0, 0.5}, {0.0, 0.0, 5.0, 1.0}, {0.2, 0.1, 30.0, 1.0}};
  // Odd sizes, so that the last block of rows is a short one.
  const PixelGrid grid{-1.2, 0.8, 1.2, -0.8, 301, 203};
  for (const Pass& pass : passes) {
    FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
    p.Eps = pass.Eps, p.Mu = pass.Mu, p.Alfa = pass.Alfa, p.iKutta = pass.iKutta;
    const FlowFieldModel model(p, ComputeCircleModel(p));
    for (const FieldPlane plane : {FieldPlane::kCircle, FieldPlane::kAirfoil}) {
      for (const FieldQuantity quantity : {FieldQuantity::kCp, FieldQuantity::kSpeed}) {
        const std::vector<double> one = SampleField(model, plane, quantity, grid, 1);
        ASSERT_EQ(one.size(), 301u * 203u);
        if (pass.Eps > 0.0) {
          EXPECT_TRUE(std::any_of(one.begin(), one.end(), [](double v) { return v != v; }))
              << "the body, without flow, is in the picture";
        }
        for (const int threads : {0, 2, 3, 5}) {
          const std::vector<double> many = SampleField(model, plane, quantity, grid, threads);
          ASSERT_EQ(many.size(), one.size());
          EXPECT_EQ(std::memcmp(many.data(), one.data(), one.size() * sizeof(double)), 0)
              << pass.Eps << " " << pass.Alfa << " " << pass.iKutta << ", " << threads
              << " threads";
        }
      }
    }
  }
}

}  // namespace
}  // namespace fluvenna
