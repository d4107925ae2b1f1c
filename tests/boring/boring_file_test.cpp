#include "boring/boring_file.h"

#include <gtest/gtest.h>

#include "boring/boring_import.h"
#include "boring_xml_builder.h"
#include "calc/check_before_calc.h"
#include "project/cp932.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::BoringXml;

std::filesystem::path Fixture(std::string_view name) {
    return std::filesystem::path(FLJUDGE_SOURCE_DIR) / "tests/boring/data" / name;
}

bool HasWarning(const std::vector<std::string>& warnings, std::string_view part) {
    for (const std::string& w : warnings) {
        if (w.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

struct VersionCase {
    const char* file;
    const char* version;
};

class BoringVersions : public ::testing::TestWithParam<VersionCase> {};

// Every fixture holds the same boring in its version's element names.
TEST_P(BoringVersions, ReadsTheSameColumnAndImportsACalculableProject) {
    const VersionCase& c = GetParam();
    const BoringFile file = ReadBoringFile(Fixture(c.file));
    ASSERT_TRUE(file.status) << file.status.reason;
    const BoringColumn& column = file.column;
    EXPECT_EQ(column.Version, c.version);
    EXPECT_EQ(column.BoringName, std::string("Ｎｏ．") + c.version + "－①");
    ASSERT_EQ(column.Layers.size(), 5u);
    EXPECT_EQ(column.Layers[0].Name, "埋土（砂）");
    EXPECT_EQ(column.Layers[4].Name, "砂・シルト互層");
    ASSERT_TRUE(column.Layers[3].BottomDepth);
    EXPECT_DOUBLE_EQ(*column.Layers[3].BottomDepth, 7.8);
    ASSERT_EQ(column.SptRecords.size(), 6u);
    ASSERT_TRUE(column.SptRecords[3].Penetration);
    EXPECT_DOUBLE_EQ(*column.SptRecords[3].Penetration, 13);  // cm, also from 4.00's mm
    EXPECT_EQ(column.SptRecords[5].Remark, "ハンマー自沈");
    ASSERT_EQ(column.WaterLevels.size(), 2u);
    EXPECT_FALSE(column.WaterLevels[0].Depth);
    ASSERT_TRUE(column.WaterLevels[1].Depth);
    EXPECT_DOUBLE_EQ(*column.WaterLevels[1].Depth, 2.3);
    EXPECT_TRUE(column.Warnings.empty());

    const BasicInfo basicInfo = DefaultBasicInfo();
    const BoringImport imported = ImportBoring(column, basicInfo);
    ProjectData project;
    NewProject(project, basicInfo);
    ApplyBoringImport(imported, imported.WaterChoice, project);
    ASSERT_EQ(project.LayerCount, 5);
    const std::int16_t classes[] = {kSandy, kSandy, kClayey, kGravelly, kSandy};
    const double thicknesses[] = {1.2, 2.3, 1.5, 2.8, 2.2};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(project.SoilLayers[i].SoilClass, classes[i - 1]) << i;
        EXPECT_EQ(project.SoilLayers[i].Thickness, thicknesses[i - 1]) << i;
        EXPECT_EQ(project.SoilLayers[i].WeightSource, kWeightBasic);
        EXPECT_EQ(project.SoilLayers[i].GammaE2, basicInfo.UnitWeightTable[classes[i - 1]][3]);
    }
    ASSERT_EQ(project.NValueCount, 6);
    const std::int16_t n[] = {8, 12, 3, 115, 75, 0};
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(project.NValues[j].N, n[j - 1]) << j;
    }
    EXPECT_DOUBLE_EQ(project.NValues[1].Depth, 1.15);
    EXPECT_DOUBLE_EQ(project.WaterDepth, 2.3);
    EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);
    const auto warnings = ImportWarnings(imported, imported.WaterChoice);
    EXPECT_TRUE(HasWarning(warnings, "互層")) << c.file;
    EXPECT_TRUE(HasWarning(warnings, "50回／13cm を 30cm 換算してＮ値 115"));
    EXPECT_TRUE(HasWarning(warnings, "土質試験の値を入力する土層: 1, 2, 5"));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, BoringVersions,
    ::testing::Values(VersionCase{"BED0110.XML", "1.10"}, VersionCase{"BED0200.XML", "2.00"},
                      VersionCase{"BED0201.XML", "2.01"}, VersionCase{"BED0210.XML", "2.10"},
                      VersionCase{"BED0300.XML", "3.00"}, VersionCase{"BED0400.XML", "4.00"}));

