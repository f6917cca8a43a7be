// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "flow/atmosphere.h"
#include "flow/boundary_layer.h"
#include "flow/conformal_map.h"
#include "flow/flow_field.h"
#include "flow/lift_curve.h"
#include "flow/parameters.h"
#include "flow/pass.h"
#include "flow/point_arrays.h"
#include "flow/profile_geometry.h"
#include "flow/profile_source.h"
#include "flow/profile_table.h"
#include "flow/surface_pressure.h"
#include "flow/time_of_flight.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "plot/surface.h"
#include "report/pass_curves.h"
#include "report/status_line.h"
#include "session/finite_wing_view.h"

namespace fluvenna {

// The pass the plots show: the last one drawn whole, with everything the
// front ends save or show of it.
struct ShownPass {
  ParameterTexts texts;
  PassResult result;
  PassCurves curves;  // every plane, as the CSV writes them
  ProfileMeasure profile;
  SurfacePressure pressure;
  LiftCurve lift;        // of its profile and Kutta factor
  FlowFieldModel field;  // the flow at any point
};

// The costly work a session has done since it began, counted so that the
// front ends' tests can hold them to computing only what they are asked for.
struct SessionWork {
  long long fieldPoints = 0;  // points of the flow field sampled (DrawField, FieldCsv)
  int timesOfFlight = 0;      // times of flight worked out (Times)
  int stationTimes = 0;       // station times worked out alone (StationTimes)
};

// One front end's run of passes, without Qt: the window, the renderer and the
// page each hold one, hand it the eight texts and the surfaces to draw on,
// and show what it returns. It owns the profile table and the point arrays
// for its whole life, measures the profile once per profile, and keeps the
// last pass that was drawn whole.
class PassSession {
 public:
  PassSession();
  PassSession(const PassSession&) = delete;
  PassSession& operator=(const PassSession&) = delete;

  // The language of every text the session makes (status line, notes, the
  // lines under the views, the pictures' words); English until set.
  void SetLanguage(Language language) { language_ = language; }
  Language CurrentLanguage() const { return language_; }

  ProfileTable& Table() { return table_; }
  const ProfileTable& Table() const { return table_; }

  // One pass: DrawPass on `picture1` and `picture2`, its curves in every
  // plane, the status line, and for a pass drawn whole its surface pressure.
  // When `pressure` is given, the pressure picture is drawn on it too (see
  // PressureDrawn). After a pass with an error, Shown() keeps the pass
  // before it.
  const PassResult& Run(const ParameterTexts& texts, PlotSurface& picture1, PlotSurface& picture2,
                        PlotSurface* pressure = nullptr);

  // The last pass, drawn or not; nothing before the first.
  const std::optional<PassResult>& Last() const { return last_; }
  // Its curves as far as the pass got: the airfoil plane only after the map.
  const PassCurves& LastCurves() const { return lastCurves_; }
  // Whether the last pass drew its pressure picture (false when none was asked).
  bool PressureDrawn() const { return pressureDrawn_; }
  // The line under the plots after the last pass.
  const StatusLine& Status() const { return status_; }
  // How many passes have run since the session began.
  int Passes() const { return passes_; }
  // The costly work done since the session began.
  const SessionWork& Work() const { return work_; }

  // The last pass drawn whole, or nullptr before the first.
  const ShownPass* Shown() const { return shown_ ? &*shown_ : nullptr; }

  // Of the shown pass (empty texts before the first): every point as
  // fluvenna-render --csv writes it, the surface as --cp writes it, the lift
  // curve, and the line under the pressure picture.
  std::string Csv() const;
  std::string SurfaceCsv() const;
  std::string LiftCurveCsv() const;  // as --lift-curve writes it
  std::string PressureText() const;
  // The line under the lift-curve picture (LiftCurveLine of the shown pass).
  std::string LiftText() const;

