#include "report/recording_surface.h"

#include <cmath>

#include "report/grid.h"

namespace fljudge {
namespace {

// Grid positions are multiples of halves; recover them exactly.
double Snap(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

}  // namespace

RecordingSurface::RecordingSurface(double cellWidth, double cellHeight)
    : cellWidth_(cellWidth), cellHeight_(cellHeight) {}

double RecordingSurface::TextWidth(std::string_view text) {
    return DisplayWidth(text) * cellWidth_ / 2;
}

double RecordingSurface::TextHeight(std::string_view) {
    return cellHeight_;
}

void RecordingSurface::DrawText(double x, double y, std::string_view text) {
    calls_.push_back({Kind::Text, x, y, 0, 0, std::string(text), LineStyle::Solid});
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2) {
    calls_.push_back({Kind::Line, x1, y1, x2, y2, {}, LineStyle::Solid});
}

void RecordingSurface::DrawRectangle(double x1, double y1, double x2, double y2) {
    calls_.push_back({Kind::Rectangle, x1, y1, x2, y2, {}, LineStyle::Solid});
}

void RecordingSurface::DrawCircle(double centerX, double centerY, double radius) {
    calls_.push_back({Kind::Circle, centerX, centerY, radius, 0, {}, LineStyle::Solid});
}

void RecordingSurface::SetLineStyle(LineStyle style) {
    calls_.push_back({Kind::Style, 0, 0, 0, 0, {}, style});
}

std::vector<RecordingSurface::GridTextCall> RecordingSurface::Texts() const {
    std::vector<GridTextCall> texts;
    for (const Call& call : calls_) {
        if (call.kind == Kind::Text) {
            texts.push_back({Snap(call.x1 / cellWidth_ - 1),
                             Snap((call.y1 - 2 * cellWidth_) / cellHeight_ + 1), call.text});
        }
    }
    return texts;
}

std::vector<RecordingSurface::GridBoxCall> RecordingSurface::Boxes() const {
    std::vector<GridBoxCall> boxes;
    for (const Call& call : calls_) {
        if (call.kind == Kind::Rectangle) {
            boxes.push_back({Snap(call.x1 / cellWidth_ - 1.5),
                             Snap((call.y1 - 2 * cellWidth_) / cellHeight_ + 0.5),
                             Snap((call.x2 - call.x1) / cellWidth_),
                             Snap((call.y2 - call.y1) / cellHeight_)});
        }
    }
    return boxes;
}

std::vector<std::string> RecordingSurface::TextsAt(double column, double row) const {
    std::vector<std::string> found;
    for (const GridTextCall& text : Texts()) {
        if (text.column == column && text.row == row) {
            found.push_back(text.text);
        }
    }
    return found;
}

}  // namespace fljudge
