// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-icon: draws the program's icon with its own pass and plot code.
// A pass past a cambered profile is drawn on a surface that keeps the
// airfoil plot as an SVG sketch instead of pixels: the profile filled in red,
// a few streamlines in blue, strokes thick enough to read at 48 pixels.
//
// Usage: fluvenna-icon TABLE OUTPUT.svg
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "flow/profile_table.h"
#include "plot/drawing.h"

namespace fluvenna {
namespace {

// The icon's square canvas, in SVG user units, and its rounded frame.
constexpr double kSide = 128.0;
constexpr double kFrameMargin = 4.0;
constexpr double kFrameRadius = 20.0;
// Lines end this far inside the canvas edge, within the frame's corners too.
constexpr double kLineMargin = 11.0;
// Stroke widths in canvas units (128 units = 48 pixels at the smallest size).
constexpr double kProfileStroke = 4.0;
constexpr double kStreamlineStroke = 3.5;
// Points closer than this to the last one kept are left out of a line.
constexpr double kSmallestStep = 1.0;

// The pass parameters of the picture: a cambered profile at 8 degrees.
ParameterTexts IconPass() {
  ParameterTexts texts;
  texts.DELTA = "0.15";
  texts.GAMA = "0.06";
  texts.Alfa = "8";
  texts.dPsi = "0.2";
  texts.kMax = "8";
  texts.Olcek = "0.75";
  return texts;
}

// Takes the surface operations and keeps nothing: the circle plane is not
// part of the icon.
class NoSurface : public PlotSurface {
 public:
  bool Scale(double, double, double, double) override { return true; }
  bool Cls() override { return true; }
  bool Line(float, float, float, float, Colour) override { return true; }
  bool Image(double, double, double, double, const RgbaImage&) override { return true; }
  bool Text(double, double, const std::string&, Colour, TextAnchor) override { return true; }
};

// A segment of a plot in canvas units.
struct Segment {
  double x1, y1, x2, y2;
  Colour colour;
};

// Keeps the segments of a plot in canvas units: the plot's x range spans the
// canvas, y uses the same scale (up is up). The axes are left out.
class SketchSurface : public PlotSurface {
 public:
  bool Scale(double x1, double y1, double x2, double y2) override {
    if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)) ||
        x1 == x2 || y1 == y2) {
      return false;
    }
    unitsPerX_ = kSide / (x2 - x1);
    x0_ = x1;
    yMid_ = 0.5 * (y1 + y2);
    ySign_ = (y2 < y1) ? -1.0 : 1.0;
    return true;
  }
  bool Cls() override {
    segments_.clear();
    return true;
  }
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override {
    if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))) {
      return false;
    }
    if (colour != kAxisColour) {
      segments_.push_back({CanvasX(x1), CanvasY(y1), CanvasX(x2), CanvasY(y2), colour});
    }
    return true;
  }
  // The icon is made of the curves alone: no image, no text.
  bool Image(double, double, double, double, const RgbaImage&) override { return true; }
  bool Text(double, double, const std::string&, Colour, TextAnchor) override { return true; }
  const std::vector<Segment>& segments() const { return segments_; }

 private:
  double CanvasX(double x) const { return (x - x0_) * unitsPerX_; }
  double CanvasY(double y) const { return 0.5 * kSide + ySign_ * (y - yMid_) * unitsPerX_; }

  double unitsPerX_ = 1.0, x0_ = 0.0, yMid_ = 0.0, ySign_ = -1.0;
  std::vector<Segment> segments_;
};

// Cuts the segment to the square [lo, hi]^2 (Liang-Barsky); false when
// nothing of it lies inside.
bool ClipToSquare(Segment& s, double lo, double hi) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - lo, hi - s.x1, s.y1 - lo, hi - s.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  s = {s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy, s.colour};
  return true;
}

// Lines of one colour made of segments that meet end to start.
struct Polyline {
  Colour colour;
  std::vector<std::pair<double, double>> points;
};

