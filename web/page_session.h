// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flow/parameters.h"
#include "session/pass_session.h"
#include "web/canvas_surface.h"

namespace fluvenna {

// What the browser page holds between passes: the pass session the window
// and the renderer use too, and the segments of what the plots show.
class PageSession {
 public:
  PageSession();

  // The language of every text the session makes from now on: the status
  // line, the lines under the pictures, the probe's line, the table's
  // message and the pictures' words. `code` is "tr" or "en"; anything else
  // leaves the language as it is and returns false. English until set. The
  // pictures and lines already made keep their words until the next pass.
  bool SetLanguage(const std::string& code);
  std::string LanguageCode() const { return fluvenna::LanguageCode(session_.CurrentLanguage()); }

  // Loads the profile table from the text of "KATJO-D20G15.txt" with the
  // core's loader. Returns "" on success, or the window's message in the
  // session's language when the text is not a good table (a missing file is
  // given as ""): the rows read before the failure stay, and profiles without
  // a row are the flat plate.
  std::string LoadTable(const std::string& text);

  // One pass with the eight texts: DrawPass on the two canvas surfaces, then
  // the surface pressure of its flow and its picture on a third, the
  // lift-curve picture on a fourth, and the boundary layer's pictures (the
  // friction, picture 7, and the drag polar, picture 8). Returns true when
  // the pass was drawn; after false the plots keep their pictures and only
  // the status line changes.
  bool Pass(const ParameterTexts& texts);

  // The boundary layer's Reynolds number from the text of the page's Re box
  // (the whole text must be a number, WholeDecimal), or from a wing's speed
  // (m/s), chord (m) and altitude (m) texts; ClearWing goes back to the
  // typed Re, keeping the wing's. Each returns "" when the session took the
  // value, and then draws the pictures that show the boundary layer again
  // (pressure, lift curve, friction, polar; the page draws its field
  // again), or the session's sentence why it refused it, and then nothing
  // changes.
  std::string SetReynolds(const std::string& text);
  std::string SetWing(const std::string& speed, const std::string& chord,
                      const std::string& altitude);
  void ClearWing();
  // The Reynolds number as the Re box shows it: NumberText of the whole
  // number nearest to it.
  std::string ReynoldsText() const;

  // Of the last drawn pass: the line under the friction picture, and the
  // layer and the polar as fluvenna-render --boundary-layer and --polar
  // write them.
  std::string BoundaryLayerText() { return session_.BoundaryLayerText(); }
  std::string BoundaryLayerCsv() { return session_.BoundaryLayerCsv(); }
  std::string PolarCsv() { return session_.PolarCsv(); }

  // The flow-field picture of the last drawn pass on a drawing area of
  // width x height CSS pixels on a screen of `density` device pixels per CSS
  // pixel: the colour field is sampled at every device pixel (width and
  // height times density, rounded, as the page sizes its canvas), the lines
  // and texts are placed in CSS pixels. `colouring` is "cp", "speed" or
  // "none" (anything else is "cp"). Returns false before the first pass,
  // and then the picture stays as it was.
  bool DrawField(const std::string& colouring, int width, int height, double density);

  // The probe's line for the point (px, py) in CSS pixels of the flow-field
  // picture shown width x height CSS pixels large: its place and flow (or
  // that it lies inside the body); "" outside the flow's part or before the
  // first pass.
  std::string ProbeAt(double px, double py, double width, double height) const;

  // The flow in motion over the flow-field picture. The animation time, in
  // chord / U0, runs kSecondsPerTimeUnit seconds a unit of real time: the
  // page hands over the milliseconds since its last frame and gets the new
  // time. Every drawn pass sets it back to 0 (the particles start afresh on
  // the new curves), and so does RestartMotion.
  double AdvanceMotion(double elapsedMilliseconds);
  double MotionTime() const { return motionTime_; }
  void RestartMotion() { motionTime_ = 0.0; }

