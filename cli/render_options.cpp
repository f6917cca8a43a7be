// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "cli/option_parser.h"

#include "flow/boundary_layer.h"
#include "flow/profile_table.h"
#include "report/boundary_layer_report.h"
#include "report/licence.h"

namespace fluvenna {
namespace {

// An option for one of the eight parameter texts.
struct TextOption {
  const char* name;
  std::string ParameterTexts::*text;
  const char* meaning;
};

constexpr std::array<TextOption, 8> kTextOptions{{
    {"delta", &ParameterTexts::DELTA, "Thickness parameter of the profile (delta)"},
    {"gamma", &ParameterTexts::GAMA, "Camber parameter of the profile (gamma)"},
    {"alpha", &ParameterTexts::Alfa, "Angle of attack in degrees"},
    {"kutta", &ParameterTexts::iKutta,
     "Kutta factor (1 = Kutta condition met, 0 = no circulation)"},
    {"dpsi", &ParameterTexts::dPsi, "Stream-function step between streamlines"},
    {"nsl", &ParameterTexts::kMax, "Index of the last streamline curve (nSL)"},
    {"scale", &ParameterTexts::Olcek, "Drawing scale: half the plotted width"},
    {"dr", &ParameterTexts::dR, "Radial step of the tracing"},
}};

// The message on one line: an argument quoted in it may hold line breaks,
// tabs or other control characters (C0, DEL, C1, and the Unicode line and
// paragraph separators in UTF-8), each shown as "?".
std::string OneLine(std::string text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = [&](std::size_t k) {
      return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    if (c < 0x20 || c == 0x7f) {
      line += '?';
    } else if (c == 0xc2 && next(1) >= 0x80 && next(1) <= 0x9f) {
      line += '?';
      i += 1;
    } else if (c == 0xe2 && next(1) == 0x80 && (next(2) == 0xa8 || next(2) == 0xa9)) {
      line += '?';
      i += 2;
    } else {
      line += static_cast<char>(c);
    }
  }
  return line;
}

ParsedCommandLine UsageError(const std::string& message) {
  ParsedCommandLine parsed;
  parsed.action = ParsedCommandLine::Action::kUsageError;
  parsed.text = OneLine(message);
  return parsed;
}

// A whole number made of 1 to `digits` decimal digits and nothing else.
std::optional<int> Digits(std::string_view text, std::size_t digits) {
  if (text.empty() || text.size() > digits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text[0] == '-') {
    return std::nullopt;
  }
  return value;
}

// "WxH", each side at least the window's drawing area and at most the largest side.
bool ReadSize(std::string_view text, PictureSize& size) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  const std::optional<int> width = Digits(text.substr(0, x), 6);
  const std::optional<int> height = Digits(text.substr(x + 1), 6);
  if (!width || !height || *width < kPictureWidth || *height < kPictureHeight ||
      *width > kLargestPictureSide || *height > kLargestPictureSide) {
    return false;
  }
  size = PictureSize{*width, *height};
  return true;
}

// "circle:X,Y" or "airfoil:X,Y", the numbers with "." as the point.
bool ReadProbe(std::string_view text, ProbeOption& probe) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string_view plane = text.substr(0, colon), point = text.substr(colon + 1);
  if (plane != "circle" && plane != "airfoil") return false;
  const std::size_t comma = point.find(',');
  if (comma == std::string_view::npos || point.find(',', comma + 1) != std::string_view::npos) {
    return false;
  }
  probe.plane = plane == "circle" ? FieldPlane::kCircle : FieldPlane::kAirfoil;
  probe.x = OptionNumber(point.substr(0, comma));
  probe.y = OptionNumber(point.substr(comma + 1));
  return std::isfinite(probe.x) && std::isfinite(probe.y);
}

}  // namespace

