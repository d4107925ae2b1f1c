#include "cli/results_csv.h"

#include <charconv>
#include <cmath>
#include <string>
#include <variant>

#include "cli/point_fields.h"

namespace fljudge {
namespace {

// Shortest round-trip text, whatever the locale.
std::string NumberCell(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

std::string TextCell(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

struct ToCell {
    std::string operator()(std::int16_t v) const { return NumberCell(v); }
    std::string operator()(double v) const { return NumberCell(v); }
    std::string operator()(const MaybeReal& v) const { return v ? NumberCell(*v) : std::string(); }
    std::string operator()(std::string_view v) const { return TextCell(v); }
};

template <class Cell>
void WriteRow(std::ostream& out, Cell cell) {
    bool first = true;
    for (const PointField& field : kPointFields) {
        const int columns = field.perMotion ? kMotionCount : 1;
        for (int m = 1; m <= columns; ++m) {
            if (!first) {
                out << ',';
            }
            first = false;
            out << cell(field, m);
        }
    }
    out << '\n';
}

}  // namespace

void WriteResultsCsv(const CalcResults& results, std::ostream& out) {
    WriteRow(out, [](const PointField& field, int m) {
        std::string name(field.name);
        if (field.perMotion) {
            name += '_';
            name += static_cast<char>('0' + m);
        }
        return name;
    });
    for (int i = 1; i <= results.CalcPointCount && i <= kMaxCalcPoints; ++i) {
        const CalcPoint& point = results.CalcPoints[i];
        WriteRow(out, [&point](const PointField& field, int m) {
            return std::visit(ToCell{}, field.value(point, m));
        });
    }
}

}  // namespace fljudge
