#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "report/qt/mincho_font.h"
#include "report/qt/page_render.h"
#include "report/recording_surface.h"
#include "report/report_pages.h"
#include "report/sample_results.h"

// The largest project: 50 N values and 81 calculation points, so the report
// has all 21 pages and the list both pages.
namespace {

using fljudge::ResultView;

const fljudge::test::SampleResults& Largest() {
    static const fljudge::test::SampleResults sample(50, 81);
    return sample;
}

void BM_ListPageOnRecordingSurface(benchmark::State& state) {
    const fljudge::ReportInput input = Largest().Input();
    for (auto _ : state) {
        fljudge::RecordingSurface surface;
        fljudge::DrawListPage(2, surface, input);
        benchmark::DoNotOptimize(surface.Calls().data());
    }
}
BENCHMARK(BM_ListPageOnRecordingSurface)->Unit(benchmark::kMicrosecond);

// What a page switch in the results window costs: the page drawn on the
// screen image at 96 dpi.
void BM_PageSwitch(benchmark::State& state, ResultView view, std::int16_t page) {
    const fljudge::ReportInput input = Largest().Input();
    for (auto _ : state) {
        const QImage image = fljudge::RenderPageImage(view, page, input, 96);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_PageSwitch, ListPage2, ResultView::List, std::int16_t{2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageSwitch, ReportChart, ResultView::Report, std::int16_t{21})
    ->Unit(benchmark::kMillisecond);

void BM_WholeViewToPdf(benchmark::State& state, ResultView view) {
    const fljudge::ReportInput input = Largest().Input();
    const std::vector<std::int16_t> pages = fljudge::ViewPages(view, {50, 81});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.pdf"));
    for (auto _ : state) {
        if (!fljudge::WritePdf(path, view, pages, input)) {
            state.SkipWithError("the PDF file could not be written");
            break;
        }
    }
    state.counters["pages"] = static_cast<double>(pages.size());
}
BENCHMARK_CAPTURE(BM_WholeViewToPdf, Report21Pages, ResultView::Report)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeViewToPdf, List2Pages, ResultView::List)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    const QGuiApplication application(qtArgc, argv);
    fljudge::RegisterMinchoSubstitute();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