  // The particles of the motion time, released every `interval` chord / U0
  // (held to the window's kShortestReleaseInterval..kLongestReleaseInterval;
  // kReleaseInterval when not a number) since time 0, and their timelines
  // when asked, over a flow-field picture of width x height CSS pixels
  // (picture 6): only their segments, to be stroked over the field picture
  // as it stands. No pass runs. Returns false before the first pass, and
  // then picture 6 is empty.
  bool DrawMotion(double interval, bool timelines, int width, int height);

  // The conformal map of the last drawn pass: the circle plane (picture 7),
  // zeta_t at the morph t (picture 8) and the airfoil plane (picture 9), each
  // of the plots' size, with the linked pointer's point ringed when there is
  // one. Returns false before the first pass. DrawMorph draws picture 8 alone.
  bool DrawMap();
  bool DrawMorph();

  // The morph t, 0 to 1: every drawn pass keeps it. Its slider has
  // kMorphSteps positions; Play moves it by the real time since the last
  // frame, running 0 to 1 in kMorphSeconds, and stops at 1 (AdvanceMorph
  // returns whether it still runs). PlayMorph starts it again from 0 when it
  // stands at 1.
  void SetMorphPosition(int position);
  int MorphPosition() const;
  std::string MorphText() const;
  bool AdvanceMorph(double elapsedMilliseconds);
  void PlayMorph();

  // The linked pointer at (px, py) in CSS pixels of map picture `panel`
  // (0 the circle plane, 1 zeta_t, 2 the airfoil plane) shown width x height
  // CSS pixels large: its counterpart is ringed in all three from the next
  // DrawMap on, and the line says where it is (or that it lies inside the
  // body). "" outside the picture or before the first pass; then, and with
  // ClearMapPointer, no point is ringed.
  std::string MapPointerAt(int panel, double px, double py, double width, double height);
  void ClearMapPointer() { mapPointer_.reset(); }
  // The line under the map: its critical points.
  std::string MapText() { return session_.MapText(); }

  // The finite wing (picture 12, twice the plots' size each way): the shape
  // from the page's texts ("" when taken, else the refusal), the picture
  // and its line, and the stations as --wing-csv writes them.
  std::string SetFiniteWing(const std::string& aspectRatio, const std::string& planform,
                            const std::string& taper, const std::string& washout);
  bool DrawFiniteWing();
  std::string FiniteWingText() { return session_.FiniteWing().Line(); }
  std::string FiniteWingCsv() { return session_.FiniteWing().Csv(); }

  // The profile of the next passes (PassSession::SetProfile): a NACA code
  // (the text as typed, spaces round it ignored), the bytes of a coordinate
  // file with its name (without a folder; the report's name when the file
  // has none), or the designed Joukowski profile of delta and gamma. Each
  // returns "" when the profile is taken, or the session's one sentence why
  // not (naming the file's line where the fault has one), and then the
  // profile in use stays. A page reads at most MostProfileFileBytes() + 1
  // bytes of a file, so that a larger one is refused by its size.
  std::string SetNaca(const std::string& code);
  std::string SetProfileFile(const std::string& bytes, const std::string& name);
  void SetJoukowski() { session_.SetProfile(ProfileSource::Joukowski()); }
  // The NACA or file profile's name ("NACA 4412"), "" for the designed one;
  // and its report and map, one line each (PassSession::ProfileText).
  std::string ProfileName() const;
  std::string ProfileText() const { return session_.ProfileText(); }

  // The segments of the last drawn pass on Picture1 (picture 1), Picture2
  // (picture 2), the surface-pressure picture (picture 3), the flow-field
  // picture (picture 4, as DrawField drew it last), the lift-curve picture
  // (picture 5), the particles over the field (picture 6, as DrawMotion
  // drew them last), the friction picture (picture 7), the drag polar
  // (picture 8) or the map's pictures (pictures 9 to 11, as DrawMap drew
  // them last), CanvasSurface::kFloatsPerSegment floats each.
  const std::vector<float>& Segments(int picture) const;