  // Draws the shown pass again on other surfaces (a picture saved as SVG),
  // leaving the session as it is. False before the first pass or when a
  // surface fails.
  bool DrawShownAgain(PlotSurface& picture1, PlotSurface& picture2) const;
  // The surface-pressure picture of the shown pass with its boundary
  // layer's transition and separation marked (DrawPressurePicture).
  bool DrawShownPressure(PlotSurface& surface);
  // The lift-curve picture of the shown pass (DrawLiftPicture) with the
  // angles shaded where the polar's upper surface separates early, as the
  // renderer writes it and the page and the window show it. False before the
  // first pass or when a surface fails. Pictures have the session's language.
  bool DrawLift(PlotSurface& surface);
  // The skin friction of the shown pass's boundary layer (DrawFrictionPicture)
  // and its drag polar (DrawPolarPicture, the pass's angle marked); false
  // before the first pass or when a surface fails.
  bool DrawFriction(PlotSurface& surface);
  bool DrawPolar(PlotSurface& surface);

  // The flow-field picture of the shown pass on a surface of width x height
  // device pixels, its colour field sampled at `density` times as many each
  // way (see DrawFieldPicture), with the boundary layer's displacement
  // thickness on the body. False before the first pass or when a surface
  // fails.
  bool DrawField(PlotSurface& surface, FieldColouring colouring, int width, int height,
                 double density = 1.0);
  // The flow of the shown pass at a point of either plot; nothing before the
  // first pass.
  std::optional<FieldPoint> Probe(FieldPlane plane, double x, double y) const;
  // The probe's line for the device pixel (px, py) of a flow-field picture
  // of width x height pixels; empty outside the flow's part or before the
  // first pass.
  std::string ProbeText(double width, double height, double px, double py) const;
  // The field as DrawField samples it for a picture of width x height
  // pixels, as CSV: one row per pixel centre of the flow's part, in user
  // coordinates (header only before the first pass).
  std::string FieldCsv(int width, int height) const;

  // The times of flight along the curves of the shown pass, worked out when
  // first asked for (they cost far more than a pass); nullptr before the
  // first pass.
  const TimeOfFlight* Times();
  // What the summary says of them: the release line, the trailing-edge
  // station and each streamline pair's times to it. Taken from Times when
  // they were worked out, else worked out alone, for some 60 % of their cost
  // (ComputeStationTimes). nullptr before the first pass.
  const StationCrossings* StationTimes();
  // Of the shown pass: every point with its time (as --times writes it) and
  // the times of each streamline pair to the trailing-edge station.
  std::string TimesCsv();
  std::string TimesText();
  // The particles and timelines of animation time T over a flow-field
  // picture of width x height device pixels (see DrawParticles). False
  // before the first pass or when a surface fails.
  bool DrawMotion(PlotSurface& surface, double T, const ParticleOptions& options, bool timelines,
                  int width, int height);

  // ---- The boundary layer of the shown pass ----
  // The Reynolds number, from a typed value or a wing, and N_crit; they are
  // kept across passes. Each setter takes the value and returns nothing, or
  // refuses it (the settings stay as they were) and returns why, one
  // sentence in the session's language.
  std::optional<std::string> SetReynolds(double reynolds);  // drops the wing
  std::optional<std::string> SetWing(const Wing& wing);     // Re from the wing
  void ClearWing();                                         // keeps its Re
  std::optional<std::string> SetNCrit(double nCrit);
  double Reynolds() const { return reynolds_; }
  double NCrit() const { return nCrit_; }
  // The wing's air, Re and dynamic pressure; empty without a wing.
  const std::optional<WingFlow>& CurrentWing() const { return wing_; }

