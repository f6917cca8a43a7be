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
#include "plot/qt/pass_picture.h"
#include "report/pass_summary.h"
#include "session/pass_session.h"

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
  const bool liftToOut = options.liftPath == QStringLiteral("-");
  OutputFile csvFile{options.csvPath, nullptr};
  OutputFile cpFile{options.cpPath, nullptr};
  OutputFile liftFile{options.liftPath, nullptr};
  for (PictureSet& set : sets) {
    if (!Open(set.circleFile, err) || !Open(set.airfoilFile, err) || !Open(set.pressureFile, err)) {
      return kExitUsage;
    }
  }
  if (!options.csvPath.isEmpty() && !csvToOut && !Open(csvFile, err)) return kExitUsage;
  if (!options.cpPath.isEmpty() && !cpToOut && !Open(cpFile, err)) return kExitUsage;
  if (!options.liftPath.isEmpty() && !liftToOut && !Open(liftFile, err)) return kExitUsage;

  PassSession session;
  const ProfileTableSource tableSource = LoadTable(options.tablePath, session.Table());
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

  PassResult result = session.Run(options.texts, picture1, picture2, &picture3);
  const ShownPass* shown = session.Shown();  // this pass, when it was drawn whole
  const SurfacePressure* pressure = shown ? &shown->pressure : nullptr;
  if (shown && !session.PressureDrawn()) result.error = "the surface pressure could not be drawn";

  for (const std::string& note : result.notes) err << kProgram << "note: " << note << '\n';
  if (pressure) {
    for (const std::string& note : pressure->notes) err << kProgram << "note: " << note << '\n';
  }
  PassSummary summary = SummarisePass(result, session.LastCurves(), pressure);
  summary.table = tableSource.path.string();
  if (!summary.table.empty()) summary.tableFailure = tableSource.failure;
  std::ostream& summaryOut = (csvToOut || cpToOut || liftToOut) ? err : out;
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
  if (!write(options.csvPath, csvToOut, csvFile, session.Csv()) ||
      !write(options.cpPath, cpToOut, cpFile, session.SurfaceCsv()) ||
      !write(options.liftPath, liftToOut, liftFile, session.LiftCurveCsv())) {
    return kExitUsage;
  }
  return kExitPassOk;
}

}  // namespace fluvenna
