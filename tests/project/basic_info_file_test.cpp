#include "project/basic_info_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/comma_decimal_locale.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kDefaultText =
    "18,18,8\r\n19,19,9\r\n20,20,10\r\n"
    "1,1.2,1\r\n1,1,1\r\n.85,1.2,.85\r\n.85,1,.85\r\n.7,.8,.7\r\n"
    ".12,.5,.8\r\n.15,.45,.7\r\n.18,.4,.6\r\n";

// A BasicInfo whose 33 values are 1, 2, ... 33 in file order.
BasicInfo Numbered() {
    BasicInfo info;
    double n = 1;
    const auto fill = [&n](auto& table) {
        for (Triple& row : table) {
            for (double& value : row) {
                value = n++;
            }
        }
    };
    fill(info.UnitWeightTable);
    fill(info.RegionFactorTable);
    fill(info.SeismicCoefTable);
    return info;
}

std::string NumberedItems(int from, int to, std::string_view separator) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += std::to_string(i);
        text += i == to ? "" : separator;
    }
    return text;
}

TEST(BasicInfoFile, WritesTheDefaultsAsElevenLinesAndReadsThemBack) {
    TempFolder folder;
    BasicInfo info = DefaultBasicInfo();
    ASSERT_TRUE(SaveBasicInfo(info, folder.path()));
    EXPECT_EQ(ReadBytes(folder / "Base.ini"), kDefaultText);

    BasicInfo read = Numbered();
    EXPECT_TRUE(LoadBasicInfo(read, folder.path()));
    EXPECT_EQ(read, DefaultBasicInfo());
}

TEST(BasicInfoFile, ReadsAnyDistributionOverLines) {
    const std::string oneLine = NumberedItems(1, 33, ",") + "\r\n";
    const std::string oneLinePerItem = NumberedItems(1, 33, "\n");
    const std::string blanksAndTabs = " 1,\t2 , 3\r\n" + NumberedItems(4, 33, ", ");
    for (const std::string& text : {oneLine, oneLinePerItem, blanksAndTabs}) {
        BasicInfo info;
        EXPECT_TRUE(ParseBasicInfo(text, info)) << text;
        EXPECT_EQ(info, Numbered()) << text;
    }
}

TEST(BasicInfoFile, ReadsAnItemWithoutANumberAsZero) {
    BasicInfo info;
    EXPECT_TRUE(ParseBasicInfo("abc," + NumberedItems(2, 33, ","), info));
    EXPECT_EQ(info.UnitWeightTable[1][1], 0);
    EXPECT_EQ(info.UnitWeightTable[1][2], 2);
}

TEST(BasicInfoFile, KeepsTheDefaultForEveryValueAShortFileLacks) {
    BasicInfo info;
    const FileStatus status = ParseBasicInfo("1,2,3\r\n4,5", info);
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason.find("6個目"), std::string::npos) << status.reason;
    BasicInfo expected = DefaultBasicInfo();
    expected.UnitWeightTable[1] = Numbered().UnitWeightTable[1];
    expected.UnitWeightTable[2][1] = 4;
    expected.UnitWeightTable[2][2] = 5;
    EXPECT_EQ(info, expected);
}

TEST(BasicInfoFile, KeepsTheDefaultForANumberBeyondTheRangeOfADouble) {
    BasicInfo info;
    const FileStatus status = ParseBasicInfo("1,1e999,3\r\n" + NumberedItems(4, 33, ","), info);
    EXPECT_FALSE(status);
    BasicInfo expected = Numbered();
    expected.UnitWeightTable[1][2] = DefaultBasicInfo().UnitWeightTable[1][2];
    EXPECT_EQ(info, expected);
}

TEST(BasicInfoFile, MissingFileGivesTheDefaultsAndCreatesNone) {
    TempFolder folder;
    BasicInfo info = Numbered();
    EXPECT_TRUE(LoadBasicInfo(info, folder.path()));
    EXPECT_EQ(info, DefaultBasicInfo());
    EXPECT_FALSE(std::filesystem::exists(folder / "Base.ini"));
}

