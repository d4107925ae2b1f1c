#pragma once

#include <string>
#include <string_view>

#include "calc/calc_point.h"
#include "report/drawing_surface.h"

// The character grid of the result pages: column c starts at
// x = (c - 1)·w + 2·w and row r at y = (r - 1)·h + 2·w, where w and h are the
// width and the height of "計" on the surface.
namespace fljudge {

struct GridCell {
    double w = 0;
    double h = 0;
};

GridCell MeasureCell(DrawingSurface& surface);

// Prints a text left-aligned with its top edge at the top of cell (column,
// row).
void GridText(DrawingSurface& surface, double column, double row, std::string_view text);

// The frame that begins half a cell before cell (column, row) and is
// widthCells by heightCells cells large.
void GridBox(DrawingSurface& surface, double column, double row, double widthCells,
             double heightCells);

// Display width in half-width columns: ASCII and half-width katakana count 1,
// every other character 2.
int DisplayWidth(std::string_view text);

// The text without the blanks in front and behind.
std::string_view TrimBlanks(std::string_view text);

// The value formatted with the pattern ("0.000" or "0"), padded on the left
// with blanks to `width` half-width columns. An undefined value gives "－".
// A longer text is returned whole: digits are never cut.
std::string FormatField(MaybeReal value, std::string_view pattern, int width);

// GridText of FormatField, moved left as far as the text is longer than its
// width, so that a number that does not fit still ends where the field ends.
void GridField(DrawingSurface& surface, double column, double row, MaybeReal value,
               std::string_view pattern, int width);

}  // namespace fljudge
