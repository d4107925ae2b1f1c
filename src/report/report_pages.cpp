#include "report/report_pages.h"

#include <array>

#include "report/report_paging.h"
#include "report/table_scheme.h"
#include "report/table_sections.h"

namespace fljudge {
namespace {

// When a report slot has a page. The continuation pages of the tables by N
// value appear beyond 30 N values, those by calculation point beyond 30 and
// 60 points.
enum class Presence { Always, NOver30, POver30, POver60 };

bool Holds(Presence presence, PagingCounts counts) {
    switch (presence) {
        case Presence::Always:
            return true;
        case Presence::NOver30:
            return counts.NValueCount > 30;
        case Presence::POver30:
            return counts.CalcPointCount > 30;
        case Presence::POver60:
            return counts.CalcPointCount > 60;
    }
    return false;
}

using DrawPage = void (*)(DrawingSurface&, const ReportInput&);

// A slot of the report: when it has a page and what the page draws, either a
// page procedure or a page of a table.
struct ReportSlot {
    Presence presence;
    DrawPage draw = nullptr;  // none for a table page
    TablePage table = {};
};

// A table page's items start at its first item and fill at most its grid
// lines from its first row; the header moves up by its shift. A first page
// has room for 30 items, a continuation page for the rest of its list (up to
// 50 N values or 81 points).
constexpr std::array<ReportSlot, 21> kReportSlots = {{
    {Presence::Always,
     [](DrawingSurface& surface, const ReportInput&) { DrawMethodPage(surface); }},
    {Presence::Always, DrawDesignConditionsPage},
    {Presence::Always, DrawNValueConditionsPage},
    {Presence::Always, nullptr, {&kSection6, 1, 30, 13, 0}},
    {Presence::NOver30, nullptr, {&kSection6, 31, 20, 7, 6}},
    {Presence::Always, nullptr, {&kSection7, 1, 30, 9, 0}},
    {Presence::POver30, nullptr, {&kSection7, 31, 30, 8, 1}},
    {Presence::POver60, nullptr, {&kSection7, 61, 21, 8, 1}},
    {Presence::Always, nullptr, {&kSection8, 1, 30, 9, 0}},
    {Presence::NOver30, nullptr, {&kSection8, 31, 20, 8, 1}},
    {Presence::Always, nullptr, {&kSection9, 1, 30, 9, 0}},
    {Presence::NOver30, nullptr, {&kSection9, 31, 20, 8, 1}},
    {Presence::Always, nullptr, {&kSection10, 1, 30, 9, 0}},
    {Presence::NOver30, nullptr, {&kSection10, 31, 20, 8, 1}},
    {Presence::Always, nullptr, {&kSection11, 1, 30, 9, 0}},
    {Presence::POver30, nullptr, {&kSection11, 31, 30, 8, 1}},
    {Presence::POver60, nullptr, {&kSection11, 61, 21, 8, 1}},
    {Presence::Always, nullptr, {&kSection12, 1, 30, 9, 0}},
    {Presence::POver30, nullptr, {&kSection12, 31, 30, 8, 1}},
    {Presence::POver60, nullptr, {&kSection12, 61, 21, 8, 1}},
    {Presence::Always, DrawChartPage},
}};

const ReportSlot* SlotOf(std::int16_t slot) {
    if (slot < 1 || slot > static_cast<int>(kReportSlots.size())) {
        return nullptr;
    }
    return &kReportSlots[static_cast<std::size_t>(slot - 1)];
}

}  // namespace

std::int16_t LastReportSlot() {
    return static_cast<std::int16_t>(kReportSlots.size());
}

bool ReportSlotPresent(std::int16_t slot, PagingCounts counts) {
    const ReportSlot* entry = SlotOf(slot);
    return entry != nullptr && Holds(entry->presence, counts);
}

void DrawReportPage(std::int16_t slot, DrawingSurface& surface, const ReportInput& input) {
    const ReportSlot* entry = SlotOf(slot);
    if (entry == nullptr) {
        return;
    }
    if (entry->draw != nullptr) {
        entry->draw(surface, input);
    } else {
        DrawTable(surface, entry->table, input);
    }
}

}  // namespace fljudge