// Shifts the segments so that the profile (the body colour) stands in the
// middle of the canvas, cuts them to the frame's inside and joins them.
std::vector<Polyline> Compose(const std::vector<Segment>& segments) {
  double xmin = kSide, xmax = 0.0, ymin = kSide, ymax = 0.0;
  for (const Segment& s : segments) {
    if (s.colour != kBodyColour) continue;
    xmin = std::min({xmin, s.x1, s.x2});
    xmax = std::max({xmax, s.x1, s.x2});
    ymin = std::min({ymin, s.y1, s.y2});
    ymax = std::max({ymax, s.y1, s.y2});
  }
  const double dx = xmax >= xmin ? 0.5 * kSide - 0.5 * (xmin + xmax) : 0.0;
  const double dy = ymax >= ymin ? 0.5 * kSide - 0.5 * (ymin + ymax) : 0.0;
  std::vector<Polyline> lines;
  for (Segment s : segments) {
    s = {s.x1 + dx, s.y1 + dy, s.x2 + dx, s.y2 + dy, s.colour};
    if (!ClipToSquare(s, kLineMargin, kSide - kLineMargin)) continue;
    const std::pair<double, double> from{s.x1, s.y1}, to{s.x2, s.y2};
    if (lines.empty() || lines.back().colour != s.colour || lines.back().points.back() != from) {
      lines.push_back({s.colour, {from}});
    }
    lines.back().points.push_back(to);
  }
  return lines;
}

// An SVG path of the polyline with the points kSmallestStep apart.
std::string PathData(const Polyline& line, bool closed) {
  std::ostringstream d;
  d.setf(std::ios::fixed);
  d.precision(1);
  const auto& p = line.points;
  std::pair<double, double> kept = p.front();
  d << 'M' << kept.first << ',' << kept.second;
  for (std::size_t i = 1; i < p.size(); ++i) {
    const bool last = i + 1 == p.size();
    if (!last && std::hypot(p[i].first - kept.first, p[i].second - kept.second) < kSmallestStep) {
      continue;
    }
    kept = p[i];
    d << 'L' << kept.first << ',' << kept.second;
  }
  if (closed) d << 'Z';
  return d.str();
}

std::string Hex(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::string IconSvg(const std::vector<Polyline>& lines) {
  std::ostringstream svg;
  const double inner = kSide - 2 * kFrameMargin;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSide << "\" height=\"" << kSide
      << "\" viewBox=\"0 0 " << kSide << ' ' << kSide << "\">\n"
      << "<title>Fluvenna</title>\n"
      << "<rect x=\"" << kFrameMargin << "\" y=\"" << kFrameMargin << "\" width=\"" << inner
      << "\" height=\"" << inner << "\" rx=\"" << kFrameRadius << "\" fill=\""
      << Hex(kBackgroundColour) << "\" stroke=\"#8c8c6e\" stroke-width=\"2\"/>\n"
      << "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  // Streamlines first, so that the profile lies on top of them.
  for (const auto& line : lines) {
    if (line.colour != kStreamlineColour) continue;
    svg << "<path stroke=\"" << Hex(line.colour) << "\" stroke-width=\"" << kStreamlineStroke
        << "\" d=\"" << PathData(line, false) << "\"/>\n";
  }
  for (const auto& line : lines) {
    if (line.colour != kBodyColour) continue;
    svg << "<path fill=\"" << Hex(line.colour) << "\" stroke=\"" << Hex(line.colour)
        << "\" stroke-width=\"" << kProfileStroke << "\" d=\"" << PathData(line, true) << "\"/>\n";
  }
  svg << "</g>\n</svg>\n";
  return svg.str();
}

}  // namespace
}  // namespace fluvenna

int main(int argc, char** argv) {
  using namespace fluvenna;
  if (argc != 3) {
    std::fprintf(stderr, "usage: fluvenna-icon TABLE OUTPUT.svg\n");
    return 2;
  }
  ProfileTable table;
  if (auto failure = LoadProfileTableFile(table, argv[1])) {
    std::fprintf(stderr, "fluvenna-icon: %s: %s\n", argv[1], failure->c_str());
    return 1;
  }
  auto arrays = std::make_unique<PointArrays>();
  NoSurface circlePlane;
  SketchSurface airfoil;
  const PassResult result = DrawPass(IconPass(), table, *arrays, circlePlane, airfoil);
  if (!result.ok() || result.params.profileRow == 0) {
    std::fprintf(stderr, "fluvenna-icon: the pass failed: %s\n",
                 result.error ? result.error->c_str() : "no profile row for the icon's pair");
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << IconSvg(Compose(airfoil.segments()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "fluvenna-icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
