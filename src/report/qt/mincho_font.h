#pragma once

#include <QFont>

namespace fljudge {

// The pages are laid out for "ＭＳ 明朝"; IPAMincho stands in for it (its
// half-width Latin letters are exactly half a full-width character).
// Call once after the QGuiApplication exists.
void RegisterMinchoSubstitute();

// "ＭＳ 明朝" at the given size, set up so that text measures the same at
// every resolution (no hinting, no kerning).
QFont MinchoFont(double pointSize);

}  // namespace fljudge
