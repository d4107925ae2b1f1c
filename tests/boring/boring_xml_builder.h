#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small boring exchange documents (UTF-8 declared) in the element names of
// version 3.00 or 4.00, for the rule tests.
namespace fljudge::testing {

struct LayerRow {
    std::string depth;
    std::string name;
    std::string code = "";
    std::string groupCode = "1";
};

struct SptRow {
    std::string depth;
    std::string blows;
    std::string penetration;  // in the version's unit (cm, 4.00: mm)
};

inline std::string Element(std::string_view name, std::string_view value) {
    return "<" + std::string(name) + ">" + std::string(value) + "</" + std::string(name) + ">\n";
}

inline std::string BoringXml(std::string_view version, const std::vector<LayerRow>& layers,
                             const std::vector<SptRow>& spt,
                             const std::vector<std::string>& waterLevels) {
    const bool v4 = version == "4.00";
    const std::string layer = v4 ? "工学的地質区分名現場土質名" : "岩石土区分";
    const std::string name = v4 ? layer + "_" + layer : layer + "_岩石土名";
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ボーリング情報 DTD_version=\"" +
        std::string(version) +
        "\">\n<標題情報><調査基本情報><ボーリング名>B-1</ボーリング名></調査基本情報></"
        "標題情報>\n";
    for (const LayerRow& row : layers) {
        xml += "<" + layer + ">\n" + Element(layer + "_下端深度", row.depth) +
               Element(name, row.name) + "<" + layer + "_岩石群>" +
               Element(layer + "_岩石群コード", row.groupCode) +
               Element(layer + "_岩石土コード", row.code) + "</" + layer + "_岩石群>\n</" + layer +
               ">\n";
    }
    for (const SptRow& row : spt) {
        xml += "<標準貫入試験>\n" + Element("標準貫入試験_開始深度", row.depth) +
               Element("標準貫入試験_合計打撃回数", row.blows) +
               Element("標準貫入試験_合計貫入量", row.penetration) + "</標準貫入試験>\n";
    }
    for (const std::string& level : waterLevels) {
        xml += "<孔内水位>" + Element("孔内水位_孔内水位", level) + "</孔内水位>\n";
    }
    return xml + "</ボーリング情報>\n";
}

}  // namespace fljudge::testing
