// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "cli/render_pictures.h"

namespace fluvenna {
namespace {

using Entry = const PictureLibrary* (*)();

// The entry function among the libraries already loaded: there when the
// program was linked with the library.
Entry LinkedEntry() {
  return reinterpret_cast<Entry>(dlsym(RTLD_DEFAULT, kPictureLibraryEntry));
}

// The library's path as installed next to this program: the program's
// folder (from /proc, so that a link to the program is followed), then the
// library folder seen from the programs' folder.
std::filesystem::path LibraryPath(std::string& failure) {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    failure = "cannot find the program's folder: " + error.message();
    return {};
  }
  return (program.parent_path() / FLUVENNA_PICTURES_FROM_BIN / kPictureLibraryFile)
      .lexically_normal();
}

LoadedPictureLibrary Load() {
  LoadedPictureLibrary loaded;
  Entry entry = LinkedEntry();
  if (!entry) {
    const std::filesystem::path path = LibraryPath(loaded.failure);
    if (path.empty()) return loaded;
    // Bound lazily: a run calls few of the functions of Qt GUI it links.
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) {
      const char* why = dlerror();
      loaded.failure =
          "cannot load the pictures' library: " + std::string(why ? why : path.string());
      return loaded;
    }
    entry = reinterpret_cast<Entry>(dlsym(handle, kPictureLibraryEntry));
    if (!entry) {
      loaded.failure = "the pictures' library " + path.string() + " is of another build";
      return loaded;
    }
  }
  loaded.library = entry();
  return loaded;
}

}  // namespace

const LoadedPictureLibrary& LoadPictureLibrary() {
  static const LoadedPictureLibrary loaded = Load();
  return loaded;
}

}  // namespace fluvenna
