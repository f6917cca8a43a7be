// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/finite_wing_options.h"

#include <QLocale>

#include <limits>

#include "flow/lifting_line.h"
#include "report/finite_wing_report.h"

namespace fluvenna {
namespace {

const QString kWing = QStringLiteral("wing");
const QString kPlanform = QStringLiteral("planform");
const QString kTaper = QStringLiteral("taper");
const QString kWashout = QStringLiteral("washout");
const QString kWingCsv = QStringLiteral("wing-csv");

double Number(const QCommandLineParser& parser, const QString& name) {
  bool read = false;
  const double value = QLocale::c().toDouble(parser.value(name).trimmed(), &read);
  return read ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

void AddFiniteWingOptions(QCommandLineParser& parser) {
  parser.addOption(QCommandLineOption(
      kWing,
      QStringLiteral("Add the finite wing of aspect ratio AR (1 to 30) made of this section, by "
                     "lifting-line theory: PREFIX-wing with --png or --svg, and its numbers in the "
                     "summary."),
      QStringLiteral("AR")));
  parser.addOption(QCommandLineOption(
      kPlanform, QStringLiteral("Planform of the wing: rectangular, tapered or elliptic."),
      QStringLiteral("name")));
  parser.addOption(QCommandLineOption(
      kTaper, QStringLiteral("Taper ratio c_tip/c_root of a tapered wing, 0 to 1."),
      QStringLiteral("L")));
  parser.addOption(QCommandLineOption(
      kWashout,
      QStringLiteral("Washout at the tip in degrees, -10 to 10, linear from the root (positive "
                     "lowers the tip)."),
      QStringLiteral("DEG")));
  parser.addOption(QCommandLineOption(
      kWingCsv,
      QStringLiteral("Write the wing's stations (eta,y,chord,cl,gamma,alpha_i_deg,cd_profile) to "
                     "FILE (\"-\" for standard output)."),
      QStringLiteral("file")));
}

FiniteWingOptions ReadFiniteWingOptions(const QCommandLineParser& parser) {
  FiniteWingOptions out;
  if (!parser.isSet(kWing)) {
    if (parser.isSet(kPlanform) || parser.isSet(kTaper) || parser.isSet(kWashout) ||
        parser.isSet(kWingCsv)) {
      out.refusal = QStringLiteral("--planform, --taper, --washout and --wing-csv need --wing");
    }
    return out;
  }
  FiniteWingRequest r;
  r.aspectRatio = Number(parser, kWing);
  r.planform = parser.isSet(kPlanform)
                   ? parser.value(kPlanform).toStdString()
                   : std::string(parser.isSet(kTaper) ? "tapered" : "rectangular");
  if (parser.isSet(kTaper)) r.taper = Number(parser, kTaper);
  if (parser.isSet(kWashout)) r.washoutDeg = Number(parser, kWashout);
  r.csvPath = parser.value(kWingCsv);
  if (parser.isSet(kWingCsv) && r.csvPath.isEmpty()) {
    out.refusal = QStringLiteral("--wing-csv needs a file name");
    return out;
  }
  const std::optional<Planform> planform = PlanformNamed(r.planform.c_str());
  if (!planform) {
    out.refusal = QString::fromStdString(UnknownPlanformRefusal(Language::kEnglish));
    return out;
  }
  const FiniteWingFault fault =
      CheckFiniteWing(FiniteWingShape{r.aspectRatio, *planform, r.taper, r.washoutDeg});
  if (fault != FiniteWingFault::kNone) {
    out.refusal = QString::fromStdString(FiniteWingRefusal(fault, Language::kEnglish));
    return out;
  }
  out.request = r;
  return out;
}

}  // namespace fluvenna
