// Runs "fljudge-cli batch" as a user would, over folders of good and bad inputs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "report/pdf_tools.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct CliRun {
    int exitCode = -1;
    std::string err;
};

std::string Data(const std::string& name) {
    return std::string(FLJUDGE_SOURCE_DIR) + "/tests/cli/data/" + name;
}

const std::string kExample = std::string(FLJUDGE_SOURCE_DIR) + "/examples/example.KORV";

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find(end); at != std::string::npos; at = text.find(end, start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + end.size();
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The cells of a CSV row without quoted cells; empty cells kept.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells = Lines(line, ",");
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

class BatchCommand : public ::testing::Test {
  protected:
    CliRun Run(const std::string& arguments) const {
        const fs::path err = folder_ / "stderr.txt";
        const std::string command = std::string(FLJUDGE_CLI) + " " + arguments + " >/dev/null 2>" +
                                    test::Quoted(err.string());
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(err)};
    }

    std::string Calc(const std::string& file) const {
        const fs::path out = folder_ / "calc.json";
        const std::string command = std::string(FLJUDGE_CLI) + " calc " + test::Quoted(file) +
                                    " >" + test::Quoted(out.string()) + " 2>/dev/null";
        std::system(command.c_str());
        return ReadBytes(out);
    }

    // A folder of good and bad inputs: the example, two more good projects
    // (one with a notice), a project that fails the checks, a file that is no
    // project, and a file of another kind that is not read.
    fs::path MixedSite() const {
        const fs::path site = folder_ / "site";
        fs::create_directories(site);
        fs::copy_file(kExample, site / "B-1.KORV");
        fs::copy_file(Data("eleven_points.KORV"), site / "B-2.korv");
        fs::copy_file(Data("layers_unsorted.KORV"), site / "B-3.KORV");
        fs::copy_file(Data("no_n_values.KORV"), site / "B-10.KORV");
        WriteBytes(site / "B-4.xml", "not a boring");
        WriteBytes(site / "notes.txt", "not read");
        return site;
    }

    // `count` copies of the example in one folder.
    fs::path CopiesOfTheExample(int count) const {
        const fs::path site = folder_ / ("copies-" + std::to_string(count));
        fs::create_directories(site);
        for (int k = 1; k <= count; ++k) {
            fs::copy_file(kExample, site / ("B-" + std::to_string(k) + ".KORV"));
        }
        return site;
    }

    TempFolder folder_;
};

