#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/drawing_surface.h"

namespace fljudge {

// A surface that draws nothing and remembers every call, for tests. Its font
// is a fixed grid: "計" is cellWidth by cellHeight twips, a half-width
// character half as wide.
class RecordingSurface final : public DrawingSurface {
  public:
    enum class Kind { Text, Line, Rectangle, Circle, Style };

    struct Call {
        Kind kind;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle: centre and radius in x2
        std::string text;
        LineStyle style = LineStyle::Solid;
    };

    // A text in grid terms: the (column, row) GridText was given.
    struct GridTextCall {
        double column;
        double row;
        std::string text;
    };
    // A rectangle in grid terms: the arguments GridBox was given.
    struct GridBoxCall {
        double column;
        double row;
        double widthCells;
        double heightCells;
    };

    explicit RecordingSurface(double cellWidth = 210, double cellHeight = 210);

    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawRectangle(double x1, double y1, double x2, double y2) override;
    void DrawCircle(double centerX, double centerY, double radius) override;
    void SetLineStyle(LineStyle style) override;

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<GridTextCall> Texts() const;
    std::vector<GridBoxCall> Boxes() const;
    // The texts drawn at exactly (column, row), in drawing order.
    std::vector<std::string> TextsAt(double column, double row) const;
    double CellWidth() const { return cellWidth_; }
    double CellHeight() const { return cellHeight_; }

  private:
    double cellWidth_;
    double cellHeight_;
    std::vector<Call> calls_;
};

}  // namespace fljudge
