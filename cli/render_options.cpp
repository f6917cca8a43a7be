// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <array>

#include "flow/profile_table.h"
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

ParsedCommandLine UsageError(const QString& message) {
  ParsedCommandLine parsed;
  parsed.action = ParsedCommandLine::Action::kUsageError;
  parsed.text = message;
  return parsed;
}

// "WxH", each side at least the window's drawing area and at most the largest side.
bool ReadSize(const QString& text, QSize& size) {
  static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})x([0-9]{1,6})$"));
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

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  const ParameterTexts defaults;
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Runs one pass of Fluvenna and writes its pictures (the flow past the circle, the flow "
      "around the airfoil and the surface pressure) and its numbers.\nThe parameters take the same "
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
      QStringLiteral("Write the pictures to PREFIX-circle.png, PREFIX-airfoil.png and "
                     "PREFIX-pressure.png."),
      QStringLiteral("prefix"));
  const QCommandLineOption svg(
      QStringLiteral("svg"),
      QStringLiteral("Write the pictures to PREFIX-circle.svg, PREFIX-airfoil.svg and "
                     "PREFIX-pressure.svg."),
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
  const QCommandLineOption json(QStringLiteral("json"),
                                QStringLiteral("Print the summary as one JSON object."));
  for (const QCommandLineOption* option : {&table, &png, &svg, &size, &csv, &cp, &json}) {
    parser.addOption(*option);
  }

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
  if ((parser.isSet(png) && o.pngPrefix.isEmpty()) ||
      (parser.isSet(svg) && o.svgPrefix.isEmpty()) || (parser.isSet(csv) && o.csvPath.isEmpty()) ||
      (parser.isSet(cp) && o.cpPath.isEmpty())) {
    return UsageError(QStringLiteral("--png, --svg, --csv and --cp need a file name"));
  }
  if (o.csvPath == QStringLiteral("-") && o.cpPath == QStringLiteral("-")) {
    return UsageError(QStringLiteral("--csv and --cp cannot both go to standard output"));
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
  return parsed;
}

}  // namespace fluvenna
