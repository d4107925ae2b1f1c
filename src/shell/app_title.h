#pragma once

#include <QString>

namespace fljudge {

// The caption of the main window and of every message box.
inline QString AppTitle() {
    return QStringLiteral("液状化判定プログラム");
}

}  // namespace fljudge