TEST_F(BatchCommand, AMixedFolderGivesOneRowPerInputAndExit4) {
    const fs::path site = MixedSite();
    const fs::path out = folder_ / "out";
    const fs::path missing = folder_ / "missing.KORV";
    const CliRun run = Run("batch " + test::Quoted(site.string()) + " " +
                           test::Quoted(missing.string()) + " -o " + test::Quoted(out.string()));
    EXPECT_EQ(run.exitCode, 4) << run.err;

    const std::string csv = ReadBytes(out / "summary.csv");
    ASSERT_EQ(csv.compare(0, 3, "\xEF\xBB\xBF"), 0) << "a byte-order mark";
    const std::vector<std::string> rows = Lines(csv.substr(3), "\r\n");
    ASSERT_EQ(rows.size(), 7u) << csv;
    EXPECT_EQ(csv.find('\n', 0), csv.find("\r\n") + 1) << "CR LF line ends";
    EXPECT_EQ(Cells(rows[0]).size(), 16u);
    EXPECT_EQ(Cells(rows[0])[0], "ファイル");
    const struct {
        std::string file;
        std::string name;
        std::string status;
    } expected[] = {
        {(site / "B-1.KORV").string(), "B-1", "OK"},
        {(site / "B-2.korv").string(), "B-2", "OK"},
        {(site / "B-3.KORV").string(), "B-3", "OK"},
        {(site / "B-4.xml").string(), "B-4", ""},
        {(site / "B-10.KORV").string(), "B-10", "Ｎ値情報がありません"},
        {missing.string(), "missing", "ファイルが見つかりません"},
    };
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        const std::vector<std::string> cells = Cells(rows[k + 1]);
        ASSERT_EQ(cells.size(), 16u) << rows[k + 1];
        EXPECT_EQ(cells[0], expected[k].file);
        EXPECT_EQ(cells[1], expected[k].name);
        if (!expected[k].status.empty()) {
            EXPECT_EQ(cells[2], expected[k].status);
        } else {
            EXPECT_NE(cells[2], "OK");
            EXPECT_FALSE(cells[2].empty());
        }
        const bool ok = cells[2] == "OK";
        for (std::size_t c = 3; c < cells.size(); ++c) {
            EXPECT_EQ(cells[c].empty(), !ok || (c >= 13 && cells[c].empty())) << rows[k + 1];
        }
        EXPECT_EQ(fs::exists(out / (expected[k].name + ".json")), ok) << expected[k].name;
    }
    EXPECT_EQ(Cells(rows[1]),
              (std::vector<std::string>{(site / "B-1.KORV").string(), "B-1", "OK", "2.450", "8",
                                        "20", "20.450", "1.100", "28.042", "21.724", "低い",
                                        "極めて高い", "極めて高い", "0.831", "0.197", "0.206"}));
    // The JSON is that of calc.
    EXPECT_EQ(ReadBytes(out / "B-1.json"), Calc(kExample));
    // Progress: one line per finished input; the notice of B-3 with its file.
    EXPECT_NE(run.err.find("B-1.KORV ok PL 1.100/28.042/21.724\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("[6/6] "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("B-10.KORV failed: Ｎ値情報がありません\n"), std::string::npos);
    EXPECT_NE(run.err.find((site / "B-3.KORV").string() + ": 土層情報の深度が昇順になってません"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadPdfInfo((out / "summary.pdf").string()).pages, 2);
    EXPECT_FALSE(fs::exists(out / "B-1-report.pdf")) << "only with --pdf";
}

TEST_F(BatchCommand, EveryInputGoodExitsWith0AndWritesTheReportsWithPdf) {
    const fs::path out = folder_ / "out";
    const CliRun run =
        Run("batch " + test::Quoted(kExample) + " " + test::Quoted(Data("eleven_points.KORV")) +
            " --pdf -o " + test::Quoted(out.string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const test::PdfInfo report = test::ReadPdfInfo((out / "example-report.pdf").string());
    EXPECT_EQ(report.paper, "A4");
    EXPECT_GE(report.pages, 11);
    EXPECT_EQ(test::ReadPdfInfo((out / "eleven_points-list.pdf").string()).paper, "A3");
    const std::string info =
        test::CommandOutput("pdfinfo " + test::Quoted((out / "eleven_points-report.pdf").string()));
    EXPECT_NE(info.find("eleven_points - 計算結果"), std::string::npos) << info;
    const std::string summary = test::PdfText((out / "summary.pdf").string(), 1);
    for (const char* text : {"液状化判定結果一覧表", "example", "eleven_points", "28.042", "1/2"}) {
        EXPECT_NE(summary.find(text), std::string::npos) << text;
    }
}

TEST_F(BatchCommand, TheOutputIsTheSameWhateverTheNumberOfJobs) {
    const fs::path site = MixedSite();
    const fs::path copies = CopiesOfTheExample(12);
    const fs::path one = folder_ / "one";
    const fs::path four = folder_ / "four";
    const std::string inputs = test::Quoted(site.string()) + " " + test::Quoted(copies.string());
    EXPECT_EQ(Run("batch " + inputs + " --jobs 1 -o " + test::Quoted(one.string())).exitCode, 4);
    EXPECT_EQ(Run("batch " + inputs + " --jobs 4 -o " + test::Quoted(four.string())).exitCode, 4);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(one)) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names.size(), 2u + 3u + 12u);
    for (const std::string& name : names) {
        if (name == "summary.pdf") {
            // The file holds its time of making; its text must agree.
            EXPECT_EQ(test::PdfText((one / name).string()), test::PdfText((four / name).string()));
        } else {
            EXPECT_EQ(ReadBytes(one / name), ReadBytes(four / name)) << name;
        }
    }
}

TEST_F(BatchCommand, TheSummaryPdfPagesItsTableAndChart) {
    const struct {
        int inputs;
        int pages;
    } cases[] = {{1, 2}, {31, 3}, {61, 5}};
    const fs::path site = CopiesOfTheExample(61);
    for (const auto& c : cases) {
        std::string files;
        for (int k = 1; k <= c.inputs; ++k) {
            files += " " + test::Quoted((site / ("B-" + std::to_string(k) + ".KORV")).string());
        }
        const fs::path out = folder_ / ("out-" + std::to_string(c.inputs));
        ASSERT_EQ(Run("batch" + files + " -o " + test::Quoted(out.string())).exitCode, 0);
        const std::string pdf = (out / "summary.pdf").string();
        EXPECT_EQ(test::ReadPdfInfo(pdf).pages, c.pages) << c.inputs;
        EXPECT_EQ(test::ReadPdfInfo(pdf).paper, "A4");
    }
    const std::string lastTable = test::PdfText((folder_ / "out-61" / "summary.pdf").string(), 2);
    EXPECT_NE(lastTable.find("B-61"), std::string::npos);
    EXPECT_NE(lastTable.find("2/5"), std::string::npos);
}

TEST_F(BatchCommand, AnOutputFolderThatCannotBeMadeEndsWithCode2) {
    WriteBytes(folder_ / "file", "x");
    const CliRun run = Run("batch " + test::Quoted(kExample) + " -o " +
                           test::Quoted((folder_ / "file" / "out").string()));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("file/out"), std::string::npos) << run.err;
    const CliRun missingBase = Run("batch " + test::Quoted(kExample) + " --base " +
                                   test::Quoted((folder_ / "none.ini").string()) + " -o " +
                                   test::Quoted((folder_ / "out").string()));
    EXPECT_EQ(missingBase.exitCode, 2);
    EXPECT_FALSE(fs::exists(folder_ / "out" / "summary.csv"));
}

TEST_F(BatchCommand, AFolderWithoutInputsIsNotUnderstood) {
    fs::create_directories(folder_ / "empty");
    const CliRun run = Run("batch " + test::Quoted((folder_ / "empty").string()) + " -o " +
                           test::Quoted((folder_ / "out").string()));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no project files"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace fljudge
