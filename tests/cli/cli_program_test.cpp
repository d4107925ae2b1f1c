// Runs the built fljudge-cli as a user would and looks at its exit code and
// its output.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "project/basic_info_file.h"
#include "project/project_file.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::CliRun;
using testing::ReadBytes;
using testing::RunProgram;
using testing::TempFolder;
using testing::WriteBytes;

const std::filesystem::path kExample = FLJUDGE_SOURCE_DIR "/examples/example.KORV";

class CliProgram : public ::testing::Test {
  protected:
    CliRun Cli(const std::vector<std::string>& arguments) {
        return RunProgram(FLJUDGE_CLI, arguments, folder_.path());
    }

    std::string Path(std::string_view name) const { return (folder_ / name).string(); }

    TempFolder folder_;
};

TEST_F(CliProgram, VersionAndHelp) {
    const CliRun version = Cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, FLJUDGE_VERSION "\n");

    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part : {"calc", "new", "resave", "Exit codes", "3  the project failed"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }
    const CliRun calcHelp = Cli({"calc", "--help"});
    EXPECT_EQ(calcHelp.exitCode, 0);
    EXPECT_NE(calcHelp.out.find("L_1, L_2, L_3"), std::string::npos);
}

TEST_F(CliProgram, UsageErrorsExitWithOne) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"bogus"},
        {"calc"},
        {"calc", kExample.string(), "--format", "xml"},
        {"calc", kExample.string(), "--unknown"},
        {"resave", kExample.string()},
    };
    for (const auto& arguments : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 1) << ::testing::PrintToString(arguments);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
}

TEST_F(CliProgram, NewWritesTheFileOfANewProject) {
    ASSERT_EQ(Cli({"new", Path("a.KORV")}).exitCode, 0);
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    EXPECT_EQ(ReadBytes(Path("a.KORV")), ProjectFileBytes(project).value());

    // With --base the coefficients come from the settings file.
    BasicInfo info = DefaultBasicInfo();
    info.RegionFactorTable[1][1] = 0.85;
    ASSERT_TRUE(SaveBasicInfo(info, folder_.path()));
    ASSERT_EQ(Cli({"new", Path("b.KORV"), "--base", Path("Base.ini")}).exitCode, 0);
    NewProject(project, info);
    EXPECT_EQ(ReadBytes(Path("b.KORV")), ProjectFileBytes(project).value());
}

TEST_F(CliProgram, FileErrorsExitWithTwoAndSayWhy) {
    WriteBytes(Path("short.ini"), "18,18,8\r\n");
    WriteBytes(Path("short.KORV"), "1:x\r\n1,1,1.2\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {"calc", Path("none.KORV")},
        {"calc", Path("short.KORV")},
        {"calc", kExample.string(), "--base", Path("none.ini")},
        {"new", Path("none/a.KORV")},
        {"new", Path("a.KORV"), "--base", Path("none.ini")},
        {"resave", Path("short.KORV"), Path("b.KORV")},
        {"resave", kExample.string(), Path("none/b.KORV")},
    };
    for (const auto& arguments : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(run.err.find(": "), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Path("a.KORV")));
    EXPECT_FALSE(std::filesystem::exists(Path("b.KORV")));
    const CliRun missing = Cli({"calc", Path("none.KORV")});
    EXPECT_EQ(missing.err, Path("none.KORV") + ": ファイルが見つかりません\n");
}

TEST_F(CliProgram, APipeOrAFolderIsRefusedByName) {
    ASSERT_EQ(::mkfifo(Path("p.KORV").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"calc", Path("p.KORV")}, Path("p.KORV") + ": ファイルではなくパイプです\n"},
        {{"resave", Path("p.KORV"), Path("b.KORV")},
         Path("p.KORV") + ": ファイルではなくパイプです\n"},
        {{"report", Path("p.KORV"), "-o", Path("b.pdf")},
         Path("p.KORV") + ": ファイルではなくパイプです\n"},
        {{"calc", kExample.string(), "--base", Path("p.KORV")},
         Path("p.KORV") + ": ファイルではなくパイプです\n"},
        {{"calc", kExample.string(), "--base", folder_.path().string()},
         folder_.path().string() + ": ファイルではなくフォルダです\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(run.err, c.err);
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Path("b.KORV")));
    EXPECT_FALSE(std::filesystem::exists(Path("b.pdf")));
}