TEST(BasicInfoFile, UnreadableFileGivesTheDefaultsAndSaysWhy) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Base.ini");  // exists, but no file to read
    BasicInfo info = Numbered();
    const FileStatus status = LoadBasicInfo(info, folder.path());
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason.find("初期値を使います"), std::string::npos) << status.reason;
    EXPECT_EQ(info, DefaultBasicInfo());
}

TEST(BasicInfoFile, APipeNamedBaseIniGivesTheDefaultsWithoutWaiting) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "Base.ini").c_str(), 0600), 0);
    BasicInfo info = Numbered();
    const FileStatus status = LoadBasicInfo(info, folder.path());
    EXPECT_FALSE(status);
    EXPECT_EQ(status.reason, "ファイルではなくパイプです。読めなかった値は初期値を使います");
    EXPECT_EQ(info, DefaultBasicInfo());
}

TEST(BasicInfoFile, ABinaryOrUtf16FileGivesTheDefaultsAndSaysWhy) {
    // Read item by item, either would set every value to 0.
    const std::string binary(
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0,\0\0",
        15);
    const std::string utf16(
        "\xFF\xFE"
        "1\0"
        "8\0"
        ",\0"
        "1\0"
        "8\0",
        12);
    for (const std::string& bytes : {binary, utf16}) {
        BasicInfo info = Numbered();
        const FileStatus status = ParseBasicInfo(bytes, info);
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.reason.empty());
        EXPECT_EQ(info, DefaultBasicInfo());
    }
}

TEST(BasicInfoFile, ResetDeletesTheFileAndRestoresTheDefaults) {
    TempFolder folder;
    BasicInfo info = Numbered();
    ASSERT_TRUE(SaveBasicInfo(info, folder.path()));
    EXPECT_TRUE(ResetBasicInfo(info, folder.path()));
    EXPECT_EQ(info, DefaultBasicInfo());
    EXPECT_FALSE(std::filesystem::exists(folder / "Base.ini"));
    // Without a file, reset is no failure either.
    info = Numbered();
    EXPECT_TRUE(ResetBasicInfo(info, folder.path()));
    EXPECT_EQ(info, DefaultBasicInfo());
}

TEST(BasicInfoFile, FailedWriteOrDeleteSaysWhyAndKeepsTheValuesInMemory) {
    TempFolder folder;
    // A file where the folder should be: nothing can be created inside it,
    // even by root.
    WriteBytes(folder / "not-a-folder", "x");
    BasicInfo info = Numbered();
    const FileStatus write = SaveBasicInfo(info, folder / "not-a-folder");
    EXPECT_FALSE(write);
    EXPECT_EQ(write.reason, "ファイルを作成できません");
    EXPECT_EQ(info, Numbered());

    // A folder named Base.ini, empty or not, is not deleted as a file.
    for (const char* inside : {"", "inside"}) {
        std::filesystem::create_directories(folder / "Base.ini" / inside);
        info = Numbered();
        const FileStatus reset = ResetBasicInfo(info, folder.path());
        EXPECT_EQ(reset.reason, "ファイルを削除できません（ファイルではなくフォルダです）");
        EXPECT_EQ(info, DefaultBasicInfo());
        EXPECT_TRUE(std::filesystem::is_directory(folder / "Base.ini"));
    }
}

TEST(BasicInfoFile, WriteReplacesTheWholeContent) {
    TempFolder folder;
    WriteBytes(folder / "Base.ini", std::string(2000, 'x'));
    BasicInfo info = DefaultBasicInfo();
    ASSERT_TRUE(SaveBasicInfo(info, folder.path()));
    EXPECT_EQ(ReadBytes(folder / "Base.ini"), kDefaultText);
    // Only Base.ini is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(BasicInfoFile, IgnoresTheLocale) {
    testing::CommaDecimalLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "no German locale";
    }
    EXPECT_EQ(BasicInfoFileText(DefaultBasicInfo()), kDefaultText);
    BasicInfo info;
    EXPECT_TRUE(ParseBasicInfo(kDefaultText, info));
    EXPECT_EQ(info, DefaultBasicInfo());
}

}  // namespace
}  // namespace fljudge
