#pragma once

#include <span>
#include <string_view>

namespace fljudge {

// The element names of one generation of the boring exchange format. Every
// difference between the versions the reader knows is a field of this table.
struct BoringElementNames {
    std::span<const std::string_view> Versions;  // DTD_version values it serves

    std::string_view Layer;        // one layer
    std::string_view LayerDepth;   // its bottom depth
    std::string_view LayerName;    // soil or rock name
    std::string_view LayerSymbol;  // symbol
    // Descendants of a layer holding a classification code: names ending so.
    std::span<const std::string_view> LayerCodeEndings;
    std::string_view LayerGroupCodeEnding;  // rock-group code (2 = 互層); empty before 3.00

    std::string_view Spt;
    std::string_view SptDepth;
    std::string_view SptBlows;
    std::string_view SptPenetration;
    std::string_view SptRemark;
    double PenetrationUnitsPerCm;  // 1 (cm) or 10 (mm)

    std::string_view Water;
    std::string_view WaterDate;  // one element for the whole date; empty in 1.10
    std::string_view WaterYear;  // 1.10: year, month and day apart
    std::string_view WaterMonth;
    std::string_view WaterDay;
    std::string_view WaterCondition;
    std::string_view WaterDepth;
    std::string_view WaterKind;
    bool NegativeWaterMeansNone;  // 4.00 writes -99.99 for "no water level"
};

// The generations, oldest first.
std::span<const BoringElementNames> BoringFormats();

// The generation serving `version`, or nothing.
const BoringElementNames* BoringFormatOfVersion(std::string_view version);

inline constexpr std::string_view kBoringRoot = "ボーリング情報";
inline constexpr std::string_view kBoringVersionAttribute = "DTD_version";
inline constexpr std::string_view kBoringTitle = "標題情報";
inline constexpr std::string_view kBoringBasics = "調査基本情報";
inline constexpr std::string_view kBoringName = "ボーリング名";
// Laboratory results some files carry inside (1.10); not read yet.
inline constexpr std::string_view kBoringSoilTests = "土質試験結果";

}  // namespace fljudge
