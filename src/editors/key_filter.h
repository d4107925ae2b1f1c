#pragma once

#include <QString>

namespace fljudge {

// Whether a number box takes the text of a key press: digits, and "." where
// the box holds decimals. Keys that type no character (arrows, Home, Tab) and
// control characters (Ctrl+C, Ctrl+V) go on to the box as usual.
inline bool TakesCharacter(const QString& text, bool decimals) {
    if (text.isEmpty()) {
        return true;
    }
    if (text.size() != 1) {
        return false;
    }
    const char16_t c = text.front().unicode();
    if (c < 0x20 || c == 0x7f) {
        return true;
    }
    return (c >= u'0' && c <= u'9') || (decimals && c == u'.');
}

}  // namespace fljudge