  // The boundary layer of the shown pass at the current Re and N_crit,
  // worked out when first asked for; nullptr before the first pass. Its
  // points (x/c, c_f) make the friction picture; see status when it is not
  // computed.
  const BoundaryLayer* BoundaryLayerOfShown();
  // The drag polar over the lift curve's angles, likewise.
  const Polar* PolarOfShown();
  // The line under the pressure and friction pictures (BoundaryLayerLine,
  // with the wing's L' and D' when there is a wing); empty before the first
  // pass.
  std::string BoundaryLayerText();
  // As --boundary-layer and --polar write them (headers only before the
  // first pass).
  std::string BoundaryLayerCsv();
  std::string PolarCsv();
  // The conformal map of the shown pass: its grid, body and streamlines in
  // the circle plane with their images, made when first asked for; nullptr
  // before the first pass.
  const ConformalMorph* Morph();
  // The picture of zeta_t = z + t cJ^2 / z of the shown pass (DrawMapPicture)
  // on a surface of width x height device pixels, with the linked pointer's
  // circle-plane point marked when given. t = 0 is the circle plot, t = 1 the
  // airfoil plot. False before the first pass or when a surface fails.
  bool DrawMap(PlotSurface& surface, double t, int width, int height,
               const std::optional<std::pair<double, double>>& pointer = std::nullopt);
  // The ring of the linked pointer's circle-plane point alone, over a map
  // picture already drawn with the same t and size (DrawMapPointer).
  bool DrawMapPointer(PlotSurface& surface, double t, int width, int height,
                      std::pair<double, double> pointer);
  // The linked pointer at the device pixel (px, py) of a picture of zeta_t
  // width x height pixels large: its counterpart and the line that says where
  // it is; nothing outside the picture or before the first pass.
  struct MapPointer {
    LinkedPoint point;
    std::string line;
  };
  std::optional<MapPointer> LinkMapPointer(double t, double width, double height, double px,
                                           double py);
  // The line under the conformal-map view: the critical points of the map.
  std::string MapText();

  // The finite wing made of the shown pass's section: its shape, line,
  // stations and picture, worked out when asked for (see FiniteWingView).
  FiniteWingView& FiniteWing();

  // The profile as the table generator measures it; measured again only when
  // the profile changes.
  const ProfileMeasure& ProfileOf(double Eps, double Mu);

  // ---- The profile ----
  // Where the profile of the next passes comes from: the designed Joukowski
  // profile of delta and gamma (the default), a NACA code or a coordinate
  // file's text. Returns nothing when the profile is taken, or why it is
  // refused, one sentence in the session's language; a refused source
  // changes nothing. While a NACA or file profile is in use, delta and gamma
  // are not used.
  std::optional<std::string> SetProfile(const ProfileSource& source);
  // The NACA or file profile in use; nullptr for the designed one.
  const LoadedProfile* Profile() const { return profile_ ? &*profile_ : nullptr; }
  // Its report and its map's, one line each, in the session's language
  // (empty for the designed profile).
  std::string ProfileText() const;

 private:
  // Where the shown pass's plots centre their x range (PlotCentreX).
  double ShownCentreX() const;
  Language language_ = Language::kEnglish;
  ProfileTable table_;
  std::unique_ptr<PointArrays> arrays_;
  std::optional<PassResult> last_;
  PassCurves lastCurves_;
  StatusLine status_;
  bool pressureDrawn_ = false;
  int passes_ = 0;
  std::optional<ShownPass> shown_;
  struct MeasuredProfile {
    double Eps, Mu;
    ProfileMeasure measure;
  };
  std::optional<MeasuredProfile> measured_;  // the profile measured last
  FieldBuffers fieldBuffers_;
  std::optional<TimeOfFlight> times_;             // of the shown pass, once asked for
  std::optional<StationCrossings> stationTimes_;  // the same
  ParticleFrame particles_;
  double reynolds_ = kDefaultReynolds;
  double nCrit_ = kDefaultNCrit;
  std::optional<WingFlow> wing_;
  std::optional<BoundaryLayer> boundaryLayer_;  // of the shown pass, once asked for
  std::optional<Polar> polar_;                  // likewise
  bool polarStale_ = false;                     // polar_ is of an earlier pass
  BoundaryLayerOptions ViscousOptions() const;
  void ForgetViscous();
  std::unique_ptr<FiniteWingView> finiteWing_;    // made when first asked for
  std::optional<ConformalMorph> morph_;           // of the shown pass, once asked for
  std::optional<LoadedProfile> profile_;          // a NACA or file profile in use
  std::optional<ProfileMeasure> profileMeasure_;  // ... measured once
  std::shared_ptr<const ProfileMap> ProfileMapInUse() const;
  const ProfileMeasure& MeasureOf(const FlowParameters& p);
  mutable SessionWork work_;  // counted by the const questions too
};

}  // namespace fluvenna
