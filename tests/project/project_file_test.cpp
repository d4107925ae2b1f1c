#include "project/project_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <limits>
#include <vector>

#include "support/comma_decimal_locale.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// The section lines in code page 932.
const std::string kDesign = "1:\x90\xdd\x8c\x76\x8f\xf0\x8c\x8f";   // 1:設計条件
const std::string kLayers = "2:\x93\x79\x91\x77\x8f\xee\x95\xf1";   // 2:土層情報
const std::string kNValues = "3:\x82\x6d\x92\x6c\x8f\xee\x95\xf1";  // 3:Ｎ値情報

const std::string kNewProjectFile = kDesign + "\r\n1,1,1.2,1,1,.12,.5,.8,.12,.6,.8\r\n" + kLayers +
                                    "\r\n0,0\r\n" + kNValues + "\r\n0\r\n";

ProjectData NewFromDefaults() {
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    return project;
}

// A project with a value of every kind the number format distinguishes.
ProjectData Sample() {
    ProjectData p = NewFromDefaults();
    p.RegionArea = 6;
    p.RegionFactors[1] = 0.85;
    p.GroundType = 4;
    p.StdSeismicCoefs[2] = 1.23456789012345;
    p.DesignKhLv1 = 0.128;
    p.WaterDepth = 2.45;
    p.LayerCount = 3;
    p.SoilLayers[1] = {1.6, 1.6, kSandy, kWeightBasic, 18, 18, 8, 18, 0, 0.25, 0.02};
    p.SoilLayers[2] = {4.3, 2.7, kClayey, kWeightInput, 17.5, 17.5, 7.5, 85, 28, 0.012, 0.00001};
    p.SoilLayers[3] = {60, 55.7, kGravelly, kWeightBasic, -0.5, 1.5e15, 10, 4, 0, 8, 0.6};
    p.NValueCount = 4;
    p.NValues[1] = {1, 4};
    p.NValues[2] = {2.15, 0};
    p.NValues[3] = {3, -32768};
    p.NValues[4] = {59.999, 32767};
    return p;
}

// Both tables filled to capacity.
ProjectData Full() {
    ProjectData p = NewFromDefaults();
    p.LayerCount = kMaxLayers;
    for (int i = 1; i <= kMaxLayers; ++i) {
        p.SoilLayers[i] = {2.0 * i, 2, kSandy, kWeightBasic, 18, 18, 8, i + 0.5, 0, 0.2, 0.01};
    }
    p.NValueCount = kMaxNValues;
    for (int i = 1; i <= kMaxNValues; ++i) {
        p.NValues[i] = {i + 0.25, static_cast<std::int16_t>(i)};
    }
    return p;
}

