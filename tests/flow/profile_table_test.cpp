// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace fluvenna {
namespace {

std::optional<std::string> Load(const std::string& text, ProfileTable& table) {
  std::istringstream in(text);
  return LoadProfileTable(in, table);
}

std::string Rows(int count, int present) {
  std::ostringstream out;
  out << "Joukowski profile table\n" << count << "\n";
  for (int i = 1; i <= present; ++i) out << i << ", 0.5, 0.1, 0.05, -2\n";
  return out.str();
}

TEST(ProfileTable, MissingFileGivesTheMessageAndAnEmptyTable) {
  ProfileTable t;
  const auto message = LoadProfileTableFile(t, "/nonexistent/KATJO-D20G15.txt");
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, "KATJO-D20G15.txt dosyası bulunamadı");
  EXPECT_EQ(t.NTab, 0.0);
  EXPECT_EQ(t.TabDelta[1], 0.0);
}

TEST(ProfileTable, CountsZeroNegativeAndFiveHundredLoadWithoutMessage) {
  ProfileTable zero, negative, full;
  EXPECT_FALSE(Load(Rows(0, 3), zero));
  EXPECT_EQ(zero.NTab, 0.0);
  EXPECT_EQ(zero.TabDelta[1], 0.0);
  EXPECT_FALSE(Load(Rows(-4, 3), negative));
  EXPECT_EQ(negative.TabDelta[1], 0.0);
  EXPECT_FALSE(Load(Rows(500, 500), full));
  EXPECT_EQ(full.NTab, 500.0);
  EXPECT_EQ(full.TabDelta[500], 500.0);
  EXPECT_EQ(full.TabExtra[500], -2.0);
}

// A table of exactly the capacity, every row different: each of the five
// columns holds rows 1 to 500 (at() stops at the end of an array), and no
// row spills into another.
TEST(ProfileTable, FullTableKeepsEveryRowOfEveryColumn) {
  std::ostringstream text;
  text << "Joukowski profile table\n500\n";
  for (int i = 1; i <= 500; ++i) {
    text << i * 0.001 << ", " << i * 0.002 << ", " << i * 0.0005 << ", " << -i * 0.0001 << ", "
         << -0.01 * i << "\n";
  }
  auto t = std::make_unique<ProfileTable>();
  ASSERT_FALSE(Load(text.str(), *t));
  ASSERT_EQ(t->NTab, 500.0);
  for (int i = 1; i <= 500; ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(t->TabDelta.at(i), i * 0.001);
    EXPECT_DOUBLE_EQ(t->TabGama.at(i), i * 0.002);
    EXPECT_DOUBLE_EQ(t->TabEps.at(i), i * 0.0005);
    EXPECT_DOUBLE_EQ(t->TabMu.at(i), -i * 0.0001);
    EXPECT_DOUBLE_EQ(t->TabExtra.at(i), -0.01 * i);
  }
  EXPECT_EQ(t->TabDelta.at(0), 0.0);
  EXPECT_EQ(t->TabExtra.at(0), 0.0);
}

TEST(ProfileTable, CountOf501LoadsFiveHundredRowsThenFails) {
  ProfileTable t;
  EXPECT_TRUE(Load(Rows(501, 501), t));
  EXPECT_EQ(t.NTab, 501.0);
  EXPECT_EQ(t.TabDelta[500], 500.0);
  EXPECT_EQ(t.TabMu[500], 0.05);
}

TEST(ProfileTable, ShortFileKeepsTheRowsPresent) {
  ProfileTable t;
  EXPECT_TRUE(Load(Rows(5, 2) + "3, 0.5\n", t));
  EXPECT_EQ(t.NTab, 5.0);
  EXPECT_EQ(t.TabDelta[2], 2.0);
  EXPECT_EQ(t.TabDelta[3], 3.0);  // a row cut short stays partly filled
  EXPECT_EQ(t.TabGama[3], 0.5);
  EXPECT_EQ(t.TabEps[3], 0.0);
  EXPECT_EQ(t.TabDelta[4], 0.0);
}

TEST(ProfileTable, FractionalCountReadsItsWholeRows) {
  ProfileTable t;
  EXPECT_FALSE(Load(Rows(2, 2).replace(24, 1, "2.7"), t));
  EXPECT_EQ(t.NTab, 2.7);
  EXPECT_EQ(t.TabDelta[2], 2.0);
}

TEST(ProfileTable, SeparatorsAnywhereReadTheSame) {
  ProfileTable lines, packed, single;
  ASSERT_FALSE(Load("title\n2\n0.01,0,0.1,0.05,1\n0.02,0.01,0.2,0.1,2\n", lines));
  ASSERT_FALSE(Load("title,2,0.01, 0, 0.1 ,0.05,1,0.02,0.01,0.2,0.1,2", packed));
  ASSERT_FALSE(
      Load("title\r\n2\r\n\r\n0.01\r\n0\r\n0.1\r\n0.05\r\n1\r\n0.02\r\n0.01\r\n0.2\r\n0.1\r\n2\r\n",
           single));
  for (const ProfileTable* t : {&lines, &packed, &single}) {
    EXPECT_EQ(t->NTab, 2.0);
    EXPECT_EQ(t->TabDelta[2], 0.02);
    EXPECT_EQ(t->TabGama[2], 0.01);
    EXPECT_EQ(t->TabEps[2], 0.2);
    EXPECT_EQ(t->TabMu[2], 0.1);
    EXPECT_EQ(t->TabExtra[2], 2.0);
  }
}

TEST(ProfileTable, TextFirstFieldIsSkippedButTextElsewhereFails) {
  ProfileTable t;
  EXPECT_FALSE(Load("Joukowsky D20 G15\n1\n0.01,0,0.1,0.05,1\n", t));
  EXPECT_EQ(t.TabEps[1], 0.1);

  ProfileTable badCount;
  EXPECT_TRUE(Load("title\nmany\n0.01,0,0.1,0.05,1\n", badCount));
  EXPECT_EQ(badCount.NTab, 0.0);

  ProfileTable badField;
  EXPECT_TRUE(Load("title\n2\n0.01,0,0.1,0.05,1\n0.02,zero,0.1,0.05,1\n", badField));
  EXPECT_EQ(badField.TabEps[1], 0.1);
  EXPECT_EQ(badField.TabDelta[2], 0.02);
  EXPECT_EQ(badField.TabGama[2], 0.0);

  ProfileTable notFinite;
  EXPECT_TRUE(Load("title\n1\n0.01,0,inf,0.05,1\n", notFinite));
}

TEST(ProfileTable, RowWithEpsMinusOneFailsTheLoad) {
  ProfileTable t;
  EXPECT_TRUE(Load("title\n2\n0.01,0,0.1,0.05,1\n0.02,0,-1,0.05,1\n", t));
  EXPECT_EQ(t.TabEps[1], 0.1);
  EXPECT_EQ(t.TabEps[2], 0.0);
}

}  // namespace
}  // namespace fluvenna
