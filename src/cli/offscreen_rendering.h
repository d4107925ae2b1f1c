#pragma once

#include <QGuiApplication>
#include <memory>

namespace fljudge {

// What the subcommands that draw pages need: a QGuiApplication on the
// offscreen platform (fonts, no screen), Qt's own warnings kept from the
// user (errors still show on stderr), and the Mincho substitute registered.
// Call once, on the thread that draws.
std::unique_ptr<QGuiApplication> StartOffscreenRendering();

}  // namespace fljudge
