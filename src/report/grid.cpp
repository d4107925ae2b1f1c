#include "report/grid.h"

#include <algorithm>
#include <cstdint>

#include "project/number_text.h"

namespace fljudge {
namespace {

constexpr std::string_view kCellText = "計";
constexpr std::string_view kUndefinedText = "－";

int DecimalsOf(std::string_view pattern) {
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

}  // namespace

GridCell MeasureCell(DrawingSurface& surface) {
    return {surface.TextWidth(kCellText), surface.TextHeight(kCellText)};
}

void GridText(DrawingSurface& surface, double column, double row, std::string_view text) {
    const GridCell cell = MeasureCell(surface);
    surface.DrawText((column - 1) * cell.w + 2 * cell.w, (row - 1) * cell.h + 2 * cell.w, text);
}

void GridBox(DrawingSurface& surface, double column, double row, double widthCells,
             double heightCells) {
    const GridCell cell = MeasureCell(surface);
    const double x1 = (column - 0.5) * cell.w + 2 * cell.w;
    const double y1 = (row - 0.5) * cell.h + 2 * cell.w;
    surface.DrawRectangle(x1, y1, x1 + widthCells * cell.w, y1 + heightCells * cell.h);
}

int DisplayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        std::size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xF0) {
            length = 4;
            code = lead & 0x07u;
        } else if (lead >= 0xE0) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xC0) {
            length = 2;
            code = lead & 0x1Fu;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<std::uint8_t>(text[i + k]) & 0x3Fu);
        }
        const bool halfWidth = code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F);
        width += halfWidth ? 1 : 2;
        i += length;
    }
    return width;
}

std::string FormatField(MaybeReal value, std::string_view pattern, int width) {
    std::string text =
        value ? FormatFixed(*value, DecimalsOf(pattern)) : std::string(kUndefinedText);
    const int padding = width - DisplayWidth(text);
    if (padding > 0) {
        text.insert(0, static_cast<std::size_t>(padding), ' ');
    }
    return text;
}

void GridField(DrawingSurface& surface, double column, double row, MaybeReal value,
               std::string_view pattern, int width) {
    const std::string text = FormatField(value, pattern, width);
    const int overflow = std::max(0, DisplayWidth(text) - width);
    GridText(surface, column - 0.5 * overflow, row, text);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace fljudge
