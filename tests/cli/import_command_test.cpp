// Runs the built fljudge-cli on boring exchange files as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "calc/check_before_calc.h"
#include "cli/command_support.h"
#include "project/cp932.h"
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

const std::filesystem::path kBorings = FLJUDGE_SOURCE_DIR "/tests/boring/data";
const std::filesystem::path kExample = FLJUDGE_SOURCE_DIR "/examples/example.KORV";

class ImportCommand : public ::testing::Test {
  protected:
    CliRun Cli(const std::vector<std::string>& arguments) {
        return RunProgram(FLJUDGE_CLI, arguments, folder_.path());
    }

    std::string Path(std::string_view name) const { return (folder_ / name).string(); }

    TempFolder folder_;
};

TEST_F(ImportCommand, EachVersionImportsAndCalculatesAsTheProjectItWrites) {
    for (const char* name : {"BED0110.XML", "BED0200.XML", "BED0201.XML", "BED0210.XML",
                             "BED0300.XML", "BED0400.XML"}) {
        const std::string boring = (kBorings / name).string();
        const CliRun import = Cli({"import", boring, "-o", Path("b.KORV")});
        ASSERT_EQ(import.exitCode, 0) << name << import.err;
        EXPECT_TRUE(import.out.empty());
        EXPECT_NE(
            import.err.find(boring + ": 土層 5「砂・シルト互層」: 互層のため砂質土としました\n"),
            std::string::npos)
            << import.err;
        ProjectData project;
        ASSERT_TRUE(LoadProject(Path("b.KORV"), DefaultBasicInfo(), project));
        EXPECT_EQ(project.LayerCount, 5);
        EXPECT_EQ(project.NValueCount, 6);
        EXPECT_DOUBLE_EQ(project.WaterDepth, 2.3);
        EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);

        const CliRun fromProject = Cli({"calc", Path("b.KORV")});
        const CliRun fromBoring = Cli({"calc", boring});
        ASSERT_EQ(fromBoring.exitCode, 0) << fromBoring.err;
        EXPECT_EQ(fromBoring.out, fromProject.out) << name;
        EXPECT_EQ(fromBoring.err, import.err);
        EXPECT_TRUE(fromProject.err.empty());
    }
}

TEST_F(ImportCommand, DesignConditionsFromAProjectFile) {
    ProjectData site;
    ASSERT_TRUE(LoadProject(kExample, DefaultBasicInfo(), site));
    site.RegionArea = 3;
    site.DesignKhLv1 = 0.25;
    ASSERT_TRUE(SaveProject(Path("site.KORV"), site));
    const std::string boring = (kBorings / "BED0300.XML").string();
    ASSERT_EQ(
        Cli({"import", boring, "-o", Path("b.KORV"), "--design-from", Path("site.KORV")}).exitCode,
        0);
    ProjectData project;
    ASSERT_TRUE(LoadProject(Path("b.KORV"), DefaultBasicInfo(), project));
    EXPECT_EQ(project.RegionArea, 3);
    EXPECT_DOUBLE_EQ(project.DesignKhLv1, 0.25);
    EXPECT_EQ(project.LayerCount, 5);

    // calc takes them too; a project file as input keeps its own.
    const CliRun withDesign = Cli({"calc", boring, "--design-from", Path("site.KORV")});
    EXPECT_EQ(withDesign.out, Cli({"calc", Path("b.KORV")}).out);
    EXPECT_EQ(Cli({"calc", kExample.string(), "--design-from", Path("site.KORV")}).out,
              Cli({"calc", kExample.string()}).out);
}

