// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace fluvenna {
namespace {

// Links followed at most before the path itself is written, as QSaveFile
// does with a loop of links.
constexpr int kMostLinks = 128;
// Names tried for the new file before giving up.
constexpr int kNameAttempts = 100;

// The file a chain of links ends at (the path itself when it is no link, or
// when the chain is too long).
std::string FollowLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path file(path);
  std::error_code error;
  for (int i = 0; i < kMostLinks; ++i) {
    if (!fs::is_symlink(fs::symlink_status(file, error))) return file.string();
    const fs::path target = fs::read_symlink(file, error);
    if (error) return path;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return path;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(newPath_.c_str());
  }
}

bool ReplacingFile::Fail(const std::string& what) {
  error_ = what;
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(newPath_.c_str());
    fd_ = -1;
  }
  return false;
}

bool ReplacingFile::Open() {
  struct stat existing {};
  const bool exists = ::stat(path_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Fail("Filename refers to a directory");
  if (exists && ::access(path_.c_str(), W_OK) != 0) {
    return Fail("Existing file " + path_ + " is not writable");
  }
  finalPath_ = FollowLinks(path_);
  // A new file is made 0666 less the umask, as any file; one that replaces
  // another is made 0600 and given the old file's permissions.
  std::random_device random;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
    newPath_ = finalPath_ + suffix;
    fd_ = ::open(newPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) return Fail(std::strerror(errno));
  if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0) return Fail(std::strerror(errno));
  return true;
}

bool ReplacingFile::Commit(std::string_view bytes) {
  if (fd_ < 0) return Fail("the file is not open");
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Fail(std::strerror(written < 0 ? errno : ENOSPC));
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(newPath_.c_str());
    return Fail(std::strerror(error));
  }
  if (::rename(newPath_.c_str(), finalPath_.c_str()) != 0) {
    const int error = errno;
    ::unlink(newPath_.c_str());
    return Fail(std::strerror(error));
  }
  return true;
}

}  // namespace fluvenna
