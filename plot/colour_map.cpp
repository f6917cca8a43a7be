// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/colour_map.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "flow/blocks_on_cores.h"

namespace fluvenna {
namespace {

struct Rgb {
  double r, g, b;
};

// Moreland's cool-warm map, entries at t = 0, 1/32, ..., 1.
constexpr std::array<Rgb, 33> kCoolWarm = {{
    {59, 76, 192},   {68, 90, 204},   {77, 104, 215},  {87, 117, 225},  {98, 130, 234},
    {108, 142, 241}, {119, 154, 247}, {130, 165, 251}, {141, 176, 254}, {152, 185, 255},
    {163, 194, 255}, {174, 201, 253}, {184, 208, 249}, {194, 213, 244}, {204, 217, 238},
    {213, 219, 230}, {221, 221, 221}, {229, 216, 209}, {236, 211, 197}, {241, 204, 185},
    {245, 196, 173}, {247, 187, 160}, {247, 177, 148}, {247, 166, 135}, {244, 154, 123},
    {241, 141, 111}, {236, 127, 99},  {229, 112, 88},  {222, 96, 77},   {213, 80, 66},
    {203, 62, 56},   {192, 40, 47},   {180, 4, 38},
}};

// matplotlib's viridis, entries 0, 16, 32, ..., 240 and 255 of its 256
// (fractions 0..1).
constexpr std::array<Rgb, 17> kViridis = {{
    {0.267004, 0.004874, 0.329415},
    {0.282327, 0.094955, 0.417331},
    {0.278826, 0.175490, 0.483397},
    {0.258965, 0.251537, 0.524736},
    {0.229739, 0.322361, 0.545706},
    {0.199430, 0.387607, 0.554642},
    {0.172719, 0.448791, 0.557885},
    {0.149039, 0.508051, 0.557250},
    {0.127568, 0.566949, 0.550556},
    {0.120638, 0.625828, 0.533488},
    {0.157851, 0.683765, 0.501686},
    {0.246070, 0.738910, 0.452024},
    {0.369214, 0.788888, 0.382914},
    {0.515992, 0.831158, 0.294279},
    {0.678489, 0.863742, 0.189503},
    {0.845561, 0.887322, 0.099702},
    {0.993248, 0.906157, 0.143936},
}};

int Byte(double v) {
  return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

Colour Mix(const Rgb& a, const Rgb& b, double f, double scale) {
  return RGB(Byte(scale * (a.r + f * (b.r - a.r))), Byte(scale * (a.g + f * (b.g - a.g))),
             Byte(scale * (a.b + f * (b.b - a.b))));
}

// t in [0, 1] on the cool-warm table.
Colour CoolWarm(double t) {
  const double p = t * 32.0;
  const int i = std::min(static_cast<int>(p), 31);
  return Mix(kCoolWarm[i], kCoolWarm[i + 1], p - i, 1.0);
}

// t in [0, 1] on viridis: entry index p = 255 t, anchors every 16 entries.
Colour Viridis(double t) {
  const double p = t * 255.0;
  const int i = std::min(static_cast<int>(p / 16.0), 15);
  const double start = 16.0 * i, end = (i == 15) ? 255.0 : 16.0 * (i + 1);
  return Mix(kViridis[i], kViridis[i + 1], (p - start) / (end - start), 255.0);
}

// Each map is read from a table of kSteps + 1 colours over its range; a
// value takes the colour of the nearest step.
constexpr int kSteps = 4096;
using Table = std::array<Colour, kSteps + 1>;

template <typename Map>
Table MakeTable(Map map) {
  Table table{};
  for (int i = 0; i <= kSteps; ++i) table[static_cast<std::size_t>(i)] = map(double(i) / kSteps);
  return table;
}

const Table& CpTable() {
  static const Table table = MakeTable(CoolWarm);
  return table;
}

const Table& SpeedTable() {
  static const Table table = MakeTable(Viridis);
  return table;
}

// The step of a value: Cp from -3..0 onto 0..1/2 and 0..1 onto 1/2..1.
std::size_t CpStep(double Cp) {
  if (std::isnan(Cp)) Cp = 0.0;
  const double c = std::clamp(Cp, kCpColourLow, kCpColourHigh);
  const double t = c < 0.0 ? 0.5 * (1.0 - c / kCpColourLow) : 0.5 + 0.5 * c / kCpColourHigh;
  return static_cast<std::size_t>(t * kSteps + 0.5);
}

std::size_t SpeedStep(double qOverU0) {
  if (std::isnan(qOverU0)) qOverU0 = kSpeedColourLow;
  const double q = std::clamp(qOverU0, kSpeedColourLow, kSpeedColourHigh);
  const double t = (q - kSpeedColourLow) / (kSpeedColourHigh - kSpeedColourLow);
  return static_cast<std::size_t>(t * kSteps + 0.5);
}

}  // namespace

Colour CpColour(double Cp) {
  return CpTable()[CpStep(Cp)];
}

Colour SpeedColour(double qOverU0) {
  return SpeedTable()[SpeedStep(qOverU0)];
}

Colour FieldColour(FieldQuantity quantity, double value) {
  return quantity == FieldQuantity::kCp ? CpColour(value) : SpeedColour(value);
}

void ColourField(const std::vector<double>& values, int width, int height, FieldQuantity quantity,
                 RgbaImage& image, int threads) {
  if (width <= 0 || height <= 0 ||
      values.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    image.width = image.height = 0;
    image.pixels.clear();
    return;
  }
  image.width = width;
  image.height = height;
  image.pixels.resize(values.size() * 4);
  const bool cp = quantity == FieldQuantity::kCp;
  const Table& table = cp ? CpTable() : SpeedTable();
  // A block of rows writes only its own pixels.
  const auto colourRows = [cp, &table, width, in = values.data(), pixels = image.pixels.data()](
                              int firstRow, int lastRow) {
    const std::size_t first = static_cast<std::size_t>(firstRow) * static_cast<std::size_t>(width);
    const std::size_t last = static_cast<std::size_t>(lastRow) * static_cast<std::size_t>(width);
    std::uint8_t* out = pixels + 4 * first;
    for (std::size_t k = first; k < last; ++k, out += 4) {
      const double value = in[k];
      if (std::isnan(value)) {
        out[0] = out[1] = out[2] = out[3] = 0;
      } else {
        const Colour c = table[cp ? CpStep(value) : SpeedStep(value)];
        out[0] = static_cast<std::uint8_t>(RedOf(c));
        out[1] = static_cast<std::uint8_t>(GreenOf(c));
        out[2] = static_cast<std::uint8_t>(BlueOf(c));
        out[3] = 255;
      }
    }
  };
  ForBlocksOnCores(height, kSampleRowBlock, threads, colourRows);
}

RgbaImage ColourField(const std::vector<double>& values, int width, int height,
                      FieldQuantity quantity, int threads) {
  RgbaImage image;
  ColourField(values, width, height, quantity, image, threads);
  return image;
}

}  // namespace fluvenna