TEST_F(ImportCommand, UnreadableOrNoBoringDataExitsWithTwoAndWritesNothing) {
    WriteBytes(Path("truncated.XML"), ReadBytes(kBorings / "BED0300.XML").substr(0, 900));
    WriteBytes(Path("other.XML"), "<?xml version=\"1.0\"?>\r\n<html/>\r\n");
    WriteBytes(Path("keep.KORV"), "old");
    const std::string boring = (kBorings / "BED0300.XML").string();
    const std::vector<std::vector<std::string>> cases = {
        {"import", Path("none.XML"), "-o", Path("keep.KORV")},
        {"import", Path("truncated.XML"), "-o", Path("keep.KORV")},
        {"import", Path("other.XML"), "-o", Path("keep.KORV")},
        {"import", kExample.string(), "-o", Path("keep.KORV")},
        {"import", folder_.path().string(), "-o", Path("keep.KORV")},
        {"import", boring, "-o", Path("keep.KORV"), "--design-from", Path("none.KORV")},
        {"import", boring, "-o", Path("keep.KORV"), "--base", Path("none.ini")},
        {"calc", Path("truncated.XML")},
        {"calc", Path("other.XML")},
    };
    for (const auto& arguments : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(run.err.find(": "), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(ReadBytes(Path("keep.KORV")), "old");
    }
    EXPECT_EQ(
        Cli({"import", Path("other.XML"), "-o", Path("keep.KORV")}).err,
        Path("other.XML") + ": ボーリング交換用データではありません（ルート要素が「html」です）\n");
    EXPECT_EQ(Cli({"import", boring}).exitCode, 1);  // no -o
}

TEST_F(ImportCommand, BoringWithoutNValuesFailsTheChecksAfterImport) {
    WriteBytes(Path("empty.XML"),
               *Utf8ToCp932("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                            "<ボーリング情報 DTD_version=\"2.10\"></ボーリング情報>\r\n"));
    const CliRun import = Cli({"import", Path("empty.XML"), "-o", Path("e.KORV")});
    EXPECT_EQ(import.exitCode, 0);
    EXPECT_NE(import.err.find("土層の記録がありません"), std::string::npos);
    EXPECT_NE(import.err.find("孔内水位の測定値がないため、水位深度を 0m としました"),
              std::string::npos);
    const CliRun calc = Cli({"calc", Path("empty.XML")});
    EXPECT_EQ(calc.exitCode, 3);
    EXPECT_NE(calc.err.find("Ｎ値情報がありません"), std::string::npos);
}

// The batch command loads inputs from several threads at once.
TEST(LoadAndCalculateTest, BoringInputsLoadAlikeFromSeveralThreads) {
    const std::vector<std::string> names = {"BED0110.XML", "BED0210.XML", "BED0300.XML",
                                            "BED0400.XML"};
    const auto run = [&names](std::vector<std::string>& summaries) {
        for (const std::string& name : names) {
            CalculatedProject calculated;
            std::ostringstream err;
            const int code = LoadAndCalculate(kBorings / name, {}, err, calculated);
            std::ostringstream summary;
            summary << code << ' ' << calculated.boringName << ' ' << err.str();
            if (calculated.results) {
                for (int k = 1; k <= 3; ++k) {
                    summary << ' ' << calculated.results->PL[k];
                }
            }
            summaries.push_back(summary.str());
        }
    };
    std::vector<std::string> expected;
    run(expected);
    EXPECT_EQ(expected[2].rfind("0 Ｎｏ．3.00－① ", 0), 0u) << expected[2];
    std::vector<std::vector<std::string>> seen(4);
    std::vector<std::thread> threads;
    for (auto& summaries : seen) {
        threads.emplace_back([&run, &summaries] {
            for (int repeat = 0; repeat < 5; ++repeat) {
                run(summaries);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const auto& summaries : seen) {
        ASSERT_EQ(summaries.size(), expected.size() * 5);
        for (std::size_t i = 0; i < summaries.size(); ++i) {
            EXPECT_EQ(summaries[i], expected[i % expected.size()]);
        }
    }
}

TEST_F(ImportCommand, HelpNamesTheImport) {
    const CliRun help = Cli({"--help"});
    EXPECT_NE(help.out.find("import"), std::string::npos);
    const CliRun importHelp = Cli({"import", "--help"});
    EXPECT_EQ(importHelp.exitCode, 0);
    EXPECT_NE(importHelp.out.find("--design-from"), std::string::npos);
}

}  // namespace
}  // namespace fljudge
