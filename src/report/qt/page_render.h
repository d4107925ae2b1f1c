#pragma once

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <span>

#include "report/report_input.h"
#include "report/report_paging.h"

class QPagedPaintDevice;
class QPainter;

// One way to put result pages on any device: the screen page, a printer, a
// PDF file or a PNG image all go through DrawViewPage.
namespace fljudge {

// How a view's pages look on screen and on paper.
struct ViewPageSetup {
    double WidthTwips;  // the screen page
    double HeightTwips;
    double FontPointSize;  // on screen and on paper
    QPageSize::PageSizeId Paper;
    QPageLayout::Orientation Orientation;
};

// Report: 11760 × 16581.6 twips, 10.5 pt, A4 portrait.
// List: 26093.8125 × 18506.25 twips, 8 pt, A3 landscape.
const ViewPageSetup& PageSetupOf(ResultView view);

// The outcome of writing pages; `error` says why it failed, in Japanese.
struct RenderResult {
    bool ok = true;
    QString error;

    static RenderResult Failed(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

// Draws one page of the view (a report slot or a list page) on an active
// painter, whose origin is the page's top left corner, in the view's font.
void DrawViewPage(QPainter& painter, ResultView view, std::int16_t page, const ReportInput& input);

// The page drawn on a white image of the screen page's size at `dpi` (the
// image's logical resolution); a device pixel ratio above 1 gives a sharper
// image of the same logical size.
QImage RenderPageImage(ResultView view, std::int16_t page, const ReportInput& input, double dpi,
                       double devicePixelRatio = 1);

// Renders the pages as one document on a printer or a PDF writer: the paper
// and orientation of the view, the pages placed at the corner of the
// printable area (the paper's corner in a PDF file), a new page between
// pages. The device must not be active yet.
RenderResult RenderPages(QPagedPaintDevice& device, ResultView view,
                         std::span<const std::int16_t> pages, const ReportInput& input);

// The pages as one PDF file with vector, searchable text. Its title names the
// boring when `boringName` is given (a project file's name, an input's boring).
// An existing file is replaced only by the complete new document; on failure
// it stays as it was and the error names the reason and the file.
RenderResult WritePdf(const QString& path, ResultView view, std::span<const std::int16_t> pages,
                      const ReportInput& input, const QString& boringName = {});

// One page as a PNG image at `dpi`, put in place as a PDF file is.
RenderResult WritePng(const QString& path, ResultView view, std::int16_t page,
                      const ReportInput& input, double dpi);

}  // namespace fljudge
