// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "flow/decimal_text.h"
#include "flow/leading_number.h"
#include "plot/field_picture.h"
#include "plot/map_picture.h"
#include "plot/particles_picture.h"
#include "report/catalogue.h"
#include "report/field_text.h"
#include "report/number_text.h"

namespace fluvenna {

PageSession::PageSession() = default;

bool PageSession::SetLanguage(const std::string& code) {
  if (code != "tr" && code != "en") return false;
  session_.SetLanguage(code == "tr" ? Language::kTurkish : Language::kEnglish);
  return true;
}

std::string PageSession::LoadTable(const std::string& text) {
  std::istringstream in(text);
  const auto failure = LoadProfileTable(in, session_.Table());
  return failure ? TranslateNote(session_.CurrentLanguage(), *failure) : std::string();
}

bool PageSession::Pass(const ParameterTexts& texts) {
  if (!session_.Run(texts, picture1_, picture2_, &picture3_).ok()) return false;
  drawn1_ = picture1_.Picture();
  drawn2_ = picture2_.Picture();
  // A pressure picture that could not be drawn keeps the last one.
  if (session_.PressureDrawn()) drawn3_ = picture3_.Picture();
  DrawBoundaryLayerPictures();
  motionTime_ = 0.0;
  mapPointer_.reset();  // the new curves: the pointer's point is found afresh
  return true;
}

bool PageSession::DrawMap() {
  for (int panel = 0; panel < 3; ++panel) {
    CanvasSurface& surface = map_[panel];
    surface.Resize(CanvasSurface::kWidth, CanvasSurface::kHeight);
    if (!session_.DrawMap(surface, MapPlane(panel), static_cast<int>(CanvasSurface::kWidth),
                          static_cast<int>(CanvasSurface::kHeight), mapPointer_)) {
      return false;
    }
  }
  return true;
}

bool PageSession::DrawMorph() {
  map_[1].Resize(CanvasSurface::kWidth, CanvasSurface::kHeight);
  return session_.DrawMap(map_[1], morph_, static_cast<int>(CanvasSurface::kWidth),
                          static_cast<int>(CanvasSurface::kHeight), mapPointer_);
}

void PageSession::SetMorphPosition(int position) {
  morph_ = static_cast<double>(std::clamp(position, 0, kMorphSteps)) / kMorphSteps;
}

int PageSession::MorphPosition() const {
  return static_cast<int>(std::lround(morph_ * kMorphSteps));
}

std::string PageSession::MorphText() const {
  return FixedText(morph_, 3);
}

bool PageSession::AdvanceMorph(double elapsedMilliseconds) {
  if (elapsedMilliseconds > 0.0) morph_ += elapsedMilliseconds / (1000.0 * kMorphSeconds);
  morph_ = std::min(morph_, 1.0);
  return morph_ < 1.0;
}

void PageSession::PlayMorph() {
  if (morph_ >= 1.0) morph_ = 0.0;
}

std::string PageSession::MapPointerAt(int panel, double px, double py, double width,
                                      double height) {
  const auto linked = session_.LinkMapPointer(
      MapPlane(std::clamp(panel, 0, 2)), CanvasSurface::kWidth, CanvasSurface::kHeight,
      width > 0.0 ? px * CanvasSurface::kWidth / width : -1.0,
      height > 0.0 ? py * CanvasSurface::kHeight / height : -1.0);
  mapPointer_.reset();
  if (!linked) return std::string();
  if (!linked->point.inside) mapPointer_ = std::pair{linked->point.zx, linked->point.zy};
  return linked->line;
}

void PageSession::DrawBoundaryLayerPictures() {
  if (session_.DrawLift(lift_)) drawnLift_ = lift_.Picture();
  if (session_.DrawFriction(friction_)) drawnFriction_ = friction_.Picture();
  if (session_.DrawPolar(polar_)) drawnPolar_ = polar_.Picture();
}

std::string PageSession::SetReynolds(const std::string& text) {
  if (const auto refused = session_.SetReynolds(WholeDecimal(text))) return *refused;
  if (session_.DrawShownPressure(picture3_)) drawn3_ = picture3_.Picture();
  DrawBoundaryLayerPictures();
  return std::string();
}

std::string PageSession::SetWing(const std::string& speed, const std::string& chord,
                                 const std::string& altitude) {
  const Wing wing{WholeDecimal(speed), WholeDecimal(chord), WholeDecimal(altitude)};
  if (const auto refused = session_.SetWing(wing)) return *refused;
  if (session_.DrawShownPressure(picture3_)) drawn3_ = picture3_.Picture();
  DrawBoundaryLayerPictures();
  return std::string();
}

void PageSession::ClearWing() {
  session_.ClearWing();
}

std::string PageSession::ReynoldsText() const {
  return NumberText(std::round(session_.Reynolds()));
}

double PageSession::AdvanceMotion(double elapsedMilliseconds) {
  if (elapsedMilliseconds > 0.0)
    motionTime_ += elapsedMilliseconds / (1000.0 * kSecondsPerTimeUnit);
  return motionTime_;
}

bool PageSession::DrawMotion(double interval, bool timelines, int width, int height) {
  const double every = std::isfinite(interval)
                           ? std::clamp(interval, kShortestReleaseInterval, kLongestReleaseInterval)
                           : kReleaseInterval;
  motion_.Resize(width, height);
  const ParticleOptions options{every, true, 0.0};
  return session_.DrawMotion(motion_, motionTime_, options, timelines, width, height);
}

bool PageSession::DrawField(const std::string& colouring, int width, int height, double density) {
  const FieldColouring how = colouring == "none"    ? FieldColouring::kNone
                             : colouring == "speed" ? FieldColouring::kSpeed
                                                    : FieldColouring::kCp;
  field_.Resize(width, height);
  if (!session_.DrawField(field_, how, width, height, density)) return false;
  drawnField_ = field_.Picture();
  return true;
}

std::string PageSession::ProbeAt(double px, double py, double width, double height) const {
  return session_.ProbeText(width, height, px, py);
}

std::string PageSession::SetFiniteWing(const std::string& aspectRatio, const std::string& planform,
                                       const std::string& taper, const std::string& washout) {
  const auto refused = session_.FiniteWing().Set(WholeDecimal(aspectRatio), planform,
                                                 WholeDecimal(taper), WholeDecimal(washout));
  return refused ? *refused : std::string();
}

bool PageSession::DrawFiniteWing() {
  if (!session_.FiniteWing().Draw(wing_)) return false;
  drawnWing_ = wing_.Picture();
  return true;
}

const CanvasPicture& PageSession::Drawn(int picture) const {
  switch (picture) {
    case 1:
      return drawn1_;
    case 2:
      return drawn2_;
    case 4:
      return drawnField_;
    case 5:
      return drawnLift_;
    case 6:
      return motion_.Picture();
    case 7:
      return drawnFriction_;
    case 8:
      return drawnPolar_;
    case 9:
    case 10:
    case 11:
      return map_[picture - 9].Picture();
    case 12:
      return drawnWing_;
    default:
      return drawn3_;
  }
}

const std::vector<float>& PageSession::Segments(int picture) const {
  return Drawn(picture).segments;
}

const std::vector<CanvasMark>& PageSession::Marks(int picture) const {
  return Drawn(picture).marks;
}

std::string PageSession::FileStem() const {
  const ShownPass* shown = session_.Shown();
  if (!shown) return "pass";
  const FlowParameters& p = shown->result.params;
  const std::string alpha = "-a" + NumberText(p.Alfa);
  if (const LoadedProfile* profile = session_.Profile()) {
    return FileNamePart(profile->contour.report.name) + alpha;
  }
  return "d" + NumberText(p.DELTA) + "-g" + NumberText(p.GAMA) + alpha;
}

std::string FileNamePart(const std::string& name) {
  std::string part;
  for (const char c : name) {
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '_';
    if (kept) {
      part += c;
    } else if (!part.empty() && part.back() != '-') {
      part += '-';
    }
    if (part.size() >= kLongestFileNamePart) break;
  }
  while (!part.empty() && part.back() == '-') part.pop_back();
  return part.empty() ? "profile" : part;
}

std::string PageSession::SetNaca(const std::string& code) {
  const auto first = code.find_first_not_of(" \t");
  const auto last = code.find_last_not_of(" \t");
  const std::string trimmed =
      first == std::string::npos ? "" : code.substr(first, last - first + 1);
  const auto refused = session_.SetProfile(ProfileSource::Naca(trimmed));
  return refused ? *refused : std::string();
}

std::string PageSession::SetProfileFile(const std::string& bytes, const std::string& name) {
  const auto refused = session_.SetProfile(ProfileSource::File(bytes, name));
  return refused ? *refused : std::string();
}

std::string PageSession::ProfileName() const {
  const LoadedProfile* profile = session_.Profile();
  return profile ? profile->contour.report.name : std::string();
}

int MostProfileFileBytes() {
  return static_cast<int>(kMostAirfoilFileBytes);
}

int FieldPictureWidth(int height) {
  return static_cast<int>(std::lround(height * FieldPictureAspect()));
}

std::string BarText(int position, double divisor) {
  return NumberText(static_cast<double>(position) / divisor);
}

int BarPositionOf(const std::string& text, int minimum, int maximum, double divisor) {
  const double value = LeadingNumber(text);
  for (int position = minimum; position <= maximum; ++position) {
    if (static_cast<double>(position) / divisor == value) return position;
  }
  return minimum - 1;
}

}  // namespace fluvenna
