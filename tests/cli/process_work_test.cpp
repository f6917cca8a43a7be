// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What fluvenna-render costs as a whole process, counted rather than timed:
// the libraries the dynamic loader maps, and the pages the process touches.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <string>
#include <vector>

#include "cli_test_support.h"

extern char** environ;

namespace fluvenna {
namespace {

// A pass of the test table's second row.
const QStringList kPass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8", "--nsl", "10"};

struct ProcessWork {
  int status = -1;
  long minorFaults = 0;  // pages the process touched (first touches)
};

// Runs fluvenna-render in `folder` with `arguments`, its output thrown away,
// with `extraEnvironment` (NAME=value) added, and counts its page faults.
ProcessWork RunCounted(const QString& folder, const QStringList& arguments,
                       const std::vector<std::string>& extraEnvironment = {}) {
  std::vector<std::string> words{FLUVENNA_RENDER_PROGRAM};
  for (const QString& argument : arguments) words.push_back(argument.toStdString());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<std::string> environment(extraEnvironment);
  for (char** variable = environ; *variable; ++variable) environment.emplace_back(*variable);
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const QByteArray directory = QFile::encodeName(folder);
  posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
  pid_t pid = 0;
  ProcessWork work;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0);
  if (spawned != 0) return work;
  int status = 0;
  rusage usage{};
  EXPECT_EQ(wait4(pid, &status, 0, &usage), pid);
  if (WIFEXITED(status)) work.status = WEXITSTATUS(status);
  work.minorFaults = usage.ru_minflt;
  return work;
}

// The files the dynamic loader mapped for one run, as glibc's loader lists
// them with LD_DEBUG=files: its libraries, then those it loaded itself.
QStringList LoadedFiles(const testing::TableFolder& folder, const QStringList& arguments) {
  const QString log = folder.Path("loader");
  const ProcessWork run =
      RunCounted(folder.Path("."), arguments,
                 {"LD_DEBUG=files", "LD_DEBUG_OUTPUT=" + QFile::encodeName(log).toStdString()});
  EXPECT_EQ(run.status, kExitPassOk) << arguments.join(' ').toStdString();
  QStringList files;
  // The loader writes to LOG.PID.
  for (const QString& name : QDir(folder.Path(".")).entryList({"loader.*"})) {
    QFile file(folder.Path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray& line : file.readAll().split('\n')) {
      const int at = line.indexOf("file=");
      if (at >= 0) files << QString::fromLocal8Bit(line.mid(at + 5).split(' ').first());
    }
    file.remove();
  }
  return files;
}

bool AnyNames(const QStringList& files, const QString& library) {
  return files.filter(library).size() > 0;
}

// A run that prints numbers alone loads no Qt library at all, nor the
// pictures' library or what it brings (fonts, X11, DBus, ICU): the C++
// runtime alone. A run that paints loads them, which shows the log is read
// right.
TEST(ProcessWork, OnlyARunThatPaintsLoadsQt) {
  const testing::TableFolder folder;
  for (const QStringList& numbers :
       {QStringList{"--json"}, QStringList{}, QStringList{"--csv", "a.csv", "--cp", "cp.csv"},
        QStringList{"--alpha", "-5", "--json"}, QStringList{"-h"}, QStringList{"-v"}}) {
    SCOPED_TRACE(numbers.join(' ').toStdString());
    const QStringList files = LoadedFiles(folder, kPass + numbers);
    EXPECT_TRUE(AnyNames(files, "libstdc++")) << files.join(' ').toStdString();
    for (const char* library : {"fluvenna-render-pictures", "libQt6", "libicu", "libfontconfig",
                                "libX11", "libpng", "libdeflate"}) {
      EXPECT_FALSE(AnyNames(files, library)) << library << " in " << files.join(' ').toStdString();
    }
  }
  // Qt's own options (one dash and a word) start the GUI application first.
  for (const QStringList& pictures : {QStringList{"--png", "out"}, QStringList{"--svg", "out"},
                                      QStringList{"-reverse", "--json"}}) {
    SCOPED_TRACE(pictures.join(' ').toStdString());
    const QStringList files = LoadedFiles(folder, kPass + pictures);
    for (const char* library :
         {"fluvenna-render-pictures", "libQt6Core", "libQt6Gui", "libQt6Svg"}) {
      EXPECT_TRUE(AnyNames(files, library))
          << library << " not in " << files.join(' ').toStdString();
    }
  }
}

// The pass touches little memory beyond what the program touches to print
// its version: the point arrays' pages of the points it traces, not the
// whole 3.4 MB of them (cleared, they were 840 pages of the 1,040 the pass
// touched), and no record of the plots it draws, which a run that writes no
// picture only checks (kept, they were 65 pages more). The bound is some
// 1.3 MB; the pass touches about 1.1 MB.
constexpr long kMostPassPages = 320;

TEST(ProcessWork, ThePassTouchesLittleMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory is counted too";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "AddressSanitizer's shadow memory is counted too";
#endif
#endif
  const testing::TableFolder folder;
  const ProcessWork version = RunCounted(folder.Path("."), {"--version"});
  ASSERT_EQ(version.status, kExitPassOk);
  const ProcessWork json = RunCounted(folder.Path("."), kPass + QStringList{"--json"});
  ASSERT_EQ(json.status, kExitPassOk);
  EXPECT_GT(json.minorFaults, version.minorFaults);
  EXPECT_LT(json.minorFaults - version.minorFaults, kMostPassPages)
      << json.minorFaults << " page faults against " << version.minorFaults << " for --version";
}

}  // namespace
}  // namespace fluvenna
