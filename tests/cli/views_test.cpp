// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's views beside the plots: the lift curve, the flow field and
// its probe, each the core's numbers to the last digit.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "cli_test_support.h"
#include "flow/flow_field.h"
#include "flow/lift_curve.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "report/field_text.h"

namespace fluvenna {
namespace {

std::vector<std::vector<std::string>> CsvRows(const std::string& text, std::string& header) {
  std::istringstream in(text);
  std::getline(in, header);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    rows.push_back(fields);
  }
  return rows;
}

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

// The pass the renderer runs for these arguments, run again by the core.
PassResult CorePass(const testing::TableFolder& folder, const QStringList& arguments) {
  ProfileTable table;
  EXPECT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto arrays = std::make_unique<PointArrays>();
  return RunWholePass(testing::Options(arguments).texts, table, *arrays);
}

// Whether a pixel near (x, y) is mostly `red`, `green`, `blue` (lines are antialiased).
bool InkNear(const QImage& image, double x, double y, int red, int green, int blue) {
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      const QColor c = image.pixelColor(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
      if (std::abs(c.red() - red) + std::abs(c.green() - green) + std::abs(c.blue() - blue) < 200)
        return true;
    }
  }
  return false;
}

TEST(LiftCurveOutput, RowsAreTheCoresCurveAndThePictureDrawsThem) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "7.5", "--kutta", "0.8"};
  const QString prefix = folder.Path("views");
  const testing::Run run =
      testing::RenderWith(folder, pass + QStringList{"--lift-curve", "-", "--png", prefix});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  EXPECT_NE(run.err.find("slope"), std::string::npos);  // the summary moved to standard error

  const PassResult result = CorePass(folder, pass);
  const LiftCurve core =
      ComputeLiftCurve(result.params, MeasureProfile(result.params.Eps, result.params.Mu).chord);
  std::string header;
  const auto rows = CsvRows(run.out, header);
  EXPECT_EQ(header, "alpha_deg,cl,cl_thin");
  ASSERT_EQ(rows.size(), core.points.size());
  ASSERT_EQ(rows.size(), 42u);  // -10..30 and the pass's 7.5
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 3u);
    EXPECT_EQ(Number(rows[i][0]), core.points[i].alpha_deg);
    EXPECT_EQ(Number(rows[i][1]), core.points[i].cl);
    EXPECT_EQ(Number(rows[i][2]), core.points[i].cl_thin);
  }

  // Red where the exact curve is, blue where the thin-airfoil line is.
  const QImage picture(prefix + "-lift.png");
  ASSERT_FALSE(picture.isNull());
  const LiftFrame f = LiftPictureFrame(core);
  const auto pixel = [&](double alpha, double cl) {
    return std::pair{(alpha - f.left) / (f.right - f.left) * picture.width(),
                     (cl - f.top) / (f.bottom - f.top) * picture.height()};
  };
  for (const LiftCurvePoint& p : core.points) {
    if (p.alpha_deg != std::round(p.alpha_deg) || static_cast<int>(p.alpha_deg) % 5 == 0)
      continue;  // away from the grid lines and the pass's mark
    const auto [xe, ye] = pixel(p.alpha_deg, p.cl);
    const auto [xt, yt] = pixel(p.alpha_deg, p.cl_thin);
    EXPECT_TRUE(InkNear(picture, xe, ye, 255, 0, 0)) << p.alpha_deg;
    EXPECT_TRUE(InkNear(picture, xt, yt, 0, 0, 255)) << p.alpha_deg;
  }
}

