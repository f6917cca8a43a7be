// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <sstream>

#include "cli_test_support.h"

namespace fluvenna {
namespace {

const QStringList kPass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8", "--nsl", "10"};

struct CountedRun {
  int status = -1;
  RenderWork work;
};

CountedRun RenderCounted(const testing::TableFolder& folder, QStringList arguments) {
  arguments << QStringLiteral("--table") << folder.TablePath();
  std::ostringstream out, err;
  CountedRun run;
  run.status = Render(testing::Options(kPass + arguments), out, err, &run.work);
  return run;
}

// The rows of a CSV file below its header.
long long RowsOf(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().count('\n') - 1;
}

// A run computes what it writes and nothing else: it samples the flow field
// only for the field's picture and its CSV, once for each, and paints only
// the pictures whose files it writes. The summary, which every drawn pass
// prints, has the times of flight at the trailing-edge station: a run works
// them out alone, unless it writes every point's time (--times), which
// gives them too.
TEST(Work, EachRunComputesOnlyWhatItWrites) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  const QString fieldCsv = folder.Path("field.csv");

  const CountedRun png = RenderCounted(folder, {"--png", prefix});
  ASSERT_EQ(png.status, kExitPassOk);
  EXPECT_EQ(png.work.session.fieldPoints, 0) << "a plain render samples no field";
  EXPECT_EQ(png.work.session.timesOfFlight, 0);
  EXPECT_EQ(png.work.session.stationTimes, 1);
  EXPECT_EQ(png.work.picturesPainted, 5)
      << "the circle, airfoil, pressure, friction and lift pictures";

  for (const QStringList& numbers : {QStringList{"--json"}, QStringList{},
                                     QStringList{"--csv", folder.Path("a.csv"), "--cp", "-"}}) {
    SCOPED_TRACE(numbers.join(' ').toStdString());
    const CountedRun run = RenderCounted(folder, numbers);
    ASSERT_EQ(run.status, kExitPassOk);
    EXPECT_EQ(run.work.session.fieldPoints, 0);
    EXPECT_EQ(run.work.session.timesOfFlight, 0);
    EXPECT_EQ(run.work.session.stationTimes, 1);
    EXPECT_EQ(run.work.picturesPainted, 0) << "no picture is painted that is not written";
  }

  // The field's CSV samples each of its rows once; the field's picture, of
  // the same size, samples the same points again, in both formats at once.
  const CountedRun csv = RenderCounted(folder, {"--field-csv", fieldCsv});
  ASSERT_EQ(csv.status, kExitPassOk);
  const long long rows = RowsOf(fieldCsv);
  EXPECT_GT(rows, 100000);
  EXPECT_EQ(csv.work.session.fieldPoints, rows);
  EXPECT_EQ(csv.work.picturesPainted, 0);
  const CountedRun both =
      RenderCounted(folder, {"--png", prefix, "--svg", prefix, "--field", "cp", "--field-csv",
                             fieldCsv, "--times", folder.Path("times.csv")});
  ASSERT_EQ(both.status, kExitPassOk);
  EXPECT_EQ(both.work.session.fieldPoints, 2 * rows);
  EXPECT_EQ(both.work.session.timesOfFlight, 1);
  EXPECT_EQ(both.work.session.stationTimes, 0) << "the summary takes them from --times'";
  EXPECT_EQ(both.work.picturesPainted, 12);

  // A pass that fails computes nothing after it.
  const CountedRun failed = RenderCounted(folder, {"--dr", "0", "--field-csv", fieldCsv});
  EXPECT_EQ(failed.status, kExitPassError);
  EXPECT_EQ(failed.work.session.fieldPoints, 0);
  EXPECT_EQ(failed.work.session.timesOfFlight, 0);
  EXPECT_EQ(failed.work.session.stationTimes, 0);
}

}  // namespace
}  // namespace fluvenna