std::string Bytes(const ProjectData& project) {
    const auto bytes = ProjectFileBytes(project);
    EXPECT_TRUE(bytes);
    return bytes.value_or("");
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(SaveProject, NewProjectGivesTheSixLinesAndReplacesAnOldFileEntirely) {
    TempFolder folder;
    const auto path = folder / "new.KORV";
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(SaveProject(path, NewFromDefaults()));
    EXPECT_EQ(ReadBytes(path), kNewProjectFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SaveProject, WritesEveryFieldInOrder) {
    const std::string expected =
        kDesign + "\r\n6,.85,1.2,1,4,.12,1.23456789012345,.8,.128,.6,.8\r\n" + kLayers +
        "\r\n2.45,3\r\n" +
        "1.6,1.6,1,1,18,18,8,18,0,.25,.02\r\n"
        "4.3,2.7,2,2,17.5,17.5,7.5,85,28,.012,1E-05\r\n"
        "60,55.7,3,1,-.5,1.5E+15,10,4,0,8,.6\r\n" +
        kNValues + "\r\n4\r\n1,4\r\n2.15,0\r\n3,-32768\r\n59.999,32767\r\n";
    EXPECT_EQ(Bytes(Sample()), expected);
}

TEST(SaveProject, RoundTripsThroughLoadByteForByte) {
    TempFolder folder;
    for (const ProjectData& original : {NewFromDefaults(), Sample(), Full()}) {
        const auto first = folder / "first.KORV";
        const auto second = folder / "second.KORV";
        ASSERT_TRUE(SaveProject(first, original));
        ProjectData loaded;
        ASSERT_TRUE(LoadProject(first, DefaultBasicInfo(), loaded));
        EXPECT_EQ(loaded, original);
        ASSERT_TRUE(SaveProject(second, loaded));
        EXPECT_EQ(ReadBytes(second), ReadBytes(first));
    }
}

TEST(LoadProject, ReadsTheItemsWhateverTheirLayout) {
    const std::string standard = Bytes(Sample());
    const std::string variants[] = {
        ReplaceAll(standard, "\r\n", ","),                                // all on one line
        ReplaceAll(standard, "\r\n", "\n"),                               // LF only
        ReplaceAll(standard, "\r\n", "\r"),                               // CR only
        ReplaceAll(ReplaceAll(standard, ",", " ,\t"), "\r\n", "\r\n  "),  // blanks, tabs
        ReplaceAll(ReplaceAll(ReplaceAll(standard, kDesign, "abc"), kLayers, ""), kNValues,
                   "section"),                    // other section lines
        ReplaceAll(standard, "E", "e"),           // lower-case exponent
        standard.substr(0, standard.size() - 2),  // no final line end
        standard + "9,9,9\r\nmore\r\n",           // items after the end
    };
    for (const std::string& text : variants) {
        ProjectData project;
        EXPECT_TRUE(ParseProjectFile(text, DefaultBasicInfo(), project)) << text;
        EXPECT_EQ(project, Sample()) << text;
    }
}

struct ItemCase {
    const char* item;
    std::int16_t asWhole;  // read into RegionArea
    double asReal;         // read into Cz
};

TEST(LoadProject, ConvertsAnItemByItsLeadingNumber) {
    const ItemCase cases[] = {
        {"2.5", 2, 2.5},
        {"3.5", 4, 3.5},
        {"-2.5", -2, -2.5},
        {"abc", 0, 0},
        {"", 0, 0},
        {"1:x", 1, 1},
        {"1.5e1", 15, 15},
        {"1E-05", 0, 1e-5},
        {".5x", 0, 0.5},
        {"+3", 3, 3},
        {"32767.4", 32767, 32767.4},
        {"-32768.5", -32768, -32768.5},
        {"1e-999", 0, 0},
    };
    for (const auto& c : cases) {
        const std::string text = kDesign + "\r\n" + c.item + "," + c.item +
                                 ",1.2,1,1,.12,.5,.8,.12,.6,.8\r\n" + kLayers + "\r\n0,0\r\n" +
                                 kNValues + "\r\n0\r\n";
        ProjectData project;
        ASSERT_TRUE(ParseProjectFile(text, DefaultBasicInfo(), project)) << c.item;
        EXPECT_EQ(project.RegionArea, c.asWhole) << c.item;
        EXPECT_EQ(project.RegionFactors[1], c.asReal) << c.item;
    }
}

TEST(LoadProject, TenItemLayerLineShiftsEveryFollowingField) {
    const std::string text = kDesign + "\r\n1,1,1.2,1,1,.12,.5,.8,.12,.6,.8\r\n" + kLayers +
                             "\r\n2.5,2\r\n"
                             "2,2,1,1,18,18,8,10,0,.2\r\n"  // D10 missing
                             "5,3,2,1,19,19,9,80,25,.01,.001\r\n" +
                             kNValues + "\r\n2\r\n1,5\r\n2,7\r\n";
    ProjectData project;
    ASSERT_TRUE(ParseProjectFile(text, DefaultBasicInfo(), project));
    ProjectData expected = NewFromDefaults();
    expected.WaterDepth = 2.5;
    expected.LayerCount = 2;
    expected.SoilLayers[1] = {2, 2, 1, 1, 18, 18, 8, 10, 0, 0.2, 5};
    // The N-value section line lands in D10 of layer 2 and reads as 3.
    expected.SoilLayers[2] = {3, 2, 1, 19, 19, 9, 80, 25, 0.01, 0.001, 3};
    // The N-value count line is taken as the section line.
    expected.NValueCount = 1;
    expected.NValues[1] = {5, 2};
    EXPECT_EQ(project, expected);
}

struct FailureCase {
    std::string text;
    const char* reason;  // a part of the reason
};

TEST(LoadProject, RefusesABrokenFileAndLeavesTheProjectUnchanged) {
    const std::string head = kDesign + "\r\n1,1,1.2,1,1,.12,.5,.8,.12,.6,.8\r\n" + kLayers + "\r\n";
    const std::string oneLayer = "2,2,1,1,18,18,8,10,0,.2,.01\r\n";
    const std::string tail = kNValues + "\r\n1\r\n1,5\r\n";
    const FailureCase cases[] = {
        {"", "ファイルが途中で終わっています"},
        {kNewProjectFile.substr(0, kNewProjectFile.size() - 3), "Ｎ値数がありません"},
        {head + "0,2\r\n" + oneLayer + tail, "土層2のデータがありません"},
        {head + "0,1\r\n" + oneLayer + kNValues + "\r\n2\r\n1,5\r\n", "Ｎ値2のデータがありません"},
        {ReplaceAll(kNewProjectFile, "\n1,1,", "\n40000,1,"), "2行目の値が範囲外です"},
        {ReplaceAll(kNewProjectFile, "\n1,1,", "\n32767.5,1,"), "範囲外"},
        {ReplaceAll(kNewProjectFile, "\n1,1,", "\n1,1e999,"), "範囲外"},
        {head + "0,1\r\n" + oneLayer + kNValues + "\r\n1\r\n1,99999\r\n", "8行目の値が範囲外です"},
        {head + "0,31\r\n" + oneLayer + tail, "土層数（31）が上限の30を超えています"},
        {head + "0,-1\r\n" + tail, "土層数が負の値です"},
        {head + "0,0\r\n" + kNValues + "\r\n51\r\n", "Ｎ値数（51）が上限の50を超えています"},
        {head + "0,0\r\n" + kNValues + "\r\n-1\r\n", "Ｎ値数が負の値です"},
    };
    for (const auto& c : cases) {
        ProjectData project = Sample();
        const FileStatus status = ParseProjectFile(c.text, DefaultBasicInfo(), project);
        EXPECT_FALSE(status) << c.text;
        EXPECT_NE(status.reason.find(c.reason), std::string::npos) << status.reason;
        EXPECT_EQ(project, Sample()) << c.text;
    }
}

TEST(LoadProject, MissingOrUnreadableFileLeavesTheProjectUnchanged) {
    TempFolder folder;
    ProjectData project = Sample();
    const FileStatus missing = LoadProject(folder / "none.KORV", DefaultBasicInfo(), project);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, "ファイルが見つかりません");
    EXPECT_FALSE(LoadProject(folder.path(), DefaultBasicInfo(), project));
    EXPECT_EQ(project, Sample());
}

// A text of ASCII characters as UTF-16 or UTF-32, little- or big-endian.
std::string Wide(std::string_view text, int width, bool bigEndian) {
    std::string wide;
    for (const char c : text) {
        std::string unit(static_cast<std::size_t>(width), '\0');
        unit[bigEndian ? unit.size() - 1 : 0] = c;
        wide += unit;
    }
    return wide;
}

TEST(SaveProject, EveryValueThatLoadsSavesToAFileThatLoads) {
    ProjectData project = Sample();
    project.WaterDepth = std::numeric_limits<double>::max();
    project.SoilLayers[1].Thickness = -std::numeric_limits<double>::max();
    const std::string saved = Bytes(project);
    ProjectData loaded = NewFromDefaults();
    ASSERT_TRUE(ParseProjectFile(saved, DefaultBasicInfo(), loaded));
    EXPECT_EQ(loaded, project);
    EXPECT_EQ(Bytes(loaded), saved);
}

TEST(LoadProject, AFileWithoutItsLastLineEndLoadsWithAWarning) {
    const std::string whole = Bytes(Sample());
    struct Case {
        std::string bytes;
        bool warned;
    };
    for (const Case& c : {Case{whole, false}, Case{whole.substr(0, whole.size() - 1), false},
                          Case{whole.substr(0, whole.size() - 2), true},
                          Case{whole.substr(0, whole.size() - 3), true}}) {
        ProjectData project = NewFromDefaults();
        const FileStatus status = ParseProjectFile(c.bytes, DefaultBasicInfo(), project);
        ASSERT_TRUE(status);
        EXPECT_EQ(status.warning, c.warned ? kNoFinalLineEndWarning : "") << c.bytes.size();
    }
    // Cut inside the last number: the shorter number is what loads.
    ProjectData project = NewFromDefaults();
    ASSERT_TRUE(ParseProjectFile(whole.substr(0, whole.size() - 3), DefaultBasicInfo(), project));
    EXPECT_EQ(project.NValues[4].N, 3276);
}

TEST(LoadProject, RefusesUtf16Utf32AndBinaryFiles) {
    const std::string ascii =
        "1:x\r\n3,1,1.2,1,1,.12,.5,.8,.12,.6,.8\r\n2:x\r\n1.5,0\r\n3:x\r\n0\r\n";
    const std::string utf16 = "UTF-16のファイルは読めません";
    const std::string utf32 = "UTF-32のファイルは読めません";
    const std::string binary = "テキストファイルではありません（NUL文字を含んでいます）";
    const struct {
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"\xFF\xFE" + Wide(ascii, 2, false), utf16},
        {"\xFE\xFF" + Wide(ascii, 2, true), utf16},
        {Wide(ascii, 2, false), binary},
        {std::string("\xFF\xFE\0\0", 4) + Wide(ascii, 4, false), utf32},
        {std::string("\0\0\xFE\xFF", 4) + Wide(ascii, 4, true), utf32},
        {Wide(ascii, 4, true), binary},
        {"\xFF\xFE", utf16},
        {ascii + std::string(1, '\0'), binary},
    };
    ASSERT_TRUE(ParseProjectFile(ascii, DefaultBasicInfo(), *std::make_unique<ProjectData>()));
    for (const auto& c : cases) {
        ProjectData project = Sample();
        const FileStatus status = ParseProjectFile(c.bytes, DefaultBasicInfo(), project);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.reason.substr(0, c.reason.size()), c.reason) << status.reason;
        EXPECT_EQ(project, Sample());
    }
}