TEST(FieldOutput, ProbesAndTheSampledFieldAreTheCoresFlow) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8"};
  const QString prefix = folder.Path("field");
  const QString csvPath = folder.Path("field.csv");
  const testing::Run run = testing::RenderWith(
      folder, pass + QStringList{"--field", "speed", "--png", prefix, "--field-csv", csvPath,
                                 "--probe", "airfoil:0.3,0.1", "--probe", "circle:-1e-3,2",
                                 "--probe", "airfoil:0,0.01"});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  const PassResult result = CorePass(folder, pass);
  const FlowFieldModel model(result.params, result.circle);

  std::string header;
  const auto probes = CsvRows(run.out, header);
  EXPECT_EQ(header, kProbeCsvHeader);
  ASSERT_EQ(probes.size(), 3u);
  EXPECT_EQ(
      run.out.substr(run.out.find('\n') + 1),
      ProbeCsvLine(FieldPlane::kAirfoil, 0.3, 0.1, model.At(FieldPlane::kAirfoil, 0.3, 0.1)) +
          "\n" +
          ProbeCsvLine(FieldPlane::kCircle, -1e-3, 2, model.At(FieldPlane::kCircle, -1e-3, 2)) +
          "\n" +
          ProbeCsvLine(FieldPlane::kAirfoil, 0, 0.01, model.At(FieldPlane::kAirfoil, 0, 0.01)) +
          "\n");
  EXPECT_EQ(probes[0][3], "flow");
  EXPECT_EQ(probes[2][3], "inside body");

  // The picture has the plots' height, widened by the colour bar; the CSV has
  // a row for every pixel centre of its flow part.
  const QImage picture(prefix + "-field.png");
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.height(), 263);
  EXPECT_EQ(picture.width(), static_cast<int>(std::lround(263 * FieldPictureAspect())));
  QFile file(csvPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const auto rows = CsvRows(file.readAll().toStdString(), header);
  EXPECT_EQ(header, kFieldCsvHeader);
  const PixelGrid grid =
      FieldPixelGrid(FieldPictureFrame(result.params.Olcek), picture.width(), picture.height());
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid.width) * grid.height);
  for (const std::size_t i : {std::size_t{0}, rows.size() / 2 + 17, rows.size() - 1}) {
    const double x = Number(rows[i][0]), y = Number(rows[i][1]);
    const auto [cx, cy] =
        PixelCentre(grid, static_cast<int>(i) % grid.width, static_cast<int>(i) / grid.width);
    EXPECT_EQ(x, cx);
    EXPECT_EQ(y, cy);
    const FieldPoint p = model.At(FieldPlane::kAirfoil, x, y);
    EXPECT_EQ(rows[i][2], FieldStateName(p.state));
    EXPECT_EQ(Number(rows[i][5]), p.q);
  }

  for (const char* bad : {"airfoil:1,nan", "wing:0,0", "airfoil:0;0", "circle:1e999,0"}) {
    EXPECT_EQ(ParseCommandLine({"fluvenna-render", "--probe", bad}).action,
              ParsedCommandLine::Action::kUsageError)
        << bad;
  }
  EXPECT_EQ(ParseCommandLine({"fluvenna-render", "--field", "pressure"}).action,
            ParsedCommandLine::Action::kUsageError);
  EXPECT_EQ(ParseCommandLine({"fluvenna-render", "--probe", "airfoil:0,0", "--csv", "-"}).action,
            ParsedCommandLine::Action::kUsageError);
}

// The flow in motion: the times of every point, the pairs' times in the
// summary (the upper side first when there is lift) and the animated view as
// numbered pictures.
TEST(MotionOutput, TimesSummaryAndFrames) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "6", "--nsl", "8"};
  const QString frames = folder.Path("frames");
  const testing::Run run = testing::RenderWith(
      folder,
      pass + QStringList{"--times", "-", "--frames", frames, "--seconds", "0.4", "--fps", "10"});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  std::string header;
  const auto rows = CsvRows(run.out, header);
  EXPECT_EQ(header, "plane,curve,point,psi,x,y,q,t");
  int circle = 0, airfoil = 0;
  for (const auto& row : rows) (row[0] == "circle" ? circle : airfoil) += 1;
  EXPECT_GT(circle, 500);
  EXPECT_GT(airfoil, 500);

  // Three pairs, each with the upper curve faster to the trailing edge.
  int pairs = 0;
  const std::size_t timesAt = run.err.find("Time of flight");
  ASSERT_NE(timesAt, std::string::npos);
  for (std::size_t at = run.err.find("upper ", timesAt); at != std::string::npos;
       at = run.err.find("upper ", at + 1)) {
    const double upper = std::strtod(run.err.c_str() + at + 6, nullptr);
    const std::size_t lowerAt = run.err.find("lower ", at);
    ASSERT_NE(lowerAt, std::string::npos);
    EXPECT_LT(upper, std::strtod(run.err.c_str() + lowerAt + 6, nullptr));
    ++pairs;
  }
  EXPECT_EQ(pairs, 3);

  // 0.4 s at 10 a second: four pictures of the view, moving.
  const QDir dir(frames);
  EXPECT_EQ(dir.entryList({"*.png"}, QDir::Files, QDir::Name),
            (QStringList{"fluvenna-0001.png", "fluvenna-0002.png", "fluvenna-0003.png",
                         "fluvenna-0004.png"}));
  const QImage first(dir.filePath("fluvenna-0001.png")), last(dir.filePath("fluvenna-0004.png"));
  EXPECT_EQ(first.width(), static_cast<int>(std::lround(263 * FieldPictureAspect())));
  EXPECT_EQ(first.height(), 263);
  EXPECT_NE(first, last);

  // The frames move over the flow-field view: apart from the particles and
  // timelines, a frame is the --field picture of the same pass.
  const QString still = folder.Path("still");
  ASSERT_EQ(testing::RenderWith(folder, pass + QStringList{"--png", still, "--field", "cp"}).status,
            kExitPassOk);
  const QImage field = QImage(still + "-field.png").convertToFormat(QImage::Format_RGB32);
  const QImage frame = first.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(field.size(), frame.size());
  int alike = 0;
  for (int y = 0; y < field.height(); ++y) {
    for (int x = 0; x < field.width(); ++x) {
      const QColor a = field.pixelColor(x, y), b = frame.pixelColor(x, y);
      alike += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               12;
    }
  }
  EXPECT_GT(alike, 0.9 * field.width() * field.height());

  EXPECT_EQ(ParseCommandLine({"fluvenna-render", "--frames", "f", "--fps", "0"}).action,
            ParsedCommandLine::Action::kUsageError);
  EXPECT_EQ(
      ParseCommandLine({"fluvenna-render", "--frames", "f", "--seconds", "600", "--fps", "120"})
          .action,
      ParsedCommandLine::Action::kUsageError);  // more than 10,000 pictures
}

}  // namespace
}  // namespace fluvenna
