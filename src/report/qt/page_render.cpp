#include "report/qt/page_render.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "report/qt/mincho_font.h"
#include "report/qt/qt_surface.h"
#include "report/qt/replace_file.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMetresPerInch = 0.0254;
// PDF files are laid out at this resolution; text measures the same at every
// resolution, so the choice only sets the precision of positions.
constexpr int kPdfDpi = 1200;

// The report page is 11760 twips wide and 1.41 times as high; the list page
// 18506.25 twips high and 1.41 times as wide.
const ViewPageSetup kReportSetup = {11760.0, 11760.0 * 1.41, 10.5, QPageSize::A4,
                                    QPageLayout::Portrait};
const ViewPageSetup kListSetup = {18506.25 * 1.41, 18506.25, 8.0, QPageSize::A3,
                                  QPageLayout::Landscape};

int ToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

// "B-3 - 計算結果": a viewer's window then tells the borings apart.
QString DocumentTitle(ResultView view, const QString& boringName) {
    const QString title =
        view == ResultView::Report ? QStringLiteral("計算結果") : QStringLiteral("計算結果一覧");
    return boringName.isEmpty() ? title : boringName + QStringLiteral(" - ") + title;
}

}  // namespace

const ViewPageSetup& PageSetupOf(ResultView view) {
    return view == ResultView::Report ? kReportSetup : kListSetup;
}

void DrawViewPage(QPainter& painter, ResultView view, std::int16_t page, const ReportInput& input) {
    QtSurface surface(painter, MinchoFont(PageSetupOf(view).FontPointSize));
    if (view == ResultView::Report) {
        DrawReportPage(page, surface, input);
    } else {
        DrawListPage(page, surface, input);
    }
}

QImage RenderPageImage(ResultView view, std::int16_t page, const ReportInput& input, double dpi,
                       double devicePixelRatio) {
    const ViewPageSetup& setup = PageSetupOf(view);
    const double scale = devicePixelRatio > 0 ? devicePixelRatio : 1;
    QImage image(static_cast<int>(std::lround(ToPixels(setup.WidthTwips, dpi) * scale)),
                 static_cast<int>(std::lround(ToPixels(setup.HeightTwips, dpi) * scale)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawViewPage(painter, view, page, input);
    return image;
}

RenderResult RenderPages(QPagedPaintDevice& device, ResultView view,
                         std::span<const std::int16_t> pages, const ReportInput& input) {
    const ViewPageSetup& setup = PageSetupOf(view);
    // The pages draw their own margins from the corner of the printable
    // area, as a printer's own coordinates do; a PDF file has no unprintable
    // border, so there the pages start at the paper's corner.
    if (!device.setPageSize(QPageSize(setup.Paper)) ||
        !device.setPageOrientation(setup.Orientation)) {
        return RenderResult::Failed(QStringLiteral("用紙を設定できませんでした"));
    }
    const QPageLayout layout = device.pageLayout();
    device.setPageMargins(layout.minimumMargins(), layout.units());
    QPainter painter;
    if (!painter.begin(&device)) {
        return RenderResult::Failed(QStringLiteral("出力を開始できませんでした"));
    }
    bool first = true;
    for (const std::int16_t page : pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return RenderResult::Failed(QStringLiteral("改ページできませんでした"));
        }
        first = false;
        DrawViewPage(painter, view, page, input);
    }
    if (!painter.end()) {
        return RenderResult::Failed(QStringLiteral("出力を終了できませんでした"));
    }
    return {};
}

RenderResult WritePdf(const QString& path, ResultView view, std::span<const std::int16_t> pages,
                      const ReportInput& input, const QString& boringName) {
    // Made in memory, so that the file is replaced only by a whole document.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setResolution(kPdfDpi);
    writer.setTitle(DocumentTitle(view, boringName));
    writer.setCreator(QStringLiteral("fljudge"));
    RenderResult result = RenderPages(writer, view, pages, input);
    if (result) {
        result = ReplaceFileWith(path, document.data());
    }
    if (!result) {
        result.error = QStringLiteral("PDFファイルを書き込めませんでした（") + result.error +
                       QStringLiteral("）: ") + path;
    }
    return result;
}

RenderResult WritePng(const QString& path, ResultView view, std::int16_t page,
                      const ReportInput& input, double dpi) {
    QBuffer image;
    image.open(QIODevice::WriteOnly);
    if (!RenderPageImage(view, page, input, dpi).save(&image, "PNG")) {
        return RenderResult::Failed(QStringLiteral("PNGファイルを書き込めませんでした: ") + path);
    }
    RenderResult result = ReplaceFileWith(path, image.data());
    if (!result) {
        result.error = QStringLiteral("PNGファイルを書き込めませんでした（") + result.error +
                       QStringLiteral("）: ") + path;
    }
    return result;
}

}  // namespace fljudge