TEST(LoadProject, RefusesWhatIsNoRegularFileWithoutWaitingOnIt) {
    TempFolder folder;
    // A pipe without a writer would block a plain open for ever.
    ASSERT_EQ(::mkfifo((folder / "pipe.KORV").c_str(), 0600), 0);
    const struct {
        std::filesystem::path path;
        const char* reason;
    } cases[] = {
        {folder / "pipe.KORV", "ファイルではなくパイプです"},
        {folder.path(), "ファイルではなくフォルダです"},
        {"/dev/null", "ファイルではなくデバイスです"},
    };
    for (const auto& c : cases) {
        ProjectData project = Sample();
        const FileStatus status = LoadProject(c.path, DefaultBasicInfo(), project);
        EXPECT_FALSE(status) << c.path;
        EXPECT_EQ(status.reason, c.reason);
        EXPECT_EQ(project, Sample());
    }
}

TEST(LoadProject, StartsFromANewProjectOfTheGivenBasicInformation) {
    // A file that ends right after the design line is refused; one that gives
    // every item takes nothing from the basic information. The rows beyond the
    // counts are those of a new project, not what the caller held before.
    ProjectData project = Full();
    ASSERT_TRUE(ParseProjectFile(Bytes(Sample()), DefaultBasicInfo(), project));
    EXPECT_EQ(project.SoilLayers[4], SoilLayer{});
    EXPECT_EQ(project.NValues[5], NValuePoint{});
}

