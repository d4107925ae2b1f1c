#include "report/qt/summary_pdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "report/qt/mincho_font.h"
#include "report/qt/qt_surface.h"
#include "report/qt/replace_file.h"
#include "report/summary_pages.h"

namespace fljudge {
namespace {

// As the report's PDF files: positions to 1/1200 inch.
constexpr int kPdfDpi = 1200;

}  // namespace

RenderResult WriteSummaryPdf(const QString& path, std::span<const BoringSummary> borings) {
    const ViewPageSetup& setup = PageSetupOf(ResultView::Report);
    const RenderResult failed =
        RenderResult::Failed(QStringLiteral("PDFファイルを書き込めませんでした: ") + path);
    // Made in memory, so that the file is replaced only by a whole document.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setResolution(kPdfDpi);
    writer.setTitle(QStringLiteral("液状化判定結果一覧表"));
    writer.setCreator(QStringLiteral("fljudge"));
    if (!writer.setPageSize(QPageSize(setup.Paper)) ||
        !writer.setPageOrientation(setup.Orientation) ||
        !writer.setPageMargins(QMarginsF(0, 0, 0, 0))) {
        return failed;
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
        return failed;
    }
    const QFont font = MinchoFont(setup.FontPointSize);
    const int pageCount = SummaryPageCount(static_cast<int>(borings.size()));
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1 && !writer.newPage()) {
            painter.end();
            return failed;
        }
        QtSurface surface(painter, font);
        DrawSummaryPage(page, surface, borings);
    }
    if (!painter.end()) {
        return failed;
    }
    const RenderResult written = ReplaceFileWith(path, document.data());
    if (!written) {
        return RenderResult::Failed(QStringLiteral("PDFファイルを書き込めませんでした（") +
                                    written.error + QStringLiteral("）: ") + path);
    }
    return written;
}

}  // namespace fljudge