TEST(BoringFileTest, VersionSpecificFields) {
    const BoringColumn v110 = ReadBoringFile(Fixture("BED0110.XML")).column;
    EXPECT_EQ(v110.WaterLevels[1].Date, "2003-04-16");
    EXPECT_EQ(v110.WaterLevels[1].Condition, "10.00");
    EXPECT_EQ(v110.WaterLevels[1].Kind, "孔内水位");
    EXPECT_EQ(v110.Layers[0].Codes, std::vector<std::string>{"53120"});
    const BoringColumn v300 = ReadBoringFile(Fixture("BED0300.XML")).column;
    EXPECT_EQ(v300.Layers[0].Codes, std::vector<std::string>{"531200000"});
    EXPECT_FALSE(v300.Layers[0].Interbedded);
    EXPECT_TRUE(v300.Layers[4].Interbedded);
    EXPECT_EQ(v300.WaterLevels[1].Date, "2008-04-16");
    const BoringColumn v400 = ReadBoringFile(Fixture("BED0400.XML")).column;
    EXPECT_EQ(v400.WaterLevels[0].Date, "2019-04-15");
    EXPECT_EQ(v400.WaterLevels[0].Kind, "無水");
    EXPECT_TRUE(v400.Layers[4].Interbedded);
}

struct RefusalCase {
    const char* label;
    std::string bytes;
    const char* reason;
};

class BoringRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BoringRefusals, GiveAReason) {
    const RefusalCase& c = GetParam();
    const BoringFile file = ParseBoringXml(c.bytes);
    EXPECT_FALSE(file.status) << c.label;
    EXPECT_NE(file.status.reason.find(c.reason), std::string::npos)
        << c.label << ": " << file.status.reason;
    EXPECT_TRUE(file.column.Layers.empty());
}

const std::string kGood = BoringXml("3.00", {{"2.0", "砂"}}, {{"1.0", "10", "30"}}, {"1.0"});

INSTANTIATE_TEST_SUITE_P(
    Files, BoringRefusals,
    ::testing::Values(
        RefusalCase{"empty", "", "XML"}, RefusalCase{"project file", "0\r\n1\r\n", "XML"},
        RefusalCase{"truncated", kGood.substr(0, kGood.size() / 2), "XMLの形式が正しくありません"},
        RefusalCase{"malformed", "<ボーリング情報 DTD_version=\"3.00\"><a></b></ボーリング情報>",
                    "XMLの形式が正しくありません"},
        RefusalCase{"other document", "<?xml version=\"1.0\"?><html><body/></html>",
                    "ルート要素が「html」"},
        RefusalCase{"unknown version without layers",
                    "<ボーリング情報 DTD_version=\"9.99\"><標準貫入試験/></ボーリング情報>",
                    "版「9.99」には対応していません"},
        RefusalCase{"no version, no layers", "<ボーリング情報/>", "DTD_version"}));

TEST(BoringFileTest, UnknownVersionReadByLayerElements) {
    std::string xml = BoringXml("4.00", {{"2.0", "砂"}}, {{"1.0", "10", "300"}}, {});
    xml.replace(xml.find("4.00"), 4, "5.00");
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status) << file.status.reason;
    EXPECT_EQ(file.column.Version, "4.00");
    EXPECT_TRUE(HasWarning(file.column.Warnings, "版「5.00」には対応していないため"));
    ASSERT_EQ(file.column.SptRecords.size(), 1u);
    EXPECT_DOUBLE_EQ(*file.column.SptRecords[0].Penetration, 30);
}

TEST(BoringFileTest, DeclaredVersionWithOtherLayerElementsFollowsTheElements) {
    std::string xml = BoringXml("3.00", {{"2.0", "砂"}}, {}, {});
    xml.replace(xml.find("3.00"), 4, "2.10");
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status);
    EXPECT_EQ(file.column.Version, "3.00");
    EXPECT_EQ(file.column.Layers.size(), 1u);
    EXPECT_TRUE(HasWarning(file.column.Warnings, "版「2.10」の土層の要素がない"));
}

TEST(BoringFileTest, DeclaredVersionKeepsItsLayersBesideOthers) {
    std::string xml = BoringXml("3.00", {{"2.0", "砂"}}, {}, {});
    const std::string v4 = BoringXml("4.00", {{"1.0", "粘土"}}, {}, {});
    const std::size_t v4Layer = v4.find("<工学的");
    xml.insert(xml.find("<岩石土区分>"),
               v4.substr(v4Layer, v4.rfind("</ボーリング情報>") - v4Layer));
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status);
    EXPECT_EQ(file.column.Version, "3.00");
    ASSERT_EQ(file.column.Layers.size(), 1u);
    EXPECT_EQ(file.column.Layers[0].Name, "砂");
    EXPECT_TRUE(file.column.Warnings.empty());
}

TEST(BoringFileTest, ToleratesBlanksInTagsFullWidthDigitsAndEmptyForms) {
    const std::string xml =
        "\xEF\xBB\xBF  <?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\n"
        "<ボーリング情報 DTD_version=\" 3.00 \">\n"
        "<岩石土区分 ><岩石土区分_下端深度 >　１２．５０　</岩石土区分_下端深度 >"
        "<岩石土区分_岩石土名>シルト質\\n砂</岩石土区分_岩石土名></岩石土区分>\n"
        "<標準貫入試験><標準貫入試験_開始深度>１．１５</標準貫入試験_開始深度>"
        "<標準貫入試験_合計打撃回数>００</標準貫入試験_合計打撃回数>"
        "<標準貫入試験_合計貫入量>４５</標準貫入試験_合計貫入量><標準貫入試験_備考/></"
        "標準貫入試験>\n"
        "<孔内水位><孔内水位_孔内水位></孔内水位_孔内水位></孔内水位>\n"
        "</ボーリング情報>";
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status) << file.status.reason;
    ASSERT_EQ(file.column.Layers.size(), 1u);
    EXPECT_DOUBLE_EQ(*file.column.Layers[0].BottomDepth, 12.5);
    EXPECT_EQ(file.column.Layers[0].Name, "シルト質 砂");
    ASSERT_EQ(file.column.SptRecords.size(), 1u);
    EXPECT_DOUBLE_EQ(*file.column.SptRecords[0].Blows, 0);
    EXPECT_DOUBLE_EQ(*file.column.SptRecords[0].StartDepth, 1.15);
    ASSERT_EQ(file.column.WaterLevels.size(), 1u);
    EXPECT_FALSE(file.column.WaterLevels[0].Depth);
}

