#pragma once

namespace fljudge {

// The program's title: the caption of the main window and of every message box.
inline constexpr char kApplicationTitle[] = "液状化判定プログラム";

}  // namespace fljudge
