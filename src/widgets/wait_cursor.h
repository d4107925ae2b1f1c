#pragma once

#include <QGuiApplication>

namespace fljudge {

// The hourglass pointer over the whole program while the object lives: for
// reading or writing a file, drawing pages, storing a row.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace fljudge
