#pragma once

#include <QString>

#include "project/application_title.h"

namespace fljudge {

// The caption of the main window and of every message box.
inline QString AppTitle() {
    return QString::fromUtf8(kApplicationTitle);
}

}  // namespace fljudge
