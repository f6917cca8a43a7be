// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string_view>
#include <thread>
#include <vector>

#include "app/table_search.h"
#include "cli/picture_encoder.h"
#include "cli/render_pictures.h"
#include "cli/replacing_file.h"
#include "flow/profile_table.h"
#include "plot/deferred_surface.h"
#include "plot/field_picture.h"
#include "plot/particles_picture.h"
#include "plot/unpainted_surface.h"
#include "report/field_text.h"
#include "report/finite_wing_report.h"
#include "report/pass_summary.h"
#include "session/pass_session.h"

namespace fluvenna {
namespace {

constexpr const char* kProgram = "fluvenna-render: ";

// A file to be written. It is opened before the pass, so that a path that
// cannot be written is found before anything is computed, and it replaces
// an existing file only when committed, after a pass without error.
struct OutputFile {
  std::string path;
  std::unique_ptr<ReplacingFile> file;
};

bool Open(OutputFile& output, std::ostream& err) {
  output.file = std::make_unique<ReplacingFile>(output.path);
  if (output.file->Open()) return true;
  err << kProgram << "cannot write " << output.path << ": " << output.file->Error() << '\n';
  return false;
}

// Empty bytes stand for a picture that could not be encoded.
bool Commit(OutputFile& output, const std::string& bytes, std::ostream& err) {
  if (!bytes.empty() && output.file->Commit(bytes)) return true;
  err << kProgram << "cannot write " << output.path << ": "
      << (bytes.empty() ? std::string("Unknown error") : output.file->Error()) << '\n';
  return false;
}

// The pictures a run writes: the two plots, the surface pressure, the lift
// curve, with --field the flow field, with --map the conformal map, and the
// boundary layer's skin friction.
enum PictureKind {
  kCircle,
  kAirfoil,
  kPressure,
  kLift,
  kField,
  kMap,
  kFriction,
  kFiniteWing,
  kPictureKinds
};
constexpr const char* kPictureNames[kPictureKinds] = {"circle", "airfoil", "pressure", "lift",
                                                      "field",  "map",     "friction", "wing"};
constexpr const char* kPictureTitles[kPictureKinds] = {
    "Fluvenna: flow past the circle", "Fluvenna: flow around the airfoil",
    "Fluvenna: surface pressure",     "Fluvenna: lift curve",
    "Fluvenna: flow field",           "Fluvenna: conformal map",
    "Fluvenna: skin friction",        "Fluvenna: finite wing"};

// A picture painted, when it is finished, from what was drawn of it before
// it was made.
class KeptPicture : public PictureFile {
 public:
  KeptPicture(std::unique_ptr<PictureFile> picture, const DeferredSurface& kept)
      : picture_(std::move(picture)), kept_(kept) {}
  PlotSurface& Surface() override { return picture_->Surface(); }
  std::string Finish() override {
    return kept_.DrawOn(picture_->Surface()) ? picture_->Finish() : std::string();
  }