TEST_F(CliProgram, AFileCutInItsLastLineIsCalculatedWithAWarning) {
    std::string cut = ReadBytes(kExample);
    cut.resize(cut.size() - 3);
    WriteBytes(Path("cut.KORV"), cut);
    const std::string warning =
        Path("cut.KORV") +
        ": ファイルの最後が改行で終わっていません。途中で切れている可能性があります。\n";
    const CliRun calc = Cli({"calc", Path("cut.KORV")});
    EXPECT_EQ(calc.exitCode, 0);
    EXPECT_EQ(calc.err, warning);
    EXPECT_FALSE(calc.out.empty());
    const CliRun resave = Cli({"resave", Path("cut.KORV"), Path("out.KORV")});
    EXPECT_EQ(resave.exitCode, 0);
    EXPECT_EQ(resave.err, warning);
    EXPECT_EQ(Cli({"calc", kExample.string()}).err, "");
}

TEST_F(CliProgram, ResaveKeepsAFileThatIsNoText) {
    const std::string utf16(
        "\xFF\xFE"
        "1\0:\0\r\0\n\0",
        10);
    WriteBytes(Path("x.KORV"), utf16);
    const CliRun run = Cli({"resave", Path("x.KORV"), Path("x.KORV")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("UTF-16"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(Path("x.KORV")), utf16);
}

TEST_F(CliProgram, AShortSettingsFileKeepsTheDefaultsForTheRestAndSaysSo) {
    WriteBytes(Path("short.ini"), "20,20,10\r\n");
    const CliRun run = Cli({"new", Path("a.KORV"), "--base", Path("short.ini")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find(Path("short.ini") + ": "), std::string::npos) << run.err;
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    EXPECT_EQ(ReadBytes(Path("a.KORV")), ProjectFileBytes(project).value());
}

TEST_F(CliProgram, ResaveGivesTheStandardLayout) {
    ASSERT_EQ(Cli({"resave", kExample.string(), Path("same.KORV")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(Path("same.KORV")), ReadBytes(kExample));

    // Spread over lines differently, LF only, section lines in UTF-8.
    WriteBytes(Path("draft.txt"),
               "1:設計条件\n1,1,1.2,1,1,.12,.5,.8,.12,.6,.8,2:土層情報\n0,0\n3:Ｎ値情報,0");
    ASSERT_EQ(Cli({"resave", Path("draft.txt"), Path("draft.txt")}).exitCode, 0);
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    EXPECT_EQ(ReadBytes(Path("draft.txt")), ProjectFileBytes(project).value());
}

TEST_F(CliProgram, CalcPrintsJsonOrCsv) {
    const CliRun json = Cli({"calc", kExample.string()});
    EXPECT_EQ(json.exitCode, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["PL"].size(), 3u);
    EXPECT_TRUE(parsed["points"].is_array());
    EXPECT_TRUE(parsed["npoints"].is_array());

    const CliRun csv = Cli({"calc", kExample.string(), "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("Depth,N,Thickness,", 0), 0u) << csv.out;
}

TEST_F(CliProgram, FailedCheckExitsWithThreeAndANoticeGoesOn) {
    ASSERT_EQ(Cli({"new", Path("empty.KORV")}).exitCode, 0);
    const CliRun stop = Cli({"calc", Path("empty.KORV")});
    EXPECT_EQ(stop.exitCode, 3);
    EXPECT_EQ(stop.err, "Ｎ値情報がありません\n");
    EXPECT_TRUE(stop.out.empty());

    // Layers typed out of order: a two-line notice, then the results.
    ProjectData project;
    ASSERT_TRUE(LoadProject(kExample, DefaultBasicInfo(), project));
    std::swap(project.SoilLayers[1], project.SoilLayers[2]);
    ASSERT_TRUE(SaveProject(Path("unsorted.KORV"), project));
    const CliRun notice = Cli({"calc", Path("unsorted.KORV")});
    EXPECT_EQ(notice.exitCode, 0);
    EXPECT_EQ(notice.err, "土層情報の深度が昇順になってません\nソートを行い計算を行います\n");
    EXPECT_FALSE(nlohmann::json::parse(notice.out)["points"].empty());
}

}  // namespace
}  // namespace fljudge
