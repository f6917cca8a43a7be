// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace fluvenna {

// A file that replaces the one at `path` only when it is committed. Open
// makes a new file beside it (PATH.xxxxxxxx, in the same folder, so that the
// rename cannot cross file systems); Commit writes the bytes and renames the
// new file over `path`, so that a reader sees the old file or the new one,
// never a part of either. A file that is never committed is removed. As with
// QSaveFile: an existing file must be writable and not a folder, a link is
// followed to the file it names, and the new file gets the permissions of
// the file it replaces (or 0666 less the umask for a new one).
//
// Unlike QSaveFile it does not sync the file to the disk before the rename:
// the renderer's files are made again by running it once more, and the
// sync, five times for the pictures of one run, took longer than the run.
class ReplacingFile {
 public:
  explicit ReplacingFile(std::string path) : path_(std::move(path)) {}
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  ~ReplacingFile();

  // Makes the new file; false, with Error() saying why, when it cannot.
  bool Open();
  // Writes `bytes` to the new file and puts it in the place of the old one;
  // false, with Error() saying why, when any step fails (the old file is
  // then left as it was).
  bool Commit(std::string_view bytes);
  // Why the last step failed, in one line.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& what);
  std::string path_;       // as given
  std::string finalPath_;  // the file replaced, links followed
  std::string newPath_;    // the new file while it is open
  int fd_ = -1;
  std::string error_;
};

}  // namespace fluvenna
