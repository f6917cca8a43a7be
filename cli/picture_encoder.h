// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "cli/render_pictures.h"

namespace fluvenna {

// Pictures finished (encoded) while the run goes on: each picture handed
// over once it is painted is finished on a thread of the encoder's own, in
// the order handed over, while the run computes and paints the next ones;
// Finish then finishes whatever still waits on the calling thread as well.
// The PNG encoding, most of the time of a run's last pictures, is thus done
// beside the pass rather than after it. Each picture is finished exactly
// once, on one thread.
class PictureEncoder {
 public:
  PictureEncoder() = default;
  PictureEncoder(const PictureEncoder&) = delete;
  PictureEncoder& operator=(const PictureEncoder&) = delete;
  // Waits for the picture being finished, if any; those still waiting are
  // left unfinished (a run that ends early).
  ~PictureEncoder();

  // Hands over a painted picture, to be finished into `bytes`. Nothing may
  // paint on it any more; `bytes` is written once the picture is finished,
  // and must not be read before Finish returns.
  void Add(PictureFile& picture, std::string& bytes);
  // Returns when every picture handed over is finished.
  void Finish();

 private:
  using Job = std::pair<PictureFile*, std::string*>;
  bool TakeJob(Job& job);  // with the lock held
  void Work();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> waiting_;
  int busy_ = 0;        // pictures being finished
  bool stop_ = false;   // the worker ends
  std::thread worker_;  // started by the first Add
};

}  // namespace fluvenna
