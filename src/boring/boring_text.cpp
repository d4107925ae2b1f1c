#include "boring/boring_text.h"

#include <array>
#include <cmath>
#include <utility>

#include "project/number_text.h"

namespace fljudge {
namespace {

constexpr std::string_view kFullWidthSpace = "\u3000";
constexpr std::array<std::string_view, 3> kLineBreaks = {"\\n", "¥n", "\uFFE5n"};

// Length of the blank at `i`, 0 when there is none.
std::size_t BlankAt(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        return 1;
    }
    if (text.substr(i, kFullWidthSpace.size()) == kFullWidthSpace) {
        return kFullWidthSpace.size();
    }
    return 0;
}

std::string LineBreaksAsBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (std::string_view lineBreak : kLineBreaks) {
            if (text.substr(i, lineBreak.size()) == lineBreak) {
                out += ' ';
                i += lineBreak.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            // A real line break or tab inside a value is a blank as well, so
            // that a message quoting it stays on one line.
            const char c = text[i++];
            out += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
    }
    return out;
}

// Full-width digits, sign and period as their ASCII forms; every other
// character unchanged.
std::string HalfWidthNumberText(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 16> kFullWidth = {{
        {"０", '0'},
        {"１", '1'},
        {"２", '2'},
        {"３", '3'},
        {"４", '4'},
        {"５", '5'},
        {"６", '6'},
        {"７", '7'},
        {"８", '8'},
        {"９", '9'},
        {"．", '.'},
        {"－", '-'},
        {"−", '-'},
        {"ー", '-'},
        {"＋", '+'},
        {"ｰ", '-'},
    }};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [wide, ascii] : kFullWidth) {
            if (text.substr(i, wide.size()) == wide) {
                out += ascii;
                i += wide.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::string CleanText(std::string_view text) {
    const std::string lines = LineBreaksAsBlanks(text);
    std::string_view view = lines;
    while (!view.empty() && BlankAt(view, 0) > 0) {
        view.remove_prefix(BlankAt(view, 0));
    }
    // Trailing blanks: walk forward, remembering where the last non-blank ended.
    std::size_t end = 0;
    for (std::size_t i = 0; i < view.size();) {
        const std::size_t blank = BlankAt(view, i);
        if (blank > 0) {
            i += blank;
        } else {
            ++i;
            end = i;
        }
    }
    return std::string(view.substr(0, end));
}

std::string WithoutBlanks(std::string_view text) {
    const std::string lines = LineBreaksAsBlanks(text);
    std::string out;
    for (std::size_t i = 0; i < lines.size();) {
        const std::size_t blank = BlankAt(lines, i);
        if (blank > 0) {
            i += blank;
        } else {
            out += lines[i++];
        }
    }
    return out;
}

std::optional<double> ParseDecimalText(std::string_view text) {
    const std::string plain = HalfWidthNumberText(WithoutBlanks(text));
    if (!IsNumber(plain)) {
        return std::nullopt;
    }
    const LeadingNumber number = ParseLeadingNumber(plain);
    if (!number.found || !number.inRange || !std::isfinite(number.value)) {
        return std::nullopt;
    }
    return number.value + 0.0;  // no -0
}

std::string CodeDigits(std::string_view text) {
    std::string plain = HalfWidthNumberText(WithoutBlanks(text));
    for (const char c : plain) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return plain;
}

}  // namespace fljudge
