#include "cli/batch_inputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/batch_summary.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> FileNames(const std::vector<BatchInput>& inputs) {
    std::vector<std::string> names;
    for (const BatchInput& input : inputs) {
        names.push_back(input.File.filename().string());
    }
    return names;
}

TEST(BatchInputs, NameOrderComparesRunsOfDigitsByValue) {
    const struct {
        const char* a;
        const char* b;
        bool less;
    } cases[] = {
        {"B-2.KORV", "B-10.KORV", true},
        {"B-10.KORV", "B-2.KORV", false},
        {"B-1.KORV", "B-1.XML", true},
        {"A.KORV", "B.KORV", true},
        {"B-02.KORV", "B-2.KORV", true},
        {"B-2.KORV", "B-02.KORV", false},
        {"B", "B-1", true},
        {"B-1", "B", false},
        {"B-1", "B-1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NaturalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
    }
}

TEST(BatchInputs, AFolderGivesItsProjectAndBoringFilesInNameOrder) {
    TempFolder folder;
    for (const char* name : {"B-10.KORV", "B-2.korv", "B-1.Xml", "notes.txt", "B-3.KORV.bak"}) {
        WriteBytes(folder / name, "x");
    }
    std::filesystem::create_directory(folder / "sub.KORV");
    const auto inputs = ListBatchInputs({folder / "B-10.KORV", folder.path()});
    EXPECT_EQ(FileNames(inputs),
              (std::vector<std::string>{"B-10.KORV", "B-1.Xml", "B-2.korv", "B-10.KORV"}));
    // A name used before, in any letter case, is not used again.
    std::vector<std::string> outputs;
    for (const BatchInput& input : inputs) {
        outputs.push_back(input.OutputName);
    }
    EXPECT_EQ(outputs, (std::vector<std::string>{"B-10", "B-1", "B-2", "B-10_2"}));
}

TEST(BatchInputs, SameNamesInAnyCaseGetDistinctOutputs) {
    const auto inputs = ListBatchInputs({"a/B-1.KORV", "b/b-1.XML", "B-1_2.KORV", "c/B-1.KORV"});
    std::vector<std::string> outputs;
    for (const BatchInput& input : inputs) {
        outputs.push_back(input.OutputName);
    }
    EXPECT_EQ(outputs, (std::vector<std::string>{"B-1", "b-1_2", "B-1_2_2", "B-1_3"}));
}

TEST(BatchSummary, CsvForExcelWithEmptyNumbersForAFailedInput) {
    BoringSummary good;
    good.File = "site/B-1.KORV";
    good.Name = "B-1";
    good.Ok = true;
    good.Status = "OK";
    good.WaterDepth = 2.45;
    good.LayerCount = 8;
    good.NValueCount = 20;
    good.MaxDepth = 20.45;
    good.PL = {{{1.1, 28.042, 5.0}}};
    good.MinFL = {{{0.831, std::nullopt, 1.0}}};
    const BoringSummary bad = FailedBoring("site/B,\"2\".KORV", "B,\"2\"",
                                           "以下の土質深度が同一値です\r\n土質No= 1＝ 2\n");
    const std::vector<BoringSummary> borings = {good, bad};
    const std::string csv = SummaryCsv(borings);
    const std::string expected =
        "\xEF\xBB\xBF"
        "ファイル,ボーリング名,状態,地下水位(m),土層数,Ｎ値数,最大深度(m),PL Lv1,PL Lv2-1,"
        "PL Lv2-2,判定 Lv1,判定 Lv2-1,判定 Lv2-2,最小FL Lv1,最小FL Lv2-1,最小FL Lv2-2\r\n"
        "site/B-1.KORV,B-1,OK,2.450,8,20,20.450,1.100,28.042,5.000,低い,極めて高い,低い,0.831,,"
        "1.000\r\n"
        "\"site/B,\"\"2\"\".KORV\",\"B,\"\"2\"\"\",以下の土質深度が同一値です 土質No= 1＝ "
        "2,,,,,,,,,,,"
        ",,\r\n";
    EXPECT_EQ(csv, expected);
}

TEST(BatchSummary, SmallestFLAmongTheTargetsWithAnNValue) {
    CalcResults results;
    results.CalcPointCount = 4;
    const struct {
        std::int16_t target;
        std::int16_t n;
        MaybeReal fl;
    } points[] = {{1, 5, 0.9}, {0, 5, 0.1}, {1, 0, 0.2}, {1, 7, std::nullopt}};
    for (int i = 1; i <= 4; ++i) {
        CalcPoint& point = results.CalcPoints[i];
        point.Target = points[i - 1].target;
        point.N = points[i - 1].n;
        point.FL = {{{points[i - 1].fl, 1.5, std::nullopt}}};
    }
    EXPECT_EQ(SmallestTargetFL(results, 1), 0.9);
    EXPECT_EQ(SmallestTargetFL(results, 2), 1.5);
    EXPECT_EQ(SmallestTargetFL(results, 3), std::nullopt);
}

}  // namespace
}  // namespace fljudge
