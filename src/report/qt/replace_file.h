#pragma once

#include <QByteArray>
#include <QString>

#include "report/qt/page_render.h"

namespace fljudge {

// Puts a finished document in place as project files are saved: the old
// file keeps its content until the new one is complete on the disk, and
// nothing is left behind on failure. The error is the reason alone.
RenderResult ReplaceFileWith(const QString& path, const QByteArray& bytes);

}  // namespace fljudge
