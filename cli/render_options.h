// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/finite_wing_options.h"
#include "cli/picture_size.h"
#include "flow/atmosphere.h"
#include "flow/flow_field.h"
#include "flow/parameters.h"

namespace fluvenna {

// A point at which --probe asks for the flow.
struct ProbeOption {
  FieldPlane plane = FieldPlane::kAirfoil;
  double x = 0.0, y = 0.0;
};

// What one run of fluvenna-render is asked to do.
struct RenderOptions {
  // The eight parameter texts, exactly as given: the pass reads them with the
  // text boxes' leading-number rule.
  ParameterTexts texts;
  std::string tablePath;     // the profile table file; empty: search the usual folders
  std::string pngPrefix;     // PREFIX-circle.png, PREFIX-airfoil.png, PREFIX-pressure.png, when set
  std::string svgPrefix;     // the same as .svg, when set
  std::string csvPath;       // every point of the pass; "-" for standard output
  std::string cpPath;        // the surface speed and pressure; "-" for standard output
  std::string liftPath;      // the lift curve; "-" for standard output
  std::string field;         // "cp" or "speed": PREFIX-field is written too; empty: not
  bool map = false;          // PREFIX-map is written too: the conformal map at `morph`
  double morph = 1.0;        // t of the morph, 0 (the circle) to 1 (the airfoil)
  std::string fieldCsvPath;  // the sampled flow field; "-" for standard output
  std::vector<ProbeOption> probes;  // printed as CSV on standard output
  std::string timesPath;            // every point with its time of flight; "-" for standard output
  std::string framesDir;            // the animated flow-field view as numbered PNGs; empty: none
  double seconds = 4.0;             // of animation, with --frames
  int fps = 25;                     // frames a second, with --frames
  PictureSize size;                 // picture size in pixels
  bool json = false;                // the summary as one JSON object
  // The boundary layer: Re typed (--re) or from a wing (--speed, --chord,
  // --altitude), N_crit (--ncrit); each checked as the session checks it.
  std::optional<double> reynolds;
  std::optional<Wing> wing;
  std::optional<double> nCrit;
  std::string boundaryLayerPath;  // the boundary layer point by point; "-" for standard output
  std::string polarPath;          // the drag polar; "-" for standard output
  // The finite wing (--wing and its companions): PREFIX-wing, its summary
  // lines and --wing-csv.
  std::optional<FiniteWingRequest> finiteWing;
  // A profile other than the designed one: a NACA code (--naca) or a
  // coordinate file (--airfoil); at most one, and neither with --delta or
  // --gamma.
  std::string naca;
  std::string airfoilPath;
};

// The size of the window's drawing area: the smallest picture size.
inline constexpr int kPictureWidth = 396;
inline constexpr int kPictureHeight = 263;
// The most frames --frames writes.
inline constexpr int kMostFrames = 10000;
// The largest picture side accepted.
inline constexpr int kLargestPictureSide = 8192;

// The outcome of reading the command line: run a pass, print the help or the
// version (`text`), or refuse the command line (`text` is a one-line message:
// no line break or other control character, even from the arguments it
// quotes).
struct ParsedCommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  RenderOptions options;
  std::string text;
};

// Reads the arguments, the program name first, as main is given them.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace fluvenna
