#include "report/clipping_surface.h"

#include <algorithm>
#include <cmath>

namespace fljudge {

void ClippingSurface::DrawText(double x, double y, std::string_view text) {
    if (clip_.Contains(x, y)) {
        target_.DrawText(x, y, text);
    }
}

void ClippingSurface::DrawLine(double x1, double y1, double x2, double y2) {
    if (clip_.Contains(x1, y1) && clip_.Contains(x2, y2)) {
        target_.DrawLine(x1, y1, x2, y2);
        return;
    }
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return;
    }
    // Liang-Barsky: the part of the segment, from t0 to t1, on the inner side
    // of all four edges.
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    const auto inside = [&t0, &t1](double p, double q) {
        if (p == 0) {
            return q >= 0;
        }
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 <= t1;
    };
    if (inside(-dx, x1 - clip_.left) && inside(dx, clip_.right - x1) &&
        inside(-dy, y1 - clip_.top) && inside(dy, clip_.bottom - y1)) {
        // Rounding may leave an end a hair outside; it is set on the edge.
        const auto clampX = [this](double x) { return std::clamp(x, clip_.left, clip_.right); };
        const auto clampY = [this](double y) { return std::clamp(y, clip_.top, clip_.bottom); };
        target_.DrawLine(clampX(x1 + t0 * dx), clampY(y1 + t0 * dy), clampX(x1 + t1 * dx),
                         clampY(y1 + t1 * dy));
    }
}

void ClippingSurface::DrawRectangle(double x1, double y1, double x2, double y2) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) {
        return;
    }
    if (std::max(x1, x2) < clip_.left || std::min(x1, x2) > clip_.right ||
        std::max(y1, y2) < clip_.top || std::min(y1, y2) > clip_.bottom) {
        return;
    }
    // The sides are parallel to the edges, so cutting moves only the corners.
    target_.DrawRectangle(
        std::clamp(x1, clip_.left, clip_.right), std::clamp(y1, clip_.top, clip_.bottom),
        std::clamp(x2, clip_.left, clip_.right), std::clamp(y2, clip_.top, clip_.bottom));
}

void ClippingSurface::DrawCircle(double centerX, double centerY, double radius) {
    if (clip_.Contains(centerX, centerY) && std::isfinite(radius)) {
        target_.DrawCircle(centerX, centerY, radius);
    }
}

}  // namespace fljudge
