#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report/pdf_tools.h"

namespace fljudge {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string err;
};

class ReportCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        out_ = fs::temp_directory_path() /
               ("fljudge-report-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(out_);
        fs::create_directories(out_);
    }
    void TearDown() override { fs::remove_all(out_); }

    static std::string Data(const std::string& name) {
        return std::string(FLJUDGE_SOURCE_DIR) + "/tests/cli/data/" + name;
    }

    CliRun Run(const std::string& arguments) const {
        const fs::path err = out_ / "stderr.txt";
        const std::string command = std::string(FLJUDGE_CLI) + " " + arguments + " >/dev/null 2>" +
                                    test::Quoted(err.string());
        const int status = std::system(command.c_str());
        std::ifstream in(err);
        std::stringstream text;
        text << in.rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
    }

    std::string Out(const std::string& name) const { return (out_ / name).string(); }

    fs::path out_;
};

TEST_F(ReportCommandTest, AProjectThatCannotBeReadEndsWithCode2AndTheReason) {
    const CliRun run =
        Run("report " + test::Quoted(Out("missing.KORV")) + " -o " + test::Quoted(Out("x.pdf")));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("missing.KORV"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Out("x.pdf")));
}

TEST_F(ReportCommandTest, AnOutputIsNeeded) {
    const CliRun run = Run("report " + test::Quoted(Data("eleven_points.KORV")));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("-o"), std::string::npos) << run.err;
}

TEST_F(ReportCommandTest, WritesEveryPageOfTheViewAsOnePdf) {
    const CliRun report = Run("report " + test::Quoted(Data("eleven_points.KORV")) + " -o " +
                              test::Quoted(Out("report.pdf")));
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.err, "");
    test::PdfInfo info = test::ReadPdfInfo(Out("report.pdf"));
    EXPECT_EQ(info.pages, 11);
    EXPECT_EQ(info.paper, "A4");
    EXPECT_LT(info.widthPoints, info.heightPoints);

    const CliRun list = Run("report " + test::Quoted(Data("eleven_points.KORV")) +
                            " --view list -o " + test::Quoted(Out("list.pdf")));
    ASSERT_EQ(list.exitCode, 0) << list.err;
    info = test::ReadPdfInfo(Out("list.pdf"));
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.paper, "A3");
    EXPECT_GT(info.widthPoints, info.heightPoints);
    const std::string text = test::PdfText(Out("list.pdf"));
    EXPECT_NE(text.find("計算結果一覧"), std::string::npos);
    EXPECT_NE(text.find("粘性土"), std::string::npos);
}

TEST_F(ReportCommandTest, ABoringExchangeFileIsImportedThenReported) {
    const std::string boring = std::string(FLJUDGE_SOURCE_DIR) + "/tests/boring/data/BED0400.XML";
    const CliRun run =
        Run("report " + test::Quoted(boring) + " --view list -o " + test::Quoted(Out("list.pdf")));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("30cm 換算してＮ値 115"), std::string::npos) << run.err;
    EXPECT_NE(test::PdfText(Out("list.pdf")).find("礫質土"), std::string::npos);
}

TEST_F(ReportCommandTest, PngFilesAreNamedToSortInPageOrder) {
    const CliRun all = Run("report " + test::Quoted(Data("eleven_points.KORV")) + " --png " +
                           test::Quoted(Out("pages")) + " --dpi 40");
    ASSERT_EQ(all.exitCode, 0) << all.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(out_ / "pages")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names.front(), "report-01.png");
    EXPECT_EQ(names[9], "report-10.png");
    EXPECT_EQ(names.back(), "report-11.png");

    const CliRun one =
        Run("report " + test::Quoted(Data("eleven_points.KORV")) + " --view list --page 1 --png " +
            test::Quoted(Out("one")) + " -o " + test::Quoted(Out("one.pdf")));
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_TRUE(fs::exists(out_ / "one" / "list-01.png"));
    EXPECT_EQ(test::ReadPdfInfo(Out("one.pdf")).pages, 1);
}

TEST_F(ReportCommandTest, APageBeyondTheViewEndsWithCode1) {
    const CliRun run = Run("report " + test::Quoted(Data("eleven_points.KORV")) + " --page 12 -o " +
                           test::Quoted(Out("x.pdf")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("11 pages"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Out("x.pdf")));
}

TEST_F(ReportCommandTest, ChecksStopWithCode3OrGoOnAfterANotice) {
    const CliRun stop = Run("report " + test::Quoted(Data("no_n_values.KORV")) + " -o " +
                            test::Quoted(Out("stop.pdf")));
    EXPECT_EQ(stop.exitCode, 3);
    EXPECT_EQ(stop.err, "Ｎ値情報がありません\n");
    EXPECT_FALSE(fs::exists(Out("stop.pdf")));

    const CliRun notice = Run("report " + test::Quoted(Data("layers_unsorted.KORV")) + " -o " +
                              test::Quoted(Out("notice.pdf")));
    EXPECT_EQ(notice.exitCode, 0);
    EXPECT_EQ(notice.err, "土層情報の深度が昇順になってません\nソートを行い計算を行います\n");
    EXPECT_EQ(test::ReadPdfInfo(Out("notice.pdf")).pages, 11);
}

TEST_F(ReportCommandTest, ValuesFarOutOfScaleGiveAWellFormedChartQuickly) {
    // A layer 10,000 km thick, and FL of millions from N values of 300 and 32767.
    for (const std::string name : {"thick_layer", "huge_fl"}) {
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = Run("report " + test::Quoted(Data(name + ".KORV")) + " -o " +
                               test::Quoted(Out(name + ".pdf")) + " --png " +
                               test::Quoted(Out(name)) + " --page 11 --dpi 40");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << name;
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(test::CommandOutput("pdftotext " + test::Quoted(Out(name + ".pdf")) +
                                      " - 2>&1 >/dev/null"),
                  "")
            << name;
        EXPECT_NE(test::PdfText(Out(name + ".pdf")).find("柱状図"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace fljudge
