// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/particles_picture.h"

#include <algorithm>

#include "plot/drawing.h"

namespace fluvenna {

bool DrawParticles(PlotSurface& surface, double Olcek, const ParticleFrame& frame, bool timelines,
                   int width, int height, double centreX) {
  const FieldFrame f = FieldPictureFrame(Olcek, centreX);
  if (!surface.Scale(f.left, f.top, f.right, f.bottom)) return false;
  if (timelines) {
    for (const TimelinePiece& piece : frame.timelines) {
      const auto point = [&](int j) {
        const Particle& p = frame.particles[frame.timelinePoints[piece.first + j]];
        return std::pair{p.ax, p.ay};
      };
      if (!DrawChain(surface, 0, piece.count - 1, kTimelineColour, point)) return false;
    }
  }
  const double dx = kParticleHalfSize * (f.right - f.left) / std::max(width, 1);
  const double dy = kParticleHalfSize * (f.top - f.bottom) / std::max(height, 1);
  for (const Particle& p : frame.particles) {
    if (p.ax > f.flowRight) continue;  // the colour bar's strip
    const float x = ToSurfaceFloat(p.ax), y = ToSurfaceFloat(p.ay);
    const float w = ToSurfaceFloat(dx), h = ToSurfaceFloat(dy);
    if (!surface.Line(x - w, y, x + w, y, kParticleColour) ||
        !surface.Line(x, y - h, x, y + h, kParticleColour)) {
      return false;
    }
  }
  return true;
}

}  // namespace fluvenna
