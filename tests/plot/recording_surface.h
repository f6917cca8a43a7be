// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plot/surface.h"

namespace fluvenna {

// A surface that records every operation; it can be told to fail the n-th.
class RecordingSurface : public PlotSurface {
 public:
  enum Kind { kScale, kCls, kLine, kImage, kText };
  struct Op {
    Kind kind;
    double a[4];
    Colour colour;
    std::string text = {};  // Text: the text; Image: width x height
    TextAnchor anchor = TextAnchor::kTopLeft;
  };
  std::vector<Op> ops;
  int failAt = -1;

  bool Scale(double x1, double y1, double x2, double y2) override {
    return Record({kScale, {x1, y1, x2, y2}, 0});
  }
  bool Cls() override { return Record({kCls, {}, 0}); }
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override {
    return Record({kLine, {x1, y1, x2, y2}, colour});
  }
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override {
    return Record({kImage,
                   {x1, y1, x2, y2},
                   0,
                   std::to_string(image.width) + "x" + std::to_string(image.height)});
  }
  bool Text(double x, double y, const std::string& text, Colour colour,
            TextAnchor anchor) override {
    return Record({kText, {x, y, 0.0, 0.0}, colour, text, anchor});
  }
  std::vector<Op> Texts() const {
    std::vector<Op> texts;
    for (const Op& op : ops) {
      if (op.kind == kText) texts.push_back(op);
    }
    return texts;
  }
  std::vector<Op> Lines(Colour colour) const {
    std::vector<Op> lines;
    for (const Op& op : ops) {
      if (op.kind == kLine && op.colour == colour) lines.push_back(op);
    }
    return lines;
  }

 private:
  bool Record(const Op& op) {
    if (static_cast<int>(ops.size()) == failAt) return false;
    ops.push_back(op);
    return true;
  }
};

}  // namespace fluvenna