namespace {

// A number option, "." as the point; NaN when it is no number.
double NumberOption(const OptionParser& parser, std::string_view name) {
  return OptionNumber(parser.Value(name));
}

// --re, or --speed with --chord and --altitude, and --ncrit: refused with
// the session's own sentences.
std::optional<std::string> ReadViscousOptions(const OptionParser& parser, RenderOptions& o) {
  const int wingParts = parser.IsSet("speed") + parser.IsSet("chord") + parser.IsSet("altitude");
  if (wingParts != 0 && wingParts != 3) {
    return std::string("--speed, --chord and --altitude go together");
  }
  if (wingParts == 3 && parser.IsSet("re")) {
    return std::string("give --re or the wing (--speed, --chord, --altitude), not both");
  }
  if (parser.IsSet("re")) {
    const double value = NumberOption(parser, "re");
    const ReynoldsFault fault = CheckReynolds(value);
    if (fault != ReynoldsFault::kNone) {
      return (ReynoldsRefusal(fault, Language::kEnglish));
    }
    o.reynolds = value;
  }
  if (wingParts == 3) {
    const Wing wing{NumberOption(parser, "speed"), NumberOption(parser, "chord"),
                    NumberOption(parser, "altitude")};
    const WingFault fault = CheckWing(wing);
    if (fault != WingFault::kNone) {
      return (WingRefusal(fault, Language::kEnglish));
    }
    o.wing = wing;
  }
  if (parser.IsSet("ncrit")) {
    const double value = NumberOption(parser, "ncrit");
    if (!NCritUsable(value)) return (NCritRefusal(Language::kEnglish));
    o.nCrit = value;
  }
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  const ParameterTexts defaults;
  OptionParser parser(
      "Runs one pass of Fluvenna and writes its pictures (the flow past the circle, the flow "
      "around the airfoil, the surface pressure, the lift curve and, with --field, the flow "
      "field) and its numbers.\nThe parameters take the same texts as the window's text boxes; "
      "their defaults are the window's initial texts.");
  parser.Add({{"?", "h", "help"}, "Displays help on commandline options.", "", ""});
  parser.Add({{"v", "version"}, "Displays version information.", "", ""});
  for (const TextOption& option : kTextOptions) {
    const std::string initial = defaults.*option.text;
    parser.Add({{option.name},
                std::string(option.meaning) + " (default: " + initial + ").",
                "text",
                initial});
  }
  const auto add = [&](const char* name, std::string description, const char* valueName) {
    parser.Add({{name}, std::move(description), valueName, ""});
  };
  add("table",
      std::string("Profile table file (default: ") + kProfileTableFileName +
          " from the working directory, else the installed one).",
      "path");
  add("png",
      "Write the pictures to PREFIX-circle.png, PREFIX-airfoil.png, PREFIX-pressure.png, "
      "PREFIX-friction.png, PREFIX-lift.png and, with --field, PREFIX-field.png.",
      "prefix");
  add("svg",
      "Write the pictures to PREFIX-circle.svg, PREFIX-airfoil.svg, PREFIX-pressure.svg, "
      "PREFIX-friction.svg, PREFIX-lift.svg and, with --field, PREFIX-field.svg.",
      "prefix");
  add("size",
      "Picture size in pixels, at least " + std::to_string(kPictureWidth) + "x" +
          std::to_string(kPictureHeight) + " (the window's drawing area, the default).",
      "WxH");
  add("csv",
      "Write every point of every curve to FILE ('-' for standard output; the summary then goes "
      "to standard error).",
      "file");
  add("cp",
      "Write the airfoil surface with its speed and pressure coefficient to FILE "
      "(surface,point,x,y,xc,q,cp; '-' for standard output; the summary then goes to standard "
      "error).",
      "file");
  add("lift-curve",
      "Write the lift curve of the profile and Kutta factor to FILE (alpha_deg,cl,cl_thin; '-' "
      "for standard output; the summary then goes to standard error).",
      "file");
  add("field",
      "With --png or --svg, also write the flow field coloured by QUANTITY, cp or speed, to "
      "PREFIX-field (the window's flow-field view).",
      "quantity");
  add("map",
      "With --png or --svg, also write the conformal map zeta = z + t cJ^2/z with its polar "
      "grid, body, streamlines and critical points at the morph --morph to PREFIX-map (the "
      "window's conformal-map view).",
      "");
  add("morph",
      "The morph t of --map, from 0 (the circle plane) to 1 (the airfoil plane, the default).",
      "t");
  add("field-csv",
      "Write the flow field as the flow-field picture samples it, one row per pixel centre "
      "(x,y,state,u,v,q,cp,psi,phi), to FILE ('-' for standard output).",
      "file");
  add("probe",
      "Print the flow at a point of the circle or airfoil plot as a CSV line "
      "(plane,x,y,state,u,v,q,cp,psi,phi) on standard output; may be repeated. The summary then "
      "goes to standard error.",
      "plane:x,y");
  add("times",
      "Write every point of every curve with its time of flight to FILE "
      "(plane,curve,point,psi,x,y,q,t; '-' for standard output).",
      "file");
  add("frames",
      "Write the flow-field view with its particles and timelines moving at their true speed as "
      "numbered pictures DIR/fluvenna-0001.png, ... (the folder is made when missing); one time "
      "unit, chord / U0, takes 2 seconds.",
      "dir");
  add("seconds", "Seconds of animation --frames writes (default: 4).", "s");
  add("fps", "Frames a second --frames writes (default: 25).", "n");
  add("json", "Print the summary as one JSON object.", "");
  add("re", "Reynolds number U0 c / nu of the boundary layer, 1000 to 1e9 (default: 1e6).", "R");
  add("speed",
      "Speed of a wing in m/s; with --chord and --altitude it gives Re and the lift and drag per "
      "metre of span.",
      "V");
  add("chord", "Chord of the wing in m (with --speed).", "C");
  add("altitude", "Altitude of the wing in m, 0 to 11000, standard atmosphere (with --speed).",
      "H");
  add("ncrit", "Amplification exponent N at transition, 1 to 20 (default: 9).", "N");
  add("boundary-layer",
      "Write the boundary layer of both surfaces to FILE (\"-\" for standard output).", "file");
  add("polar",
      "Write the drag polar over the lift curve's angles to FILE (\"-\" for standard output).",
      "file");
  add("naca",
      "Use the NACA section CODE (4 digits, or 5 with the mean lines 210 to 250) instead of the "
      "Joukowski profile of --delta and --gamma.",
      "code");
  add("airfoil",
      "Use the profile of the coordinate FILE (Selig or Lednicer .dat) instead of the Joukowski "
      "profile of --delta and --gamma.",
      "file");
  AddFiniteWingOptions(parser);

  if (!parser.Parse(arguments)) return UsageError(parser.ErrorText());
  ParsedCommandLine parsed;
  if (parser.IsSet("help")) {
    parsed.action = ParsedCommandLine::Action::kHelp;
    parsed.text = parser.HelpText();
    return parsed;
  }
  if (parser.IsSet("version")) {
    parsed.action = ParsedCommandLine::Action::kVersion;
    parsed.text = VersionText("fluvenna-render", FLUVENNA_VERSION);
    return parsed;
  }
  if (!parser.Positional().empty()) {
    return UsageError("unexpected argument '" + parser.Positional().front() +
                      "' (the options are listed by --help)");
  }

  RenderOptions& o = parsed.options;
  for (const TextOption& option : kTextOptions) o.texts.*option.text = parser.Value(option.name);
  // A file option given an empty value.
  const auto empty = [&](const char* name, const std::string& value) {
    return parser.IsSet(name) && value.empty();
  };
  o.tablePath = parser.Value("table");
  if (empty("table", o.tablePath)) return UsageError("--table needs a file name");
  o.pngPrefix = parser.Value("png");
  o.svgPrefix = parser.Value("svg");
  o.csvPath = parser.Value("csv");
  o.cpPath = parser.Value("cp");
  o.liftPath = parser.Value("lift-curve");
  if (empty("png", o.pngPrefix) || empty("svg", o.svgPrefix) || empty("csv", o.csvPath) ||
      empty("cp", o.cpPath) || empty("lift-curve", o.liftPath)) {
    return UsageError("--png, --svg, --csv, --cp and --lift-curve need a file name");
  }
  o.fieldCsvPath = parser.Value("field-csv");
  if (empty("field-csv", o.fieldCsvPath)) return UsageError("--field-csv needs a file name");
  for (const std::string& point : parser.Values("probe")) {
    ProbeOption option;
    if (!ReadProbe(point, option)) {
      return UsageError("--probe takes circle:X,Y or airfoil:X,Y with finite numbers, not '" +
                        point + "'");
    }
    o.probes.push_back(option);
  }
  o.timesPath = parser.Value("times");
  o.framesDir = parser.Value("frames");
  if (empty("times", o.timesPath) || empty("frames", o.framesDir)) {
    return UsageError("--times and --frames need a name");
  }
  if (parser.IsSet("seconds")) {
    o.seconds = NumberOption(parser, "seconds");
    if (!(o.seconds > 0.0) || o.seconds > 600.0) {
      return UsageError("--seconds takes a number above 0 up to 600");
    }
  }
  if (parser.IsSet("fps")) {
    // A whole number written as such: no point, no exponent.
    const std::string text = parser.Value("fps");
    const double fps = OptionNumber(text);
    if (text.find_first_of(".eE") != std::string::npos || !(fps >= 1.0 && fps <= 120.0) ||
        fps != std::floor(fps)) {
      return UsageError("--fps takes a whole number from 1 to 120");
    }
    o.fps = static_cast<int>(fps);
  }
  if (o.seconds * o.fps > kMostFrames) {
    return UsageError("--frames writes at most " + std::to_string(kMostFrames) + " pictures");
  }
  o.boundaryLayerPath = parser.Value("boundary-layer");
  o.polarPath = parser.Value("polar");
  if (empty("boundary-layer", o.boundaryLayerPath) || empty("polar", o.polarPath)) {
    return UsageError("--boundary-layer and --polar need a file name");
  }
  if (const auto refusal = ReadViscousOptions(parser, o)) return UsageError(*refusal);
  const FiniteWingOptions finiteWing = ReadFiniteWingOptions(parser);
  if (finiteWing.refusal) return UsageError(*finiteWing.refusal);
  o.finiteWing = finiteWing.request;
  const std::string toOut = "-";
  if ((o.finiteWing && o.finiteWing->csvPath == toOut) + (o.csvPath == toOut) +
          (o.cpPath == toOut) + (o.liftPath == toOut) + (o.fieldCsvPath == toOut) +
          (o.timesPath == toOut) + !o.probes.empty() + (o.boundaryLayerPath == toOut) +
          (o.polarPath == toOut) >
      1) {
    return UsageError(
        "only one of --csv, --cp, --lift-curve, --field-csv, --times, --probe, "
        "--boundary-layer, --polar and --wing-csv can go to standard output");
  }
  if (parser.IsSet("field")) {
    o.field = parser.Value("field");
    if (o.field != "cp" && o.field != "speed") {
      return UsageError("--field takes cp or speed, not '" + o.field + "'");
    }
  }
  o.map = parser.IsSet("map");
  if (parser.IsSet("morph")) {
    o.morph = NumberOption(parser, "morph");
    if (!std::isfinite(o.morph) || o.morph < 0.0 || o.morph > 1.0) {
      return UsageError("--morph takes a number from 0 to 1, not '" + parser.Value("morph") + "'");
    }
    if (!o.map) return UsageError("--morph needs --map");
  }
  o.size = PictureSize{kPictureWidth, kPictureHeight};
  if (parser.IsSet("size") && !ReadSize(parser.Value("size"), o.size)) {
    const std::string largest = std::to_string(kLargestPictureSide);
    return UsageError("--size takes WIDTHxHEIGHT from " + std::to_string(kPictureWidth) + "x" +
                      std::to_string(kPictureHeight) + " up to " + largest + "x" + largest +
                      ", not '" + parser.Value("size") + "'");
  }
  o.json = parser.IsSet("json");
  const bool naca = parser.IsSet("naca"), airfoil = parser.IsSet("airfoil");
  if (naca && airfoil) return UsageError("give --naca or --airfoil, not both");
  if ((naca || airfoil) && (parser.IsSet("delta") || parser.IsSet("gamma"))) {
    return UsageError(
        "--naca and --airfoil take the place of --delta and --gamma: give one or the other");
  }
  o.naca = parser.Value("naca");
  o.airfoilPath = parser.Value("airfoil");
  if (empty("naca", o.naca)) return UsageError("--naca needs a code");
  if (empty("airfoil", o.airfoilPath)) return UsageError("--airfoil needs a file name");
  return parsed;
}

}  // namespace fluvenna
