// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/picture_encoder.h"

namespace fluvenna {

PictureEncoder::~PictureEncoder() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void PictureEncoder::Add(PictureFile& picture, std::string& bytes) {
  {
    const std::lock_guard lock(mutex_);
    waiting_.emplace_back(&picture, &bytes);
  }
  if (!worker_.joinable()) {
    worker_ = std::thread([this] { Work(); });
  } else {
    changed_.notify_all();
  }
}

bool PictureEncoder::TakeJob(Job& job) {
  if (waiting_.empty()) return false;
  job = waiting_.front();
  waiting_.pop_front();
  ++busy_;
  return true;
}

void PictureEncoder::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || !waiting_.empty(); });
    Job job;
    if (stop_ || !TakeJob(job)) return;
    lock.unlock();
    *job.second = job.first->Finish();
    lock.lock();
    --busy_;
    changed_.notify_all();
  }
}

void PictureEncoder::Finish() {
  std::unique_lock lock(mutex_);
  for (;;) {
    Job job;
    if (TakeJob(job)) {
      lock.unlock();
      *job.second = job.first->Finish();
      lock.lock();
      --busy_;
    } else if (busy_ > 0) {
      changed_.wait(lock, [this] { return busy_ == 0 || !waiting_.empty(); });
    } else {
      return;
    }
  }
}

}  // namespace fluvenna
