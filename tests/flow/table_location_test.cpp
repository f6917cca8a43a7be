// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/table_location.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fluvenna {
namespace {

namespace fs = std::filesystem;

// A fresh folder tree under the system's temporary folder, removed at the end.
class Folders : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root = fs::absolute(fs::temp_directory_path() / ("fluvenna-table-location-" + test));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path Folder(const std::string& name) {
    fs::create_directories(root / name);
    return root / name;
  }
  // A one-row table whose Eps tells the tables apart.
  void PutTable(const fs::path& folder, double Eps) {
    std::ofstream(folder / kProfileTableFileName) << "table\n1\n0.12,0.04," << Eps << ",0.01,0\n";
  }

  fs::path root;
};

TEST_F(Folders, TheFirstFolderHoldingTheFileWinsAndDirectoriesOfItsNameDoNot) {
  const fs::path work = Folder("work"), installed = Folder("prefix/share/fluvenna"),
                 system = Folder("usr/share/fluvenna");
  PutTable(installed, 0.2);
  PutTable(system, 0.3);
  fs::create_directories(work / kProfileTableFileName);  // a folder, not a table
  const std::vector<fs::path> order{work, installed, system};

  ProfileTable table;
  ProfileTableSource source = LoadFoundProfileTable(order, table);
  EXPECT_FALSE(source.failure);
  EXPECT_EQ(source.path, installed / kProfileTableFileName);
  EXPECT_EQ(table.TabEps[1], 0.2);

  fs::remove(work / kProfileTableFileName);
  PutTable(work, 0.1);  // a table in the working directory always wins
  ProfileTable local;
  source = LoadFoundProfileTable(order, local);
  EXPECT_EQ(source.path, work / kProfileTableFileName);
  EXPECT_EQ(local.TabEps[1], 0.1);

  // Reversed, the later folders come first.
  EXPECT_EQ(FindProfileTable({system, installed, work}), system / kProfileTableFileName);
}

TEST_F(Folders, ARelativeFolderGivesAnAbsoluteNormalPath) {
  const fs::path work = Folder("work");
  PutTable(work, 0.1);
  const fs::path before = fs::current_path();
  fs::current_path(root);
  const std::optional<fs::path> found = FindProfileTable({"missing", "./work/../work"});
  fs::current_path(before);
  ASSERT_TRUE(found);
  EXPECT_TRUE(found->is_absolute());
  EXPECT_EQ(*found, work / kProfileTableFileName);
}

TEST_F(Folders, NoTableAnywhereGivesTheMessageAndAnEmptyTable) {
  ProfileTable table;
  const ProfileTableSource source =
      LoadFoundProfileTable({Folder("work"), root / "no-such-folder", fs::path()}, table);
  ASSERT_TRUE(source.failure);
  EXPECT_EQ(*source.failure, "KATJO-D20G15.txt dosyası bulunamadı");
  EXPECT_TRUE(source.path.empty());
  EXPECT_EQ(table.NTab, 0.0);
  EXPECT_FALSE(FindProfileTable({}));
}

TEST_F(Folders, AFoundTableThatFailsToLoadIsNamedWithTheMessage) {
  const fs::path work = Folder("work");
  std::ofstream(work / kProfileTableFileName) << "table\n3\n0.12,0.04,0.1,0.01,0\n";
  ProfileTable table;
  const ProfileTableSource source = LoadFoundProfileTable({work}, table);
  EXPECT_EQ(source.path, work / kProfileTableFileName);
  ASSERT_TRUE(source.failure);
  EXPECT_EQ(*source.failure, kProfileTableMessage);
  EXPECT_EQ(table.TabEps[1], 0.1);  // kept as far as it was read
}

}  // namespace
}  // namespace fluvenna
