// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

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
// tabs or other control characters, each shown as "?".
QString OneLine(QString text) {
  for (QChar& c : text) {
    const QChar::Category category = c.category();
    if (category == QChar::Other_Control || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph) {
      c = QLatin1Char('?');
    }
  }
  return text;
}

ParsedCommandLine UsageError(const QString& message) {
  ParsedCommandLine parsed;
  parsed.action = ParsedCommandLine::Action::kUsageError;
  parsed.text = OneLine(message);
  return parsed;
}

// "WxH", each side at least the window's drawing area and at most the largest side.
bool ReadSize(const QString& text, QSize& size) {
  // Anchored at both ends: "$" alone would let a final line break through.
  static const QRegularExpression pattern(
      QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{1,6})x([0-9]{1,6})")));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return false;
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  if (width < kPictureWidth || height < kPictureHeight || width > kLargestPictureSide ||
      height > kLargestPictureSide) {
    return false;
  }
  size = QSize(width, height);
  return true;
}

// "circle:X,Y" or "airfoil:X,Y", the numbers with "." as the point.
bool ReadProbe(const QString& text, ProbeOption& probe) {
  static const QRegularExpression pattern(
      QRegularExpression::anchoredPattern(QStringLiteral("(circle|airfoil):([^,]+),([^,]+)")));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return false;
  const QLocale c = QLocale::c();
  bool xRead = false, yRead = false;
  probe.plane =
      match.captured(1) == QStringLiteral("circle") ? FieldPlane::kCircle : FieldPlane::kAirfoil;
  probe.x = c.toDouble(match.captured(2).trimmed(), &xRead);
  probe.y = c.toDouble(match.captured(3).trimmed(), &yRead);
  return xRead && yRead && std::isfinite(probe.x) && std::isfinite(probe.y);
}

}  // namespace