 private:
  std::unique_ptr<PictureFile> picture_;
  const DeferredSurface& kept_;
};

// The pictures of one format, each with its file.
struct PictureSet {
  PictureFormat format;
  std::vector<PictureKind> kinds;
  std::vector<OutputFile> files;
  std::vector<std::unique_ptr<PictureFile>> pictures;
  std::vector<std::string> bytes;  // of each finished picture
};

// The flow-field picture has the plots' height and is wider by its colour
// bar's strip.
PictureSize FieldPictureSize(PictureSize plotSize) {
  return PictureSize{static_cast<int>(std::lround(plotSize.height * FieldPictureAspect())),
                     plotSize.height};
}

// The finite wing's four panels: twice the plots' size each way.
PictureSize FiniteWingPictureSize(PictureSize plotSize) {
  return PictureSize{plotSize.width * 2, plotSize.height * 2};
}

FieldColouring ColouringOf(const std::string& field) {
  return field == "speed" ? FieldColouring::kSpeed : FieldColouring::kCp;
}

// The table the pass uses: exactly the file given by --table, else the first
// one found in the working directory or the installed data folders.
ProfileTableSource LoadTable(const std::string& tablePath, ProfileTable& table) {
  if (tablePath.empty()) return LoadProfileTableFromUsualFolders(table);
  ProfileTableSource source;
  source.failure = LoadProfileTableFile(table, tablePath);
  std::error_code error;
  if (std::filesystem::is_regular_file(tablePath, error) && access(tablePath.c_str(), R_OK) == 0) {
    source.path = std::filesystem::absolute(tablePath, error).lexically_normal();
  }
  return source;
}

// The first `most` bytes of the file at `path`, or why it cannot be read.
struct ReadFile {
  std::string bytes;
  std::string failure;  // empty when read
};
ReadFile ReadAtMost(const std::string& path, std::size_t most) {
  ReadFile read;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    read.failure = std::strerror(errno);
    return read;
  }
  read.bytes.resize(most);  // a folder opens, and its first read fails with EISDIR
  std::size_t got = 0;
  while (got < most) {
    const ssize_t n = ::read(fd, read.bytes.data() + got, most - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) read.failure = std::strerror(errno);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  close(fd);
  read.bytes.resize(got);
  return read;
}

// The animated flow-field view: its picture drawn once, then for every frame
// the particles and timelines of that moment over a copy of it.
bool WriteFrames(PassSession& session, const RenderOptions& options, FieldColouring colouring,
                 PictureSize size, const PictureLibrary& pictures, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(options.framesDir, error);
  if (!std::filesystem::is_directory(options.framesDir, error)) {
    err << kProgram << "cannot make the folder " << options.framesDir << '\n';
    return false;
  }
  const std::unique_ptr<FramePainter> frames = pictures.MakeFrames(size);
  if (!frames->PaintBase([&](PlotSurface& surface) {
        return session.DrawField(surface, colouring, size.width, size.height);
      })) {
    return false;
  }
  const int count = static_cast<int>(std::lround(options.seconds * options.fps));
  const ParticleOptions particles{kReleaseInterval, true, 0.0};
  for (int i = 0; i < count; ++i) {
    const double T = i / (options.fps * kSecondsPerTimeUnit);
    const std::optional<std::string> frame = frames->PaintFrame([&](PlotSurface& surface) {
      return session.DrawMotion(surface, T, particles, true, size.width, size.height);
    });
    if (!frame) return false;
    char name[32];
    std::snprintf(name, sizeof name, "fluvenna-%04d.png", i + 1);
    OutputFile file{(std::filesystem::path(options.framesDir) / name).string(), nullptr};
    if (!Open(file, err) || !Commit(file, *frame, err)) return false;
  }
  return true;
}

// The boundary layer's settings of the command line; they were checked as
// they were read.
void ApplyViscousOptions(const RenderOptions& options, PassSession& session) {
  if (options.reynolds) session.SetReynolds(*options.reynolds);
  if (options.wing) session.SetWing(*options.wing);
  if (options.nCrit) session.SetNCrit(*options.nCrit);
}

// The profile of --naca or --airfoil, set on the session before anything is
// opened; false (a line said why) when it is refused or the file cannot be
// read.
bool ApplyProfile(const RenderOptions& options, PassSession& session, std::ostream& err) {
  std::optional<ProfileSource> source;
  if (!options.naca.empty()) source = ProfileSource::Naca(options.naca);
  if (!options.airfoilPath.empty()) {
    // One byte more than a profile file may have, so that a larger one is refused.
    const ReadFile file = ReadAtMost(options.airfoilPath, kMostAirfoilFileBytes + 1);
    if (!file.failure.empty()) {
      err << kProgram << "cannot read " << options.airfoilPath << ": " << file.failure
          << "; no file written\n";
      return false;
    }
    source = ProfileSource::File(file.bytes,
                                 std::filesystem::path(options.airfoilPath).filename().string());
  }
  if (!source) return true;
  if (const auto refused = session.SetProfile(*source)) {
    err << kProgram << "error: " << *refused << " No file written.\n";
    return false;
  }
  return true;
}

// The run on a session of its own; `painted` counts the pictures painted.
int RenderOn(PassSession& session, const RenderOptions& options, std::ostream& out,
             std::ostream& err, int& painted, const std::function<void()>& meanwhile) {
  if (!ApplyProfile(options, session, err)) return kExitUsage;
  std::vector<PictureKind> kinds{kCircle, kAirfoil, kPressure, kFriction, kLift};
  if (!options.field.empty()) kinds.push_back(kField);
  if (options.map) kinds.push_back(kMap);
  if (options.finiteWing) kinds.push_back(kFiniteWing);
  std::vector<PictureSet> sets;
  const auto addSet = [&](PictureFormat format, const std::string& prefix, const char* ext) {
    PictureSet set{format, kinds, {}, {}, std::vector<std::string>(kinds.size())};
    for (const PictureKind kind : kinds) {
      set.files.push_back({prefix + "-" + kPictureNames[kind] + "." + ext, nullptr});
    }
    sets.push_back(std::move(set));
  };
  if (!options.pngPrefix.empty()) addSet(PictureFormat::kPng, options.pngPrefix, "png");
  if (!options.svgPrefix.empty()) addSet(PictureFormat::kSvg, options.svgPrefix, "svg");
  // A run that paints needs the pictures' library only once the pass is
  // drawn (`meanwhile` loads it while the pass is computed).
  const bool paints = !sets.empty() || !options.framesDir.empty();
  const std::string toOut = "-";
  struct TextOutput {
    OutputFile file;
    bool toOut;
  };
  TextOutput csv{{options.csvPath, nullptr}, options.csvPath == toOut};
  TextOutput cp{{options.cpPath, nullptr}, options.cpPath == toOut};
  TextOutput lift{{options.liftPath, nullptr}, options.liftPath == toOut};
  TextOutput fieldCsv{{options.fieldCsvPath, nullptr}, options.fieldCsvPath == toOut};
  TextOutput timesCsv{{options.timesPath, nullptr}, options.timesPath == toOut};
  TextOutput boundaryLayerCsv{{options.boundaryLayerPath, nullptr},
                              options.boundaryLayerPath == toOut};
  TextOutput polarCsv{{options.polarPath, nullptr}, options.polarPath == toOut};
  const std::string wingCsvPath = options.finiteWing ? options.finiteWing->csvPath : "";
  TextOutput wingCsv{{wingCsvPath, nullptr}, wingCsvPath == toOut};
  for (PictureSet& set : sets) {
    for (OutputFile& file : set.files) {
      if (!Open(file, err)) return kExitUsage;
    }
  }
  for (TextOutput* text :
       {&csv, &cp, &lift, &fieldCsv, &timesCsv, &boundaryLayerCsv, &polarCsv, &wingCsv}) {
    if (!text->file.path.empty() && !text->toOut && !Open(text->file, err)) return kExitUsage;
  }

  const ProfileTableSource tableSource = LoadTable(options.tablePath, session.Table());
  if (tableSource.failure) err << kProgram << "warning: " << *tableSource.failure << '\n';
  ApplyViscousOptions(options, session);
  FiniteWingView& finiteWing = session.FiniteWing();
  if (options.finiteWing) {
    const FiniteWingRequest& w = *options.finiteWing;
    finiteWing.Set(w.aspectRatio, w.planform, w.taper, w.washoutDeg);  // checked when read
  }

  // Every plot is drawn on a surface that refuses what the painting ones
  // refuse, so that a pass fails on the same surface operations whichever
  // files are asked for. It keeps what is drawn when pictures are asked for
  // (only the pictures of the files asked for are painted from it, after the
  // pass); a run that writes no picture only checks.
  DeferredSurface drawn[kPictureKinds];
  UnpaintedSurface checkedOnly[kPictureKinds];
  const auto plot = [&](int kind) -> PlotSurface& {
    if (sets.empty()) return checkedOnly[kind];
    return drawn[kind];
  };
  const PictureSize fieldSize = FieldPictureSize(options.size);

  // The pass, its pictures drawn and what the summary needs of it; on a
  // thread of its own while `meanwhile` runs on this one, when given to a
  // run that paints. It uses the session alone.
  PassResult result;
  const auto compute = [&] {
    result = session.Run(options.texts, plot(kCircle), plot(kAirfoil), &plot(kPressure));
    if (session.Shown() && !session.PressureDrawn()) {
      result.error = "the surface pressure could not be drawn";
    }
    if (!result.ok()) return;
    // The summary's times at the station; from every point's times when
    // the run writes those too (--times, the particles of --frames).
    if (!options.timesPath.empty() || !options.framesDir.empty()) session.Times();
    session.StationTimes();
    session.BoundaryLayerOfShown();
    if (sets.empty()) return;
    if (!session.DrawLift(drawn[kLift])) {
      result.error = "the lift curve could not be drawn";
    } else if (!session.DrawFriction(drawn[kFriction])) {
      result.error = "the skin friction could not be drawn";
    } else if (!options.field.empty() &&
               !session.DrawField(drawn[kField], ColouringOf(options.field), fieldSize.width,
                                  fieldSize.height)) {
      result.error = "the flow field could not be drawn";
    } else if (options.map && !session.DrawMap(drawn[kMap], options.morph, options.size.width,
                                               options.size.height)) {
      result.error = "the conformal map could not be drawn";
    } else if (options.finiteWing && !finiteWing.Draw(drawn[kFiniteWing])) {
      result.error = "the finite wing could not be drawn";
    }
  };
  if (paints && meanwhile) {
    std::thread pass(compute);
    meanwhile();
    pass.join();
  } else {
    compute();
  }
  const ShownPass* shown = session.Shown();  // this pass, when it was drawn whole
  const SurfacePressure* pressure = shown ? &shown->pressure : nullptr;
  // A run that cannot paint says so before anything else.
  const PictureLibrary* pictureLibrary = nullptr;
  if (paints) {
    const LoadedPictureLibrary& loaded = LoadPictureLibrary();
    if (!loaded.library) {
      err << kProgram << "cannot paint pictures: " << loaded.failure << '\n';
      return kExitUsage;
    }
    pictureLibrary = loaded.library;
  }

  for (const std::string& note : result.notes) err << kProgram << "note: " << note << '\n';
  if (pressure) {
    for (const std::string& note : pressure->notes) err << kProgram << "note: " << note << '\n';
  }
  if (shown && !shown->lift.ok()) {
    err << kProgram << "note: no lift curve: " << shown->lift.notComputed << '\n';
  }
  PassSummary summary =
      SummarisePass(result, session.LastCurves(), pressure, shown ? &shown->profile : nullptr);
  if (session.Profile() && result.ok()) AddProfile(summary, *session.Profile());
  if (result.ok()) {
    const StationCrossings& times = *session.StationTimes();
    summary.releaseX = times.releaseX;
    summary.stationX = times.stationX;
    summary.stationTimes = times.pairs;
  }
  if (shown) {
    AddBoundaryLayer(summary, *session.BoundaryLayerOfShown(),
                     session.CurrentWing() ? &*session.CurrentWing() : nullptr);
  }
  summary.table = tableSource.path.string();
  if (!summary.table.empty()) summary.tableFailure = tableSource.failure;
  const bool anyToOut = csv.toOut || cp.toOut || lift.toOut || fieldCsv.toOut || timesCsv.toOut ||
                        boundaryLayerCsv.toOut || polarCsv.toOut || wingCsv.toOut ||
                        !options.probes.empty();
  std::ostream& summaryOut = anyToOut ? err : out;
  if (options.finiteWing && shown) {
    const FiniteWingAnalysis& wing = *finiteWing.Analysis();
    summaryOut << (options.json ? WithFiniteWingJson(SummaryJson(summary), wing)
                                : SummaryText(summary) + FiniteWingSummaryText(wing));
    if (!options.json) summaryOut << finiteWing.Line() << '\n';
  } else {
    summaryOut << (options.json ? SummaryJson(summary) : SummaryText(summary));
  }
  if (!options.json && result.ok()) summaryOut << session.TimesText();
  if (!options.json && result.ok() && options.map) summaryOut << session.MapText() << '\n';
  if (!result.ok()) {
    err << kProgram << "error: " << *result.error << "; no file written\n";
    return kExitPassError;
  }

  // The pictures are painted from what was drawn of them: the PNG pictures,
  // painted and encoded, on the encoder's thread and this one, the SVG
  // documents (quick to finish) on this thread; then the files are written
  // in order.
  for (PictureSet& set : sets) {
    for (const PictureKind kind : set.kinds) {
      set.pictures.push_back(std::make_unique<KeptPicture>(
          pictureLibrary->MakePicture(set.format,
                                      kind == kField        ? fieldSize
                                      : kind == kFiniteWing ? FiniteWingPictureSize(options.size)
                                                            : options.size,
                                      kPictureTitles[kind]),
          drawn[kind]));
      ++painted;
    }
  }
  PictureEncoder encoder;  // after the pictures, so that it is done with them before they go
  for (PictureSet& set : sets) {
    if (set.format != PictureFormat::kPng) continue;
    for (std::size_t i = 0; i < set.kinds.size(); ++i) encoder.Add(*set.pictures[i], set.bytes[i]);
  }
  encoder.Finish();
  for (PictureSet& set : sets) {
    for (std::size_t i = 0; i < set.kinds.size(); ++i) {
      if (set.format == PictureFormat::kSvg) set.bytes[i] = set.pictures[i]->Finish();
      if (!Commit(set.files[i], set.bytes[i], err)) return kExitUsage;
    }
  }
  // Each text is made only when its file is asked for: the sampled field
  // alone is hundreds of thousands of rows.
  const auto write = [&](TextOutput& text, const auto& content) {
    if (text.file.path.empty()) return true;
    if (text.toOut) {
      out << content();
      return true;
    }
    return Commit(text.file, content(), err);
  };
  if (!write(csv, [&] { return session.Csv(); }) ||
      !write(cp, [&] { return session.SurfaceCsv(); }) ||
      !write(lift, [&] { return session.LiftCurveCsv(); }) ||
      !write(fieldCsv, [&] { return session.FieldCsv(fieldSize.width, fieldSize.height); }) ||
      !write(timesCsv, [&] { return session.TimesCsv(); }) ||
      !write(boundaryLayerCsv, [&] { return session.BoundaryLayerCsv(); }) ||
      !write(polarCsv, [&] { return session.PolarCsv(); }) ||
      !write(wingCsv, [&] { return finiteWing.Csv(); })) {
    return kExitUsage;
  }
  if (!options.framesDir.empty() &&
      !WriteFrames(session, options, ColouringOf(options.field), fieldSize, *pictureLibrary, err)) {
    return kExitUsage;
  }
  if (!options.probes.empty()) {
    out << kProbeCsvHeader << '\n';
    for (const ProbeOption& probe : options.probes) {
      const FieldPoint point = *session.Probe(probe.plane, probe.x, probe.y);
      out << ProbeCsvLine(probe.plane, probe.x, probe.y, point) << '\n';
    }
  }
  return kExitPassOk;
}

}  // namespace

int Render(const RenderOptions& options, std::ostream& out, std::ostream& err, RenderWork* work,
           const std::function<void()>& meanwhile) {
  PassSession session;
  int painted = 0;
  const int status = RenderOn(session, options, out, err, painted, meanwhile);
  if (work) *work = RenderWork{session.Work(), painted};
  return status;
}

}  // namespace fluvenna
