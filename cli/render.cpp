// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "app/table_search.h"
#include "cli/fan_out_surface.h"
#include "flow/profile_table.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "plot/qt/pass_picture.h"
#include "report/curves_csv.h"
#include "report/pass_curves.h"
#include "report/pass_summary.h"
#include "report/surface_csv.h"

namespace fluvenna {
namespace {

constexpr const char* kProgram = "fluvenna-render: ";

// A file to be written. It is opened before the pass, so that a path that
// cannot be written is found before anything is computed, and it replaces
// an existing file only when committed, after a pass without error.
struct OutputFile {
  QString path;
  std::unique_ptr<QSaveFile> file;
};

bool Open(OutputFile& output, std::ostream& err) {
  output.file = std::make_unique<QSaveFile>(output.path);
  if (output.file->open(QIODevice::WriteOnly)) return true;
  err << kProgram << "cannot write " << output.path.toStdString() << ": "
      << output.file->errorString().toStdString() << '\n';
  return false;
}

// Empty bytes stand for a picture that could not be encoded.
bool Commit(OutputFile& output, const QByteArray& bytes, std::ostream& err) {
  if (!bytes.isEmpty() && output.file->write(bytes) == bytes.size() && output.file->commit()) {
    return true;
  }
  err << kProgram << "cannot write " << output.path.toStdString() << ": "
      << output.file->errorString().toStdString() << '\n';
  return false;
}

// The pictures of one format: the circle-plane plot, the airfoil plot and
// the surface pressure.
struct PictureSet {
  PassPicture::Format format;
  OutputFile circleFile, airfoilFile, pressureFile;
  std::unique_ptr<PassPicture> circle, airfoil, pressure;
};

// The table the pass uses: exactly the file given by --table, else the first
// one found in the working directory or the installed data folders.
ProfileTableSource LoadTable(const QString& tablePath, ProfileTable& table) {
  if (tablePath.isEmpty()) return LoadProfileTableFromUsualFolders(table);
  ProfileTableSource source;
  source.failure = LoadProfileTableFile(table, QFile::encodeName(tablePath).toStdString());
  const QFileInfo file(tablePath);
  if (file.isFile() && file.isReadable())
    source.path = QFile::encodeName(file.absoluteFilePath()).toStdString();
  return source;
}

}  // namespace

int Render(const RenderOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<PictureSet> sets;
  const auto addSet = [&](PassPicture::Format format, const QString& prefix, const char* ext) {
    sets.push_back(PictureSet{format,
                              {prefix + "-circle." + ext, nullptr},
                              {prefix + "-airfoil." + ext, nullptr},
                              {prefix + "-pressure." + ext, nullptr},
                              nullptr,
                              nullptr,
                              nullptr});
  };
  if (!options.pngPrefix.isEmpty()) addSet(PassPicture::Format::kPng, options.pngPrefix, "png");
  if (!options.svgPrefix.isEmpty()) addSet(PassPicture::Format::kSvg, options.svgPrefix, "svg");
  const bool csvToOut = options.csvPath == QStringLiteral("-");
  const bool cpToOut = options.cpPath == QStringLiteral("-");
  OutputFile csvFile{options.csvPath, nullptr};
  OutputFile cpFile{options.cpPath, nullptr};
  for (PictureSet& set : sets) {
    if (!Open(set.circleFile, err) || !Open(set.airfoilFile, err) || !Open(set.pressureFile, err)) {
      return kExitUsage;
    }
  }
  if (!options.csvPath.isEmpty() && !csvToOut && !Open(csvFile, err)) return kExitUsage;
  if (!options.cpPath.isEmpty() && !cpToOut && !Open(cpFile, err)) return kExitUsage;

  ProfileTable table;
  const ProfileTableSource tableSource = LoadTable(options.tablePath, table);
  if (tableSource.failure) err << kProgram << "warning: " << *tableSource.failure << '\n';

  // The plots are always painted, written or not, so that a pass fails on
  // the same surface operations whichever files are asked for.
  PassPicture circleImage(PassPicture::Format::kPng, options.size, {});
  PassPicture airfoilImage(PassPicture::Format::kPng, options.size, {});
  PassPicture pressureImage(PassPicture::Format::kPng, options.size, {});
  FanOutSurface picture1, picture2, picture3;
  picture1.Add(circleImage.surface());
  picture2.Add(airfoilImage.surface());
  picture3.Add(pressureImage.surface());
  for (PictureSet& set : sets) {
    if (set.format == PassPicture::Format::kPng) continue;
    set.circle = std::make_unique<PassPicture>(set.format, options.size,
                                               QStringLiteral("Fluvenna: flow past the circle"));
    set.airfoil = std::make_unique<PassPicture>(
        set.format, options.size, QStringLiteral("Fluvenna: flow around the airfoil"));
    set.pressure = std::make_unique<PassPicture>(set.format, options.size,
                                                 QStringLiteral("Fluvenna: surface pressure"));
    picture1.Add(set.circle->surface());
    picture2.Add(set.airfoil->surface());
    picture3.Add(set.pressure->surface());
  }

  auto arrays = std::make_unique<PointArrays>();
  PassCurves curves;
  bool mapped = false;
  PassResult result = DrawPass(options.texts, table, *arrays, picture1, picture2,
                               [&](const PassResult& circlePlane, const PointArrays& a) {
                                 curves.TakeCirclePlane(a, circlePlane.lastCurve);
                                 mapped = true;  // the map runs right after this
                               });
  if (mapped) {
    curves.TakeAirfoilPlane(*arrays, result.lastCurve);
  } else {
    curves.TakeCirclePlane(*arrays, result.lastCurve);  // the arrays still hold the circle plane
  }
  std::optional<SurfacePressure> pressure;
  if (result.ok()) {
    pressure = ComputeSurfacePressure(result.params, result.circle);
    if (!DrawPressurePicture(picture3, *pressure)) {
      result.error = "the surface pressure could not be drawn";
    }
  }

  for (const std::string& note : result.notes) err << kProgram << "note: " << note << '\n';
  if (pressure) {
    for (const std::string& note : pressure->notes) err << kProgram << "note: " << note << '\n';
  }
  PassSummary summary = SummarisePass(result, curves, pressure ? &*pressure : nullptr);
  summary.table = tableSource.path.string();
  if (!summary.table.empty()) summary.tableFailure = tableSource.failure;
  std::ostream& summaryOut = (csvToOut || cpToOut) ? err : out;
  summaryOut << (options.json ? SummaryJson(summary) : SummaryText(summary));
  if (!result.ok()) {
    err << kProgram << "error: " << *result.error << "; no file written\n";
    return kExitPassError;
  }

  for (PictureSet& set : sets) {
    const bool png = set.format == PassPicture::Format::kPng;
    PassPicture& circle = png ? circleImage : *set.circle;
    PassPicture& airfoil = png ? airfoilImage : *set.airfoil;
    PassPicture& surface = png ? pressureImage : *set.pressure;
    if (!Commit(set.circleFile, circle.Finish(), err) ||
        !Commit(set.airfoilFile, airfoil.Finish(), err) ||
        !Commit(set.pressureFile, surface.Finish(), err)) {
      return kExitUsage;
    }
  }
  const auto write = [&](const QString& path, bool toOut, OutputFile& file,
                         const std::string& text) {
    if (path.isEmpty()) return true;
    if (toOut) {
      out << text;
      return true;
    }
    return Commit(file, QByteArray::fromStdString(text), err);
  };
  std::ostringstream csv, cp;
  if (!options.csvPath.isEmpty()) WriteCurvesCsv(curves, csv);
  if (!options.cpPath.isEmpty()) WriteSurfaceCsv(*pressure, cp);
  if (!write(options.csvPath, csvToOut, csvFile, csv.str()) ||
      !write(options.cpPath, cpToOut, cpFile, cp.str())) {
    return kExitUsage;
  }
  return kExitPassOk;
}

}  // namespace fluvenna