  // The images and texts of the same picture, each with the number of
  // segments drawn before it.
  const std::vector<CanvasMark>& Marks(int picture) const;

  // How many passes the session has run (drawn or refused).
  int Passes() const { return session_.Passes(); }

  // The line under the surface-pressure picture of the last drawn pass.
  std::string PressureText() const { return session_.PressureText(); }

  // The line under the lift-curve picture of the last drawn pass.
  std::string LiftText() const { return session_.LiftText(); }

  // The status line after the last pass, and whether that pass failed.
  const std::string& StatusText() const { return session_.Status().text; }
  bool StatusFailed() const { return session_.Status().failed; }

  // Every point of the last drawn pass, as fluvenna-render --csv writes it.
  std::string Csv() const { return session_.Csv(); }

  // The airfoil surface of the last drawn pass with its speed and pressure,
  // as fluvenna-render --cp writes it.
  std::string SurfaceCsv() const { return session_.SurfaceCsv(); }

  // The lift curve of the last drawn pass, as fluvenna-render --lift-curve
  // writes it.
  std::string LiftCurveCsv() const { return session_.LiftCurveCsv(); }

  // The flow field of the last drawn pass sampled for a picture of width x
  // height pixels, as fluvenna-render --field-csv writes it for that size.
  std::string FieldCsv(int width, int height) const { return session_.FieldCsv(width, height); }

  // What the saved files of the last drawn pass are called after:
  // "d0.12-g0.04-a8" for delta 0.12, gamma 0.04 and alpha 8; with a NACA or
  // file profile its name instead of delta and gamma, "NACA-4412-a4"
  // (FileNamePart).
  std::string FileStem() const;

 private:
  PassSession session_;
  CanvasSurface picture1_, picture2_, picture3_, field_, lift_, motion_, friction_, polar_;
  CanvasPicture drawn1_, drawn2_, drawn3_, drawnField_, drawnLift_;  // what the plots show
  CanvasPicture drawnFriction_, drawnPolar_;
  double motionTime_ = 0.0;
  CanvasSurface map_[3];
  CanvasSurface wing_{2.0 * CanvasSurface::kWidth, 2.0 * CanvasSurface::kHeight};
  CanvasPicture drawnWing_;
  double morph_ = 0.5;
  std::optional<std::pair<double, double>> mapPointer_;  // circle-plane point
  double MapPlane(int panel) const { return panel == 0 ? 0.0 : panel == 2 ? 1.0 : morph_; }
  const CanvasPicture& Drawn(int picture) const;
  // The pictures that show the boundary layer, after a pass or a new Re.
  void DrawBoundaryLayerPictures();
};

// A profile's name as a part of a file name: ASCII letters, digits, '.'
// and '_' kept, every run of other bytes (spaces, slashes, UTF-8) one '-',
// none at either end, at most kLongestFileNamePart bytes; "profile" when
// nothing is left.
inline constexpr std::size_t kLongestFileNamePart = 40;
std::string FileNamePart(const std::string& name);

// The most bytes a coordinate file may have (kMostAirfoilFileBytes).
int MostProfileFileBytes();

// The width in CSS pixels of a flow-field picture `height` CSS pixels high:
// the renderer's width for that height (FieldPictureAspect, rounded).
int FieldPictureWidth(int height);

// The text a scroll bar writes into its box: position / divisor (divisor 1
// for the bars that write whole positions) by the number-to-text rule.
std::string BarText(int position, double divisor);

// The position of a bar from minimum to maximum whose value (position /
// divisor) equals the number the text gives by the text boxes' reading
// rule, or minimum - 1 when no position has that value.
int BarPositionOf(const std::string& text, int minimum, int maximum, double divisor);

}  // namespace fluvenna
