// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/pass_session.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "flow/vector_state.h"
#include "plot/boundary_layer_picture.h"
#include "plot/drawing.h"
#include "plot/lift_picture.h"
#include "plot/map_picture.h"
#include "plot/particles_picture.h"
#include "plot/pressure_picture.h"
#include "report/boundary_layer_report.h"
#include "report/curves_csv.h"
#include "report/field_text.h"
#include "report/lift_curve_csv.h"
#include "report/lift_curve_line.h"
#include "report/map_text.h"
#include "report/profile_text.h"
#include "report/surface_csv.h"
#include "report/time_of_flight_report.h"

namespace fluvenna {

PassSession::PassSession() : arrays_(std::make_unique<PointArrays>()) {}

const PassResult& PassSession::Run(const ParameterTexts& texts, PlotSurface& picture1,
                                   PlotSurface& picture2, PlotSurface* pressure) {
  ClearUpperVectorState();
  PassCurves curves;
  bool mapped = false;
  // The circle plane is kept as it is drawn, before the map replaces it.
  PassResult result = DrawPass(
      texts, table_, *arrays_, picture1, picture2,
      [&](const PassResult& circlePlane, const PointArrays& arrays) {
        curves.TakeCirclePlane(arrays, circlePlane.lastCurve);
        mapped = true;
      },
      ProfileMapInUse());
  if (mapped) {
    curves.TakeAirfoilPlane(*arrays_, result.lastCurve);
  } else {
    curves.TakeCirclePlane(*arrays_, result.lastCurve);  // the arrays still hold the circle plane
  }
  const FlowParameters& p = result.params;
  status_ = PassStatusLine(result, result.ok() ? MeasureOf(p).chord : 0.0, language_);
  if (profile_ && result.ok()) status_.text = profile_->contour.report.name + " · " + status_.text;
  pressureDrawn_ = false;
  if (result.ok()) {
    const ProfileMeasure& profile = MeasureOf(p);
    shown_ = ShownPass{texts,
                       result,
                       curves,
                       profile,
                       ComputeSurfacePressure(p, result.circle, profile),
                       profile_ ? ComputeLiftCurve(p, profile.chord, ProfileMapInUse())
                                : ComputeLiftCurve(p, profile.chord),
                       FlowFieldModel(p, result.circle)};
    times_.reset();
    stationTimes_.reset();
    boundaryLayer_.reset();
    polarStale_ = true;  // the next polar borrows what it can of this one
    morph_.reset();
    if (pressure) pressureDrawn_ = DrawShownPressure(*pressure);
  }
  lastCurves_ = std::move(curves);
  last_ = std::move(result);
  ++passes_;
  return *last_;
}

std::string PassSession::Csv() const {
  std::ostringstream out;
  WriteCurvesCsv(shown_ ? shown_->curves : PassCurves(), out);
  return out.str();
}

std::string PassSession::SurfaceCsv() const {
  std::ostringstream out;
  WriteSurfaceCsv(shown_ ? shown_->pressure : SurfacePressure(), out);
  return out.str();
}

std::string PassSession::LiftCurveCsv() const {
  std::ostringstream out;
  WriteLiftCurveCsv(shown_ ? shown_->lift : LiftCurve(), out);
  return out.str();
}

std::string PassSession::PressureText() const {
  return shown_ ? PressureStatusLine(shown_->pressure, language_) : std::string();
}

std::string PassSession::LiftText() const {
  return shown_ ? LiftCurveLine(shown_->lift, LiftCurveWordingIn(language_), language_)
                : std::string();
}

bool PassSession::DrawShownAgain(PlotSurface& picture1, PlotSurface& picture2) const {
  if (!shown_) return false;
  auto arrays = std::make_unique<PointArrays>();
  return DrawPass(shown_->texts, table_, *arrays, picture1, picture2, {},
                  shown_->result.circle.map && !shown_->result.circle.map->Joukowski()
                      ? shown_->result.circle.map
                      : nullptr)
      .ok();
}

bool PassSession::DrawShownPressure(PlotSurface& surface) {
  return shown_ && DrawPressurePicture(surface, shown_->pressure, PressureLabelsIn(language_),
                                       BoundaryLayerOfShown());
}

bool PassSession::DrawLift(PlotSurface& surface) {
  if (!shown_) return false;
  LiftLabels labels = LiftLabelsIn(language_);
  const auto& map = shown_->result.circle.map;
  if (map && !map->Joukowski()) labels.exact = ProfileWordingIn(language_).exactLift;
  return DrawLiftPicture(surface, shown_->lift, labels, PolarOfShown());
}

bool PassSession::DrawFriction(PlotSurface& surface) {
  return shown_ &&
         DrawFrictionPicture(surface, *BoundaryLayerOfShown(), FrictionLabelsIn(language_));
}

bool PassSession::DrawPolar(PlotSurface& surface) {
  return shown_ && DrawPolarPicture(surface, *PolarOfShown(), shown_->lift.passPoint,
                                    PolarLabelsIn(language_));
}

double PassSession::ShownCentreX() const {
  return shown_ ? PlotCentreX(shown_->result.circle.map.get()) : 0.0;
}

bool PassSession::DrawField(PlotSurface& surface, FieldColouring colouring, int width, int height,
                            double density) {
  if (!shown_) return false;
  ClearUpperVectorState();
  const FieldScene scene{&shown_->field,
                         &shown_->curves.airfoil(),
                         shown_->result.params.Olcek,
                         shown_->result.params.XMax,
                         BoundaryLayerOfShown(),
                         ShownCentreX()};
  if (colouring != FieldColouring::kNone) {
    const PixelGrid grid =
        FieldPixelGrid(FieldPictureFrame(shown_->result.params.Olcek, ShownCentreX()),
                       static_cast<int>(std::lround(width * density)),
                       static_cast<int>(std::lround(height * density)));
    work_.fieldPoints += static_cast<long long>(grid.width) * grid.height;
  }
  return DrawFieldPicture(surface, scene, colouring, width, height, fieldBuffers_,
                          FieldLabelsIn(language_), density);
}

std::string PassSession::ProbeText(double width, double height, double px, double py) const {
  if (!shown_) return std::string();
  const auto point = FieldUserPoint(FieldPictureFrame(shown_->result.params.Olcek, ShownCentreX()),
                                    width, height, px, py);
  if (!point) return std::string();
  const FieldPoint flow = shown_->field.At(FieldPlane::kAirfoil, point->first, point->second);
  return ProbeLine(point->first, point->second, flow, ProbeWordingIn(language_));
}

std::optional<FieldPoint> PassSession::Probe(FieldPlane plane, double x, double y) const {
  if (!shown_) return std::nullopt;
  return shown_->field.At(plane, x, y);
}

std::string PassSession::FieldCsv(int width, int height) const {
  std::ostringstream out;
  WriteFieldCsvHeader(out);
  if (!shown_) return out.str();
  const PixelGrid grid =
      FieldPixelGrid(FieldPictureFrame(shown_->result.params.Olcek, ShownCentreX()), width, height);
  work_.fieldPoints += static_cast<long long>(grid.width) * grid.height;
  for (int j = 0; j < grid.height; ++j) {
    for (int i = 0; i < grid.width; ++i) {
      const auto [x, y] = PixelCentre(grid, i, j);
      WriteFieldCsvRow(out, x, y, shown_->field.At(FieldPlane::kAirfoil, x, y));
    }
  }
  return out.str();
}

const TimeOfFlight* PassSession::Times() {
  if (!shown_) return nullptr;
  if (!times_) {
    ClearUpperVectorState();
    times_ = TimeOfFlightOf(shown_->result.params, shown_->result.circle, shown_->curves);
    ++work_.timesOfFlight;
  }
  return &*times_;
}

std::string PassSession::TimesCsv() {
  std::ostringstream out;
  WriteTimesCsv(Times() ? *Times() : TimeOfFlight(), out);
  return out.str();
}

const StationCrossings* PassSession::StationTimes() {
  if (!shown_) return nullptr;
  if (!stationTimes_) {
    if (times_) {
      stationTimes_ = StationCrossingsOf(*times_);
    } else {
      ClearUpperVectorState();
      stationTimes_ = StationTimesOf(shown_->result.params, shown_->result.circle, shown_->curves);
      ++work_.stationTimes;
    }
  }
  return &*stationTimes_;
}

std::string PassSession::TimesText() {
  return StationTimes() ? TimesSummaryText(*StationTimes(), TimesWordingIn(language_))
                        : std::string();
}

namespace {

// Timelines are joined straight from particle to particle; a join that would
// cut through the body (the particle of the dividing streamline lags at the
// nose) breaks its timeline there instead. A join is looked at in this many
// places along it.
constexpr int kJoinSamples = 8;

void BreakTimelinesAtTheBody(const FlowFieldModel& field, ParticleFrame& frame) {
  std::vector<TimelinePiece> pieces;
  for (const TimelinePiece& piece : frame.timelines) {
    int start = 0;
    for (int j = 1; j <= piece.count; ++j) {
      bool through = false;
      if (j < piece.count) {
        const Particle& a = frame.particles[frame.timelinePoints[piece.first + j - 1]];
        const Particle& b = frame.particles[frame.timelinePoints[piece.first + j]];
        for (int i = 1; i < kJoinSamples && !through; ++i) {
          const double f = static_cast<double>(i) / kJoinSamples;
          through =
              field.At(FieldPlane::kAirfoil, a.ax + f * (b.ax - a.ax), a.ay + f * (b.ay - a.ay))
                  .state == FieldState::kInsideBody;
        }
      }
      if (j == piece.count || through) {
        if (j - start >= 2) pieces.push_back({piece.release, piece.first + start, j - start});
        start = j;
      }
    }
  }
  frame.timelines = std::move(pieces);
}

}  // namespace

bool PassSession::DrawMotion(PlotSurface& surface, double T, const ParticleOptions& options,
                             bool timelines, int width, int height) {
  const TimeOfFlight* times = Times();
  if (!times) return false;
  PlaceParticles(*times, T, options, particles_);
  if (timelines) BreakTimelinesAtTheBody(shown_->field, particles_);
  return DrawParticles(surface, shown_->result.params.Olcek, particles_, timelines, width, height,
                       ShownCentreX());
}

BoundaryLayerOptions PassSession::ViscousOptions() const {
  BoundaryLayerOptions options;
  options.reynolds = reynolds_;
  options.nCrit = nCrit_;
  return options;
}

void PassSession::ForgetViscous() {
  boundaryLayer_.reset();
  polar_.reset();
}

std::optional<std::string> PassSession::SetReynolds(double reynolds) {
  const ReynoldsFault fault = CheckReynolds(reynolds);
  if (fault != ReynoldsFault::kNone) return ReynoldsRefusal(fault, language_);
  if (reynolds != reynolds_ || wing_) ForgetViscous();
  reynolds_ = reynolds;
  wing_.reset();
  return std::nullopt;
}

std::optional<std::string> PassSession::SetWing(const Wing& wing) {
  const WingFault fault = CheckWing(wing);
  if (fault != WingFault::kNone) return WingRefusal(fault, language_);
  wing_ = FlowOfWing(wing);
  if (wing_->reynolds != reynolds_) ForgetViscous();
  reynolds_ = wing_->reynolds;
  return std::nullopt;
}

void PassSession::ClearWing() {
  wing_.reset();
}

std::optional<std::string> PassSession::SetNCrit(double nCrit) {
  if (!NCritUsable(nCrit)) return NCritRefusal(language_);
  if (nCrit != nCrit_) ForgetViscous();
  nCrit_ = nCrit;
  return std::nullopt;
}

const BoundaryLayer* PassSession::BoundaryLayerOfShown() {
  if (!shown_) return nullptr;
  if (!boundaryLayer_) {
    ClearUpperVectorState();
    const FlowParameters& p = shown_->result.params;
    boundaryLayer_ =
        ComputeBoundaryLayer(p, shown_->result.circle, shown_->profile, ViscousOptions());
  }
  return &*boundaryLayer_;
}

const Polar* PassSession::PolarOfShown() {
  if (!shown_) return nullptr;
  if (!polar_ || polarStale_) {
    ClearUpperVectorState();
    const auto& map = shown_->result.circle.map;
    polar_ = ComputePolar(shown_->result.params, shown_->profile, shown_->lift, ViscousOptions(),
                          polar_ ? &*polar_ : nullptr, map && !map->Joukowski() ? map : nullptr);
    polarStale_ = false;
  }
  return &*polar_;
}

std::string PassSession::BoundaryLayerText() {
  const BoundaryLayer* layer = BoundaryLayerOfShown();
  if (!layer) return std::string();
  const std::optional<double> CL =
      shown_->profile.chord > 0.0
          ? std::optional<double>(LiftCoefficient(shown_->result.circle.Circ,
                                                  shown_->result.params.U0, shown_->profile.chord))
          : std::nullopt;
  return BoundaryLayerLine(*layer, wing_ ? &*wing_ : nullptr, CL, language_);
}

std::string PassSession::BoundaryLayerCsv() {
  std::ostringstream out;
  const BoundaryLayer* layer = BoundaryLayerOfShown();
  WriteBoundaryLayerCsv(layer ? *layer : BoundaryLayer(), out);
  return out.str();
}

std::string PassSession::PolarCsv() {
  std::ostringstream out;
  const Polar* polar = PolarOfShown();
  WritePolarCsv(polar ? *polar : Polar(), out);
  return out.str();
}

FiniteWingView& PassSession::FiniteWing() {
  if (!finiteWing_) finiteWing_ = std::make_unique<FiniteWingView>(*this);
  return *finiteWing_;
}

const ConformalMorph* PassSession::Morph() {
  if (!shown_) return nullptr;
  if (!morph_) {
    const std::vector<PlaneCurve>& curves = shown_->curves.circle();
    // The map constant as the pass re-reads it: the first point of the body in the circle plot.
    const auto body = std::find_if(curves.begin(), curves.end(),
                                   [](const PlaneCurve& c) { return c.k == 0 && c.NP() > 0; });
    const CircleModel& c = shown_->result.circle;
    const double cJ = body != curves.end() ? body->x.front() : c.cJ;
    if (c.map && !c.map->Joukowski()) {
      morph_.emplace(c.map, shown_->result.params.Olcek);
    } else {
      morph_.emplace(c, cJ, shown_->result.params.Olcek);
    }
    for (const PlaneCurve& curve : curves) morph_->AddCurve(curve.k, curve.x, curve.y);
  }
  return &*morph_;
}

bool PassSession::DrawMap(PlotSurface& surface, double t, int width, int height,
                          const std::optional<std::pair<double, double>>& pointer) {
  const ConformalMorph* morph = Morph();
  if (!morph) return false;
  const FlowParameters& p = shown_->result.params;
  MapLabels labels = MapLabelsIn(language_);
  if (!morph->joukowski()) labels.morph = ProfileWordingIn(language_).morph;
  return DrawMapPicture(surface, *morph, p.Olcek, p.XMax, t, width, height, labels, pointer);
}

bool PassSession::DrawMapPointer(PlotSurface& surface, double t, int width, int height,
                                 std::pair<double, double> pointer) {
  const ConformalMorph* morph = Morph();
  return morph && fluvenna::DrawMapPointer(surface, *morph, shown_->result.params.Olcek, t, width,
                                           height, pointer);
}

std::optional<PassSession::MapPointer> PassSession::LinkMapPointer(double t, double width,
                                                                   double height, double px,
                                                                   double py) {
  const ConformalMorph* morph = Morph();
  if (!morph) return std::nullopt;
  const auto at = MapUserPoint(shown_->result.params.Olcek, width, height, px, py, ShownCentreX());
  if (!at) return std::nullopt;
  MapPointer pointer{morph->Link(t, at->first, at->second), {}};
  pointer.line = MapPointerLine(at->first, at->second, pointer.point, MapWordingIn(language_));
  return pointer;
}

std::string PassSession::MapText() {
  const ConformalMorph* morph = Morph();
  if (morph && !morph->joukowski() && profile_) {
    return ProfileCriticalPointsLine(*profile_, ProfileWordingIn(language_));
  }
  return morph ? CriticalPointsLine(*morph, MapWordingIn(language_)) : std::string();
}

std::optional<std::string> PassSession::SetProfile(const ProfileSource& source) {
  if (source.kind == ProfileSource::Kind::kJoukowski) {
    profile_.reset();
    profileMeasure_.reset();
    return std::nullopt;
  }
  auto loaded = LoadProfile(source);
  if (const auto* refusal = std::get_if<ProfileRefusal>(&loaded)) {
    return ProfileRefusalText(*refusal, language_);
  }
  profile_ = std::get<LoadedProfile>(std::move(loaded));
  profileMeasure_ = MeasureProfile(*profile_->map);
  return std::nullopt;
}

std::string PassSession::ProfileText() const {
  if (!profile_) return {};
  const ProfileWording wording = ProfileWordingIn(language_);
  return ProfileReportLine(*profile_, wording) + "\n" + ProfileMapLine(*profile_, wording);
}

std::shared_ptr<const ProfileMap> PassSession::ProfileMapInUse() const {
  return profile_ ? std::shared_ptr<const ProfileMap>(profile_->map) : nullptr;
}

const ProfileMeasure& PassSession::MeasureOf(const FlowParameters& p) {
  if (profileMeasure_) return *profileMeasure_;
  return ProfileOf(p.Eps, p.Mu);
}

const ProfileMeasure& PassSession::ProfileOf(double Eps, double Mu) {
  if (!measured_ || measured_->Eps != Eps || measured_->Mu != Mu) {
    measured_ = MeasuredProfile{Eps, Mu, MeasureProfile(Eps, Mu)};
  }
  return measured_->measure;
}

}  // namespace fluvenna