namespace {

// A number option as the C locale reads it; NaN when it is no number.
double NumberOption(const QCommandLineParser& parser, const QCommandLineOption& option) {
  bool read = false;
  const double value = QLocale::c().toDouble(parser.value(option), &read);
  return read ? value : std::numeric_limits<double>::quiet_NaN();
}

// --re, or --speed with --chord and --altitude, and --ncrit: refused with
// the session's own sentences.
std::optional<QString> ReadViscousOptions(const QCommandLineParser& parser,
                                          const QCommandLineOption& re,
                                          const QCommandLineOption& speed,
                                          const QCommandLineOption& chord,
                                          const QCommandLineOption& altitude,
                                          const QCommandLineOption& ncrit, RenderOptions& o) {
  const int wingParts = parser.isSet(speed) + parser.isSet(chord) + parser.isSet(altitude);
  if (wingParts != 0 && wingParts != 3) {
    return QStringLiteral("--speed, --chord and --altitude go together");
  }
  if (wingParts == 3 && parser.isSet(re)) {
    return QStringLiteral("give --re or the wing (--speed, --chord, --altitude), not both");
  }
  if (parser.isSet(re)) {
    const double value = NumberOption(parser, re);
    const ReynoldsFault fault = CheckReynolds(value);
    if (fault != ReynoldsFault::kNone) {
      return QString::fromStdString(ReynoldsRefusal(fault, Language::kEnglish));
    }
    o.reynolds = value;
  }
  if (wingParts == 3) {
    const Wing wing{NumberOption(parser, speed), NumberOption(parser, chord),
                    NumberOption(parser, altitude)};
    const WingFault fault = CheckWing(wing);
    if (fault != WingFault::kNone) {
      return QString::fromStdString(WingRefusal(fault, Language::kEnglish));
    }
    o.wing = wing;
  }
  if (parser.isSet(ncrit)) {
    const double value = NumberOption(parser, ncrit);
    if (!NCritUsable(value)) return QString::fromStdString(NCritRefusal(Language::kEnglish));
    o.nCrit = value;
  }
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  const ParameterTexts defaults;
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Runs one pass of Fluvenna and writes its pictures (the flow past the circle, the flow "
      "around the airfoil, the surface pressure, the lift curve and, with --field, the flow "
      "field) and its numbers.\nThe parameters take the same "
      "texts as "
      "the window's text boxes; their defaults are the window's initial texts."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  for (const TextOption& option : kTextOptions) {
    const QString initial = QString::fromStdString(defaults.*option.text);
    parser.addOption(QCommandLineOption(
        QString::fromLatin1(option.name),
        QStringLiteral("%1 (default: %2).").arg(QString::fromLatin1(option.meaning), initial),
        QStringLiteral("text"), initial));
  }
  const QCommandLineOption table(
      QStringLiteral("table"),
      QStringLiteral("Profile table file (default: %1 from the working directory, else the "
                     "installed one).")
          .arg(QString::fromLatin1(kProfileTableFileName)),
      QStringLiteral("path"));
  const QCommandLineOption png(
      QStringLiteral("png"),
      QStringLiteral("Write the pictures to PREFIX-circle.png, PREFIX-airfoil.png, "
                     "PREFIX-pressure.png, PREFIX-friction.png, PREFIX-lift.png and, with --field, "
                     "PREFIX-field.png."),
      QStringLiteral("prefix"));
  const QCommandLineOption svg(
      QStringLiteral("svg"),
      QStringLiteral("Write the pictures to PREFIX-circle.svg, PREFIX-airfoil.svg, "
                     "PREFIX-pressure.svg, PREFIX-friction.svg, PREFIX-lift.svg and, with --field, "
                     "PREFIX-field.svg."),
      QStringLiteral("prefix"));
  const QCommandLineOption size(
      QStringLiteral("size"),
      QStringLiteral("Picture size in pixels, at least %1x%2 (the window's drawing area, the "
                     "default).")
          .arg(kPictureWidth)
          .arg(kPictureHeight),
      QStringLiteral("WxH"));
  const QCommandLineOption csv(
      QStringLiteral("csv"),
      QStringLiteral("Write every point of every curve to FILE ('-' for standard output; the "
                     "summary then goes to standard error)."),
      QStringLiteral("file"));
  const QCommandLineOption cp(
      QStringLiteral("cp"),
      QStringLiteral("Write the airfoil surface with its speed and pressure coefficient to FILE "
                     "(surface,point,x,y,xc,q,cp; '-' for standard output; the summary then "
                     "goes to standard error)."),
      QStringLiteral("file"));
  const QCommandLineOption lift(
      QStringLiteral("lift-curve"),
      QStringLiteral("Write the lift curve of the profile and Kutta factor to FILE "
                     "(alpha_deg,cl,cl_thin; '-' for standard output; the summary then goes to "
                     "standard error)."),
      QStringLiteral("file"));
  const QCommandLineOption field(
      QStringLiteral("field"),
      QStringLiteral("With --png or --svg, also write the flow field coloured by QUANTITY, cp or "
                     "speed, to PREFIX-field (the window's flow-field view)."),
      QStringLiteral("quantity"));
  const QCommandLineOption map(
      QStringLiteral("map"),
      QStringLiteral("With --png or --svg, also write the conformal map zeta = z + t cJ^2/z "
                     "with its polar grid, body, streamlines and critical points at the morph "
                     "--morph to PREFIX-map (the window's conformal-map view)."));
  const QCommandLineOption morph(
      QStringLiteral("morph"),
      QStringLiteral("The morph t of --map, from 0 (the circle plane) to 1 (the airfoil plane, "
                     "the default)."),
      QStringLiteral("t"));
  const QCommandLineOption fieldCsv(
      QStringLiteral("field-csv"),
      QStringLiteral("Write the flow field as the flow-field picture samples it, one row per "
                     "pixel centre (x,y,state,u,v,q,cp,psi,phi), to FILE ('-' for standard "
                     "output)."),
      QStringLiteral("file"));
  const QCommandLineOption probe(
      QStringLiteral("probe"),
      QStringLiteral("Print the flow at a point of the circle or airfoil plot as a CSV line "
                     "(plane,x,y,state,u,v,q,cp,psi,phi) on standard output; may be repeated. "
                     "The summary then goes to standard error."),
      QStringLiteral("plane:x,y"));
  const QCommandLineOption times(
      QStringLiteral("times"),
      QStringLiteral("Write every point of every curve with its time of flight to FILE "
                     "(plane,curve,point,psi,x,y,q,t; '-' for standard output)."),
      QStringLiteral("file"));
  const QCommandLineOption frames(
      QStringLiteral("frames"),
      QStringLiteral("Write the flow-field view with its particles and timelines moving at their "
                     "true speed as numbered pictures DIR/fluvenna-0001.png, ... (the folder is "
                     "made when missing); one time unit, chord / U0, takes 2 seconds."),
      QStringLiteral("dir"));
  const QCommandLineOption seconds(
      QStringLiteral("seconds"),
      QStringLiteral("Seconds of animation --frames writes (default: 4)."), QStringLiteral("s"));
  const QCommandLineOption fps(QStringLiteral("fps"),
                               QStringLiteral("Frames a second --frames writes (default: 25)."),
                               QStringLiteral("n"));
  const QCommandLineOption json(QStringLiteral("json"),
                                QStringLiteral("Print the summary as one JSON object."));
  const QCommandLineOption re(
      QStringLiteral("re"),
      QStringLiteral(
          "Reynolds number U0 c / nu of the boundary layer, 1000 to 1e9 (default: 1e6)."),
      QStringLiteral("R"));
  const QCommandLineOption speed(
      QStringLiteral("speed"),
      QStringLiteral("Speed of a wing in m/s; with --chord and --altitude it gives Re and the lift "
                     "and drag per metre of span."),
      QStringLiteral("V"));
  const QCommandLineOption chord(QStringLiteral("chord"),
                                 QStringLiteral("Chord of the wing in m (with --speed)."),
                                 QStringLiteral("C"));
  const QCommandLineOption altitude(
      QStringLiteral("altitude"),
      QStringLiteral("Altitude of the wing in m, 0 to 11000, standard atmosphere (with --speed)."),
      QStringLiteral("H"));
  const QCommandLineOption ncrit(
      QStringLiteral("ncrit"),
      QStringLiteral("Amplification exponent N at transition, 1 to 20 (default: 9)."),
      QStringLiteral("N"));
  const QCommandLineOption boundaryLayer(
      QStringLiteral("boundary-layer"),
      QStringLiteral("Write the boundary layer of both surfaces to FILE (\"-\" for standard "
                     "output)."),
      QStringLiteral("file"));
  const QCommandLineOption polar(
      QStringLiteral("polar"),
      QStringLiteral("Write the drag polar over the lift curve's angles to FILE (\"-\" for "
                     "standard output)."),
      QStringLiteral("file"));
  const QCommandLineOption naca(
      QStringLiteral("naca"),
      QStringLiteral("Use the NACA section CODE (4 digits, or 5 with the mean lines 210 to 250) "
                     "instead of the Joukowski profile of --delta and --gamma."),
      QStringLiteral("code"));
  const QCommandLineOption airfoil(
      QStringLiteral("airfoil"),
      QStringLiteral("Use the profile of the coordinate FILE (Selig or Lednicer .dat) instead of "
                     "the Joukowski profile of --delta and --gamma."),
      QStringLiteral("file"));
  for (const QCommandLineOption* option :
       {&table, &png,      &svg,      &size,  &csv,           &cp,      &lift, &field,  &map,
        &morph, &fieldCsv, &probe,    &times, &frames,        &seconds, &fps,  &json,   &re,
        &speed, &chord,    &altitude, &ncrit, &boundaryLayer, &polar,   &naca, &airfoil}) {
    parser.addOption(*option);
  }
  AddFiniteWingOptions(parser);

  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  ParsedCommandLine parsed;
  if (parser.isSet(help)) {
    parsed.action = ParsedCommandLine::Action::kHelp;
    parsed.text = parser.helpText();
    return parsed;
  }
  if (parser.isSet(version)) {
    parsed.action = ParsedCommandLine::Action::kVersion;
    parsed.text = QString::fromStdString(VersionText("fluvenna-render", FLUVENNA_VERSION));
    return parsed;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return UsageError(QStringLiteral("unexpected argument '%1' (the options are listed by --help)")
                          .arg(parser.positionalArguments().first()));
  }

  RenderOptions& o = parsed.options;
  for (const TextOption& option : kTextOptions) {
    o.texts.*option.text = parser.value(QString::fromLatin1(option.name)).toStdString();
  }
  o.tablePath = parser.value(table);
  if (parser.isSet(table) && o.tablePath.isEmpty()) {
    return UsageError(QStringLiteral("--table needs a file name"));
  }
  o.pngPrefix = parser.value(png);
  o.svgPrefix = parser.value(svg);
  o.csvPath = parser.value(csv);
  o.cpPath = parser.value(cp);
  o.liftPath = parser.value(lift);
  if ((parser.isSet(png) && o.pngPrefix.isEmpty()) ||
      (parser.isSet(svg) && o.svgPrefix.isEmpty()) || (parser.isSet(csv) && o.csvPath.isEmpty()) ||
      (parser.isSet(cp) && o.cpPath.isEmpty()) || (parser.isSet(lift) && o.liftPath.isEmpty())) {
    return UsageError(
        QStringLiteral("--png, --svg, --csv, --cp and --lift-curve need a file name"));
  }
  o.fieldCsvPath = parser.value(fieldCsv);
  if (parser.isSet(fieldCsv) && o.fieldCsvPath.isEmpty()) {
    return UsageError(QStringLiteral("--field-csv needs a file name"));
  }
  for (const QString& point : parser.values(probe)) {
    ProbeOption option;
    if (!ReadProbe(point, option)) {
      return UsageError(
          QStringLiteral("--probe takes circle:X,Y or airfoil:X,Y with finite numbers, not '%1'")
              .arg(point));
    }
    o.probes.push_back(option);
  }
  o.timesPath = parser.value(times);
  o.framesDir = parser.value(frames);
  if ((parser.isSet(times) && o.timesPath.isEmpty()) ||
      (parser.isSet(frames) && o.framesDir.isEmpty())) {
    return UsageError(QStringLiteral("--times and --frames need a name"));
  }
  if (parser.isSet(seconds)) {
    bool read = false;
    o.seconds = QLocale::c().toDouble(parser.value(seconds), &read);
    if (!read || !(o.seconds > 0.0) || o.seconds > 600.0) {
      return UsageError(QStringLiteral("--seconds takes a number above 0 up to 600"));
    }
  }
  if (parser.isSet(fps)) {
    bool read = false;
    o.fps = parser.value(fps).toInt(&read);
    if (!read || o.fps < 1 || o.fps > 120) {
      return UsageError(QStringLiteral("--fps takes a whole number from 1 to 120"));
    }
  }
  if (o.seconds * o.fps > kMostFrames) {
    return UsageError(QStringLiteral("--frames writes at most %1 pictures").arg(kMostFrames));
  }
  o.boundaryLayerPath = parser.value(boundaryLayer);
  o.polarPath = parser.value(polar);
  if ((parser.isSet(boundaryLayer) && o.boundaryLayerPath.isEmpty()) ||
      (parser.isSet(polar) && o.polarPath.isEmpty())) {
    return UsageError(QStringLiteral("--boundary-layer and --polar need a file name"));
  }
  if (const auto refusal = ReadViscousOptions(parser, re, speed, chord, altitude, ncrit, o)) {
    return UsageError(*refusal);
  }
  const FiniteWingOptions finiteWing = ReadFiniteWingOptions(parser);
  if (finiteWing.refusal) return UsageError(*finiteWing.refusal);
  o.finiteWing = finiteWing.request;
  const QString toOut = QStringLiteral("-");
  if ((o.finiteWing && o.finiteWing->csvPath == toOut) + (o.csvPath == toOut) +
          (o.cpPath == toOut) + (o.liftPath == toOut) + (o.fieldCsvPath == toOut) +
          (o.timesPath == toOut) + !o.probes.empty() + (o.boundaryLayerPath == toOut) +
          (o.polarPath == toOut) >
      1) {
    return UsageError(
        QStringLiteral("only one of --csv, --cp, --lift-curve, --field-csv, --times, --probe, "
                       "--boundary-layer, --polar and --wing-csv can go to standard output"));
  }
  if (parser.isSet(field)) {
    o.field = parser.value(field);
    if (o.field != QStringLiteral("cp") && o.field != QStringLiteral("speed")) {
      return UsageError(QStringLiteral("--field takes cp or speed, not '%1'").arg(o.field));
    }
  }
  o.map = parser.isSet(map);
  if (parser.isSet(morph)) {
    bool read = false;
    o.morph = QLocale::c().toDouble(parser.value(morph).trimmed(), &read);
    if (!read || !std::isfinite(o.morph) || o.morph < 0.0 || o.morph > 1.0) {
      return UsageError(
          QStringLiteral("--morph takes a number from 0 to 1, not '%1'").arg(parser.value(morph)));
    }
    if (!o.map) return UsageError(QStringLiteral("--morph needs --map"));
  }
  o.size = QSize(kPictureWidth, kPictureHeight);
  if (parser.isSet(size) && !ReadSize(parser.value(size), o.size)) {
    return UsageError(QStringLiteral("--size takes WIDTHxHEIGHT from %1x%2 up to %3x%3, not '%4'")
                          .arg(kPictureWidth)
                          .arg(kPictureHeight)
                          .arg(kLargestPictureSide)
                          .arg(parser.value(size)));
  }
  o.json = parser.isSet(json);
  if (parser.isSet(naca) && parser.isSet(airfoil)) {
    return UsageError(QStringLiteral("give --naca or --airfoil, not both"));
  }
  if ((parser.isSet(naca) || parser.isSet(airfoil)) &&
      (parser.isSet(QStringLiteral("delta")) || parser.isSet(QStringLiteral("gamma")))) {
    return UsageError(QStringLiteral(
        "--naca and --airfoil take the place of --delta and --gamma: give one or the other"));
  }
  o.naca = parser.value(naca);
  o.airfoilPath = parser.value(airfoil);
  if (parser.isSet(naca) && o.naca.isEmpty())
    return UsageError(QStringLiteral("--naca needs a code"));
  if (parser.isSet(airfoil) && o.airfoilPath.isEmpty()) {
    return UsageError(QStringLiteral("--airfoil needs a file name"));
  }
  return parsed;
}

}  // namespace fluvenna
