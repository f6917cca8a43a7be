#include "cli/render.h"

#include <QSaveFile>
#include <memory>
#include <sstream>
#include <vector>

#include "report/curves_csv.h"
#include "cli/fan_out_surface.h"
#include "report/pass_curves.h"
#include "cli/pass_picture.h"
#include "report/pass_summary.h"
#include "flow/profile_table.h"
#include "plot/drawing.h"

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

// The pictures of one format: the circle-plane plot and the airfoil plot.
struct PicturePair {
  PassPicture::Format format;
  OutputFile circleFile, airfoilFile;
  std::unique_ptr<PassPicture> circle, airfoil;
};

}  // namespace

int Render(const RenderOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<PicturePair> pairs;
  const auto addPair = [&](PassPicture::Format format, const QString& prefix, const char* ext) {
    PicturePair pair{format,
                     {prefix + "-circle." + ext, nullptr},
                     {prefix + "-airfoil." + ext, nullptr},
                     nullptr,
                     nullptr};
    pairs.push_back(std::move(pair));
  };
  if (!options.pngPrefix.isEmpty()) addPair(PassPicture::Format::kPng, options.pngPrefix, "png");
  if (!options.svgPrefix.isEmpty()) addPair(PassPicture::Format::kSvg, options.svgPrefix, "svg");
  const bool csvToOut = options.csvPath == QStringLiteral("-");
  OutputFile csvFile{options.csvPath, nullptr};
  for (PicturePair& pair : pairs) {
    if (!Open(pair.circleFile, err) || !Open(pair.airfoilFile, err)) return kExitUsage;
  }
  if (!options.csvPath.isEmpty() && !csvToOut && !Open(csvFile, err)) return kExitUsage;

  ProfileTable table;
  if (auto message = LoadProfileTableFile(table, options.tablePath.toStdString())) {
    err << kProgram << "warning: " << *message << '\n';
  }

  // The plots are always painted, written or not, so that a pass fails on
  // the same surface operations whichever files are asked for.
  PassPicture circleImage(PassPicture::Format::kPng, options.size, {});
  PassPicture airfoilImage(PassPicture::Format::kPng, options.size, {});
  FanOutSurface picture1, picture2;
  picture1.Add(circleImage.surface());
  picture2.Add(airfoilImage.surface());
  for (PicturePair& pair : pairs) {
    if (pair.format == PassPicture::Format::kPng) continue;
    pair.circle = std::make_unique<PassPicture>(pair.format, options.size,
                                                QStringLiteral("Fluvenna: flow past the circle"));
    pair.airfoil = std::make_unique<PassPicture>(
        pair.format, options.size, QStringLiteral("Fluvenna: flow around the airfoil"));
    picture1.Add(pair.circle->surface());
    picture2.Add(pair.airfoil->surface());
  }

  auto arrays = std::make_unique<PointArrays>();
  PassCurves curves;
  bool mapped = false;
  const PassResult result = DrawPass(options.texts, table, *arrays, picture1, picture2,
                                     [&](const PassResult& circlePlane, const PointArrays& a) {
                                       curves.TakeCirclePlane(a, circlePlane.lastCurve);
                                       mapped = true;  // the map runs right after this
                                     });
  if (mapped) {
    curves.TakeAirfoilPlane(*arrays, result.lastCurve);
  } else {
    curves.TakeCirclePlane(*arrays, result.lastCurve);  // the arrays still hold the circle plane
  }

  for (const std::string& note : result.notes) err << kProgram << "note: " << note << '\n';
  const PassSummary summary = SummarisePass(result, curves);
  std::ostream& summaryOut = csvToOut ? err : out;
  summaryOut << (options.json ? SummaryJson(summary) : SummaryText(summary));
  if (!result.ok()) {
    err << kProgram << "error: " << *result.error << "; no file written\n";
    return kExitPassError;
  }

  for (PicturePair& pair : pairs) {
    const bool png = pair.format == PassPicture::Format::kPng;
    PassPicture& circle = png ? circleImage : *pair.circle;
    PassPicture& airfoil = png ? airfoilImage : *pair.airfoil;
    if (!Commit(pair.circleFile, circle.Finish(), err) ||
        !Commit(pair.airfoilFile, airfoil.Finish(), err)) {
      return kExitUsage;
    }
  }
  if (!options.csvPath.isEmpty()) {
    std::ostringstream csv;
    WriteCurvesCsv(curves, csv);
    if (csvToOut) {
      out << csv.str();
    } else if (!Commit(csvFile, QByteArray::fromStdString(csv.str()), err)) {
      return kExitUsage;
    }
  }
  return kExitPassOk;
}

}  // namespace fluvenna