TEST(BoringFileTest, LineBreaksInValuesAndLaboratoryRowsInside) {
    std::string xml = BoringXml("3.00", {{"2.0", "砂\r\n礫"}}, {}, {});
    xml.insert(
        xml.find("</ボーリング情報>"),
        "<土質試験結果><土質試験結果_細粒分含有率>12</土質試験結果_細粒分含有率></土質試験結果>");
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status);
    EXPECT_EQ(file.column.Layers[0].Name, "砂 礫");
    EXPECT_TRUE(HasWarning(file.column.Warnings, "土質試験結果は読み込んでいません"));
}

TEST(BoringFileTest, Utf8DeclaredShiftJisReadsAsUtf8WithAWarning) {
    std::string xml = BoringXml("3.00", {{"2.0", "砂①"}}, {}, {});
    xml.replace(xml.find("UTF-8"), 5, "Shift_JIS");
    const BoringFile file = ParseBoringXml(xml);
    ASSERT_TRUE(file.status) << file.status.reason;
    EXPECT_EQ(file.column.Layers.at(0).Name, "砂①");
    EXPECT_TRUE(HasWarning(file.column.Warnings, "UTF-8として読みます"));
}

TEST(BoringFileTest, Cp932WithAStrayByteReadsOnWithAWarning) {
    const std::string utf8 = BoringXml("3.00", {{"2.0", "砂①～"}}, {}, {});
    std::string bytes = *Utf8ToCp932(utf8);
    bytes.replace(bytes.find("encoding=\"UTF-8\""), 16, "encoding=\"SHIFT_JIS\"");
    const BoringFile clean = ParseBoringXml(bytes);
    ASSERT_TRUE(clean.status) << clean.status.reason;
    EXPECT_EQ(clean.column.Layers[0].Name, "砂①～");
    EXPECT_TRUE(clean.column.Warnings.empty());

    bytes.insert(bytes.find("B-1"), "\xFF");  // no CP932 character
    // Undeclared, the same bytes are still read as Shift_JIS.
    std::string undeclared = bytes;
    undeclared.replace(undeclared.find(" encoding=\"SHIFT_JIS\""), 20, "");
    EXPECT_EQ(ParseBoringXml(undeclared).column.Layers.at(0).Name, "砂①～");

    const BoringFile stray = ParseBoringXml(bytes);
    ASSERT_TRUE(stray.status) << stray.status.reason;
    EXPECT_TRUE(HasWarning(stray.column.Warnings, "シフトJISとして読めない文字"));
    EXPECT_EQ(stray.column.Layers.size(), 1u);
}

TEST(BoringFileTest, MissingFileAndFolderAreRefused) {
    testing::TempFolder folder;
    EXPECT_FALSE(ReadBoringFile(folder / "none.XML").status);
    EXPECT_FALSE(ReadBoringFile(folder.path()).status);
}

TEST(BoringFileTest, HugeFilesAreRefusedBeforeParsing) {
    testing::TempFolder folder;
    const auto huge = folder / "BED0001.XML";
    testing::WriteBytes(huge, "<");
    std::filesystem::resize_file(huge, 100u << 20);  // 100 MB, sparse
    const BoringFile file = ReadBoringFile(huge);
    EXPECT_FALSE(file.status);
    EXPECT_FALSE(file.status.reason.empty());

    std::string manyElements = "<ボーリング情報 DTD_version=\"3.00\">";
    for (int i = 0; i < 1'000'001; ++i) {
        manyElements += "<a/>";
    }
    manyElements += "</ボーリング情報>";
    EXPECT_EQ(ParseBoringXml(manyElements).status.reason,
              "ボーリング交換用データとしては大きすぎます");
}

TEST(BoringFileTest, DeeplyNestedDocumentDoesNotExhaustTheStack) {
    std::string xml = "<ボーリング情報 DTD_version=\"3.00\">";
    for (int i = 0; i < 200000; ++i) {
        xml += "<a>";
    }
    for (int i = 0; i < 200000; ++i) {
        xml += "</a>";
    }
    xml += "</ボーリング情報>";
    const BoringFile file = ParseBoringXml(xml);
    EXPECT_TRUE(file.status);
    EXPECT_TRUE(file.column.Layers.empty());
}

}  // namespace
}  // namespace fljudge
