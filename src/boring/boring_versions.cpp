#include "boring/boring_versions.h"

#include <algorithm>
#include <array>

namespace fljudge {
namespace {

constexpr std::array<std::string_view, 1> kVersions1 = {"1.10"};
constexpr std::array<std::string_view, 3> kVersions2 = {"2.00", "2.01", "2.10"};
constexpr std::array<std::string_view, 1> kVersions3 = {"3.00"};
constexpr std::array<std::string_view, 1> kVersions4 = {"4.00"};

constexpr std::array<std::string_view, 1> kCodes1 = {"地質区分_地質コード1"};
constexpr std::array<std::string_view, 1> kCodes2 = {"土質岩種区分_分類コード1"};
constexpr std::array<std::string_view, 2> kCodesRockGroup = {"岩石土コード", "_岩石"};

const std::array<BoringElementNames, 4> kFormats = {{
    {kVersions1,
     "地質区分",
     "地質区分_深度",
     "地質区分_地質名称1",
     "",
     kCodes1,
     "",
     "標準貫入試験",
     "標準貫入試験_開始深度",
     "標準貫入試験_合計打撃回数",
     "標準貫入試験_合計貫入量",
     "標準貫入試験_備考",
     1,
     "孔内水位",
     "",
     "孔内水位_測定年",
     "孔内水位_測定月",
     "孔内水位_測定日",
     "孔内水位_掘削深度",
     "孔内水位_孔内水位",
     "孔内水位_水位種別",
     false},
    {kVersions2,
     "土質岩種区分",
     "土質岩種区分_下端深度",
     "土質岩種区分_土質岩種区分1",
     "土質岩種区分_土質岩種記号1",
     kCodes2,
     "",
     "標準貫入試験",
     "標準貫入試験_開始深度",
     "標準貫入試験_合計打撃回数",
     "標準貫入試験_合計貫入量",
     "標準貫入試験_備考",
     1,
     "孔内水位",
     "孔内水位_測定年月日",
     "",
     "",
     "",
     "孔内水位_掘削状況コード",
     "孔内水位_孔内水位",
     "孔内水位_水位種別コード",
     false},
    {kVersions3,
     "岩石土区分",
     "岩石土区分_下端深度",
     "岩石土区分_岩石土名",
     "岩石土区分_岩石土記号",
     kCodesRockGroup,
     "岩石群コード",
     "標準貫入試験",
     "標準貫入試験_開始深度",
     "標準貫入試験_合計打撃回数",
     "標準貫入試験_合計貫入量",
     "標準貫入試験_備考",
     1,
     "孔内水位",
     "孔内水位_測定年月日",
     "",
     "",
     "",
     "孔内水位_掘削状況コード",
     "孔内水位_孔内水位",
     "孔内水位_水位種別コード",
     false},
    {kVersions4,
     "工学的地質区分名現場土質名",
     "工学的地質区分名現場土質名_下端深度",
     "工学的地質区分名現場土質名_工学的地質区分名現場土質名",
     "工学的地質区分名現場土質名_工学的地質区分名現場土質名記号",
     kCodesRockGroup,
     "岩石群コード",
     "標準貫入試験",
     "標準貫入試験_開始深度",
     "標準貫入試験_合計打撃回数",
     "標準貫入試験_合計貫入量",
     "標準貫入試験_備考",
     10,
     "孔内水位",
     "孔内水位_測定年月日",
     "",
     "",
     "",
     "孔内水位_削孔状況コード",
     "孔内水位_孔内水位",
     "孔内水位_水位種別備考",
     true},
}};

}  // namespace

std::span<const BoringElementNames> BoringFormats() {
    return kFormats;
}

const BoringElementNames* BoringFormatOfVersion(std::string_view version) {
    for (const BoringElementNames& format : kFormats) {
        if (std::find(format.Versions.begin(), format.Versions.end(), version) !=
            format.Versions.end()) {
            return &format;
        }
    }
    return nullptr;
}

}  // namespace fljudge