TEST(SaveProject, FailureSaysWhyAndLeavesNoTrace) {
    TempFolder folder;
    // A file where the folder should be.
    WriteBytes(folder / "plain", "x");
    const FileStatus noFolder = SaveProject(folder / "plain" / "a.KORV", Sample());
    EXPECT_FALSE(noFolder);
    EXPECT_FALSE(noFolder.reason.empty());

    // A folder where the file should be: it stays as it was.
    std::filesystem::create_directories(folder / "a.KORV" / "inside");
    const FileStatus onFolder = SaveProject(folder / "a.KORV", Sample());
    EXPECT_FALSE(onFolder);
    EXPECT_EQ(onFolder.reason, "同じ名前のフォルダがあるため保存できません");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a.KORV" / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(SaveProject, ReplacesTheFileBehindALinkAndKeepsItsPermissions) {
    TempFolder folder;
    const auto file = folder / "real.KORV";
    const auto link = folder / "link.KORV";
    WriteBytes(file, "old");
    std::filesystem::permissions(
        file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(file, link);
    ASSERT_TRUE(SaveProject(link, NewFromDefaults()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), kNewProjectFile);
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

std::vector<std::string> Entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveProject, AKilledSaveLeavesTheOldOrTheNewFileAndNothingElse) {
    TempFolder folder;
    const auto path = folder / "p.KORV";
    const std::string sample = Bytes(Sample());
    const std::string full = Bytes(Full());
    ASSERT_TRUE(SaveProject(path, Sample()));
    // What an older kill left behind: the temporary of a process now gone.
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    WriteBytes(folder / (".p.KORV." + std::to_string(gone) + "-0.tmp"), "half");
    WriteBytes(folder / ".p.KORV.mine.tmp", "a user's file of a like name");

    for (int round = 0; round < 60; ++round) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (int k = 0;; ++k) {
                (void)SaveProject(path, k % 2 == 0 ? Full() : Sample());
            }
        }
        ::usleep(static_cast<useconds_t>(300 + 97 * (round % 23)));
        ::kill(saver, SIGKILL);
        ASSERT_EQ(::waitpid(saver, nullptr, 0), saver);
        const std::string now = ReadBytes(path);
        EXPECT_TRUE(now == sample || now == full) << round;
    }
    ASSERT_TRUE(SaveProject(path, Sample()));
    EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{".p.KORV.mine.tmp", "p.KORV"}));
}

