#pragma once

#include "report/drawing_surface.h"

namespace fljudge {

// A rectangle of the surface, edges included.
struct ClipRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool Contains(double x, double y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// Passes on to another surface only what lies inside a rectangle, so that a
// value far out of scale can neither put coordinates beyond what a device
// takes nor cost a drawing call per step off the page. What lies wholly
// inside passes unchanged. Lines are cut at the edges, rectangles cut to
// the part inside; circles and texts pass only when their centre or top
// left corner lies inside. Anything with a coordinate that is not a number
// is dropped.
class ClippingSurface final : public DrawingSurface {
  public:
    ClippingSurface(DrawingSurface& target, const ClipRect& clip) : target_(target), clip_(clip) {}

    const ClipRect& Clip() const { return clip_; }

    double TextWidth(std::string_view text) override { return target_.TextWidth(text); }
    double TextHeight(std::string_view text) override { return target_.TextHeight(text); }
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawRectangle(double x1, double y1, double x2, double y2) override;
    void DrawCircle(double centerX, double centerY, double radius) override;
    void SetLineStyle(LineStyle style) override { target_.SetLineStyle(style); }

  private:
    DrawingSurface& target_;
    ClipRect clip_;
};

}  // namespace fljudge
