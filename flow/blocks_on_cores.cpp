// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/blocks_on_cores.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace fluvenna {

int ThreadsFor(int threads, int blocks) {
#ifdef __EMSCRIPTEN__
  (void)threads, (void)blocks;
  return 1;
#else
  if (threads <= 0) threads = static_cast<int>(std::thread::hardware_concurrency());
  return std::max(1, std::min(threads, blocks));
#endif
}

void ForBlocksOnCores(int count, int block, int threads,
                      const std::function<void(int first, int last)>& task) {
  if (count <= 0) return;
  const int blocks = (count - 1) / block + 1;
  const int used = ThreadsFor(threads, blocks);
  if (used == 1) {
    for (int first = 0; first < count; first += block) task(first, std::min(first + block, count));
    return;
  }
#ifndef __EMSCRIPTEN__
  // Each thread takes the next block until none is left; the only thing the
  // threads share is this counter.
  std::atomic<int> next{0};
  const auto work = [&] {
    for (int b = next.fetch_add(1, std::memory_order_relaxed); b < blocks;
         b = next.fetch_add(1, std::memory_order_relaxed)) {
      const int first = b * block;
      task(first, std::min(first + block, count));
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(used - 1));
  try {
    for (int i = 1; i < used; ++i) helpers.emplace_back(work);
  } catch (const std::system_error&) {
    // Fewer threads: the ones running, and the caller's, take every block.
  }
  work();
  for (std::thread& helper : helpers) helper.join();
#endif
}

}  // namespace fluvenna