TEST(SaveProject, ThroughADanglingLinkCreatesTheFileItPointsTo) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_symlink("sub/real.KORV", folder / "link.KORV");
    std::filesystem::create_symlink("link.KORV", folder / "second.KORV");
    ASSERT_TRUE(SaveProject(folder / "second.KORV", NewFromDefaults()));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.KORV"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "second.KORV"));
    EXPECT_EQ(ReadBytes(folder / "sub" / "real.KORV"), kNewProjectFile);

    // A link into a folder that does not exist is refused and stays.
    std::filesystem::create_symlink("none/real.KORV", folder / "nowhere.KORV");
    const FileStatus status = SaveProject(folder / "nowhere.KORV", NewFromDefaults());
    EXPECT_FALSE(status);
    EXPECT_EQ(status.reason, "保存先のフォルダがありません");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "nowhere.KORV"));
    EXPECT_FALSE(std::filesystem::exists(folder / "none"));
}

TEST(SaveProject, WriteErrorKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder / "old.KORV";
    WriteBytes(path, kNewProjectFile);
    // A file-size limit makes the write fail part-way, even for root.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus status = SaveProject(path, Sample());
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(status);
    EXPECT_EQ(status.reason, "ファイルに書き込めません");
    EXPECT_EQ(ReadBytes(path), kNewProjectFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ProjectFile, IgnoresTheLocale) {
    const std::string saved = Bytes(Sample());
    testing::CommaDecimalLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "no German locale";
    }
    EXPECT_EQ(Bytes(Sample()), saved);
    ProjectData project;
    ASSERT_TRUE(ParseProjectFile(saved, DefaultBasicInfo(), project));
    EXPECT_EQ(project, Sample());
}

}  // namespace
}  // namespace fljudge
