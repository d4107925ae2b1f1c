// Feeds arbitrary bytes through what the "計算結果" button does: load, the
// checks, the calculation, then every report and list page on a recording
// surface. Every result must be finite or undefined, every coordinate
// handed to the surface finite and near the page, no text may show "nan" or
// "inf", and no page may take an unbounded number of drawing calls.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/check_before_calc.h"
#include "calc/run_calculation.h"
#include "fuzz_require.h"
#include "project/project_file.h"
#include "report/recording_surface.h"
#include "report/report_pages.h"
#include "report/report_paging.h"

using fljudge::fuzz::Require;

namespace {

using namespace fljudge;

void RequireFinite(double value) {
    Require(std::isfinite(value));
}

void RequireFinite(const MaybeReal& value) {
    Require(!value || std::isfinite(*value));
}

template <typename T, int N>
void RequireFinite(const OneBased<T, N>& values) {
    for (const T& value : values) {
        RequireFinite(value);
    }
}

void RequireFinite(const CalcPoint& p) {
    for (const double v :
         {p.Depth, p.Thickness, p.SigmaV, p.SigmaVE, p.Rd, p.C1, p.C2, p.AdoptedDE}) {
        RequireFinite(v);
    }
    for (const MaybeReal& v : {p.N1, p.Na, p.RL}) {
        RequireFinite(v);
    }
    RequireFinite(p.Khg);
    RequireFinite(p.L);
    RequireFinite(p.Cw);
    RequireFinite(p.R);
    RequireFinite(p.FL);
    RequireFinite(p.Pli);
    RequireFinite(p.DE);
}

bool ShowsNanOrInf(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// A page is a few thousand calls at most (the fullest list page about 4000).
constexpr std::size_t kMaxCallsPerPage = 50000;
// The chart cuts everything 1000 cells from the page's corner.
constexpr double kCell = 210;
constexpr double kReach = 1000 * kCell;

void RequireSoundPage(const RecordingSurface& surface) {
    Require(surface.Calls().size() <= kMaxCallsPerPage);
    for (const RecordingSurface::Call& call : surface.Calls()) {
        for (const double v : {call.x1, call.y1, call.x2, call.y2}) {
            RequireFinite(v);
        }
        if (call.kind == RecordingSurface::Kind::Text) {
            Require(!ShowsNanOrInf(call.text));
        } else {
            for (const double v : {call.x1, call.y1, call.x2, call.y2}) {
                Require(std::abs(v) <= kReach);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const BasicInfo basicInfo = DefaultBasicInfo();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    static ProjectData project;
    NewProject(project, basicInfo);
    if (!ParseProjectFile(bytes, basicInfo, project)) {
        return 0;
    }
    if (CheckBeforeCalc(project).outcome == CheckOutcome::Stop) {
        return 0;
    }
    static CalcResults results;
    RunCalculation(project, basicInfo, results);
    Require(results.CalcPointCount >= 0 && results.CalcPointCount <= kMaxCalcPoints);
    Require(results.NPointCount >= 0 && results.NPointCount <= kMaxCalcPoints);
    for (int i = 1; i <= results.CalcPointCount; ++i) {
        RequireFinite(results.CalcPoints[i]);
    }
    for (int i = 1; i <= results.NPointCount; ++i) {
        RequireFinite(results.NPoints[i]);
    }
    RequireFinite(results.PL);

    const ReportInput input{project, results};
    for (std::int16_t slot = 1; slot <= LastReportSlot(); ++slot) {
        RecordingSurface surface(kCell, kCell);
        DrawReportPage(slot, surface, input);
        RequireSoundPage(surface);
    }
    for (std::int16_t page = 1; page <= 2; ++page) {
        RecordingSurface surface(kCell, kCell);
        DrawListPage(page, surface, input);
        RequireSoundPage(surface);
    }
    return 0;
}
