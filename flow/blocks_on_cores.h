// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace fluvenna {

// Work spread over the machine's cores, for loops whose steps are independent
// (the pixels of a sampled field).
//
// Calls task(first, last) for the blocks [first, last) of `block` indices
// (the last one shorter) that cover [0, count), each block exactly once, on
// up to `threads` threads, the caller's among them; 0 threads means one per
// core, as std::thread::hardware_concurrency reports them. The blocks are
// handed out in order, each to the next thread that comes free, and the call
// returns when every block is done. Threads that the system will not start
// are done without: their blocks go to the others. The task must write
// nothing that another block reads or writes, and must not throw.
//
// Built for WebAssembly (__EMSCRIPTEN__), where the page runs on one thread,
// every block runs in order on the caller's thread, whatever `threads` says.
// Requires block >= 1; nothing is called for count <= 0.
void ForBlocksOnCores(int count, int block, int threads,
                      const std::function<void(int first, int last)>& task);

// The threads ForBlocksOnCores would use for `threads` (0: one per core) and
// `blocks` blocks: at most one per block, at least one, one under WebAssembly.
int ThreadsFor(int threads, int blocks);

}  // namespace fluvenna
