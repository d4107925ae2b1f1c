#pragma once

#include <string_view>

namespace fljudge {

enum class LineStyle { Solid, Dashed };

// What the page procedures draw on: the screen page, a printer, a PDF, or a
// recording for tests. Lengths are twips (1/1440 inch) from the page's top
// left corner; texts are UTF-8; everything is drawn black, lines 1 wide.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Size of a one-line text in the surface's current font. The height is
    // the font's em size, so that a row of the character grid is one em.
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;

    // Prints a text with its top left corner at (x, y).
    virtual void DrawText(double x, double y, std::string_view text) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    virtual void DrawRectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawCircle(double centerX, double centerY, double radius) = 0;
    virtual void SetLineStyle(LineStyle style) = 0;
};

}  // namespace fljudge
