// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/finite_wing_options.h"

#include "flow/lifting_line.h"
#include "report/finite_wing_report.h"

namespace fluvenna {
namespace {

constexpr const char* kWing = "wing";
constexpr const char* kPlanform = "planform";
constexpr const char* kTaper = "taper";
constexpr const char* kWashout = "washout";
constexpr const char* kWingCsv = "wing-csv";

// NaN when the value is no number.
double Number(const OptionParser& parser, const char* name) {
  return OptionNumber(parser.Value(name));
}

}  // namespace

void AddFiniteWingOptions(OptionParser& parser) {
  const auto add = [&](const char* name, const char* description, const char* valueName) {
    parser.Add(OptionSpec{{name}, description, valueName, ""});
  };
  add(kWing,
      "Add the finite wing of aspect ratio AR (1 to 30) made of this section, by lifting-line "
      "theory: PREFIX-wing with --png or --svg, and its numbers in the summary.",
      "AR");
  add(kPlanform, "Planform of the wing: rectangular, tapered or elliptic.", "name");
  add(kTaper, "Taper ratio c_tip/c_root of a tapered wing, 0 to 1.", "L");
  add(kWashout,
      "Washout at the tip in degrees, -10 to 10, linear from the root (positive lowers the tip).",
      "DEG");
  add(kWingCsv,
      "Write the wing's stations (eta,y,chord,cl,gamma,alpha_i_deg,cd_profile) to FILE (\"-\" "
      "for standard output).",
      "file");
}

FiniteWingOptions ReadFiniteWingOptions(const OptionParser& parser) {
  FiniteWingOptions out;
  if (!parser.IsSet(kWing)) {
    if (parser.IsSet(kPlanform) || parser.IsSet(kTaper) || parser.IsSet(kWashout) ||
        parser.IsSet(kWingCsv)) {
      out.refusal = "--planform, --taper, --washout and --wing-csv need --wing";
    }
    return out;
  }
  FiniteWingRequest r;
  r.aspectRatio = Number(parser, kWing);
  r.planform = parser.IsSet(kPlanform)
                   ? parser.Value(kPlanform)
                   : std::string(parser.IsSet(kTaper) ? "tapered" : "rectangular");
  if (parser.IsSet(kTaper)) r.taper = Number(parser, kTaper);
  if (parser.IsSet(kWashout)) r.washoutDeg = Number(parser, kWashout);
  r.csvPath = parser.Value(kWingCsv);
  if (parser.IsSet(kWingCsv) && r.csvPath.empty()) {
    out.refusal = "--wing-csv needs a file name";
    return out;
  }
  const std::optional<Planform> planform = PlanformNamed(r.planform.c_str());
  if (!planform) {
    out.refusal = (UnknownPlanformRefusal(Language::kEnglish));
    return out;
  }
  const FiniteWingFault fault =
      CheckFiniteWing(FiniteWingShape{r.aspectRatio, *planform, r.taper, r.washoutDeg});
  if (fault != FiniteWingFault::kNone) {
    out.refusal = (FiniteWingRefusal(fault, Language::kEnglish));
    return out;
  }
  out.request = r;
  return out;
}

}  // namespace fluvenna
