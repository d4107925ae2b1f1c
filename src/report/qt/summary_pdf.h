#pragma once

#include <QString>
#include <span>

#include "report/qt/page_render.h"
#include "report/site_summary.h"

namespace fljudge {

// The site summary (DrawSummaryPage) as one PDF file on A4 portrait in the
// report's font, with vector, searchable text. Needs a QGuiApplication.
RenderResult WriteSummaryPdf(const QString& path, std::span<const BoringSummary> borings);

}  // namespace fljudge
