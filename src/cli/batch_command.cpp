#include "cli/batch_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/batch_inputs.h"
#include "cli/batch_run.h"
#include "cli/batch_summary.h"
#include "cli/command_support.h"
#include "cli/offscreen_rendering.h"
#include "project/number_text.h"
#include "project/whole_file.h"
#include "report/qt/page_render.h"
#include "report/qt/summary_pdf.h"

namespace fljudge {
namespace {

struct BatchOptions {
    std::vector<std::filesystem::path> inputs;
    std::filesystem::path outputFolder;
    int jobs = 0;  // 0: one per core
    bool pdf = false;
    InputOptions input;
};

// One line per finished input on standard error; on a terminal the line of
// the last input that went well is overwritten by the next.
// Every line of an input's messages names the input once; the importer's
// warnings already do.
std::string WithFileName(const std::filesystem::path& file, const std::string& text) {
    const std::string prefix = file.string() + ": ";
    std::string named;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string_view line(text.data() + start, end - start);
        if (!line.starts_with(prefix)) {
            named += prefix;
        }
        named += line;
        start = end;
    }
    return named;
}

class Progress {
  public:
    Progress(std::size_t total, bool terminal) : total_(total), terminal_(terminal) {}
    ~Progress() {
        if (open_) {
            std::cerr << '\n';
        }
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // A message that stays (a notice, a reason).
    void Tell(const std::string& text) {
        Clear();
        std::cerr << text;
        if (!text.empty() && text.back() != '\n') {
            std::cerr << '\n';
        }
    }

    void Finished(const std::filesystem::path& file, const BoringSummary& summary) {
        ++done_;
        std::string line = "[" + FormatFixed(static_cast<double>(done_), 0) + "/" +
                           FormatFixed(static_cast<double>(total_), 0) + "] " +
                           file.filename().string();
        if (summary.Ok) {
            line += " ok PL " + FormatFixed(summary.PL[1], 3) + "/" +
                    FormatFixed(summary.PL[2], 3) + "/" + FormatFixed(summary.PL[3], 3);
        } else {
            line += " failed: " + summary.Status;
        }
        if (terminal_ && summary.Ok) {
            std::cerr << '\r' << line << "\x1b[K" << std::flush;
            open_ = true;
        } else {
            Tell(line);
        }
    }

  private:
    void Clear() {
        if (open_) {
            std::cerr << "\r\x1b[K";
            open_ = false;
        }
    }

    std::size_t total_;
    bool terminal_;
    std::size_t done_ = 0;
    bool open_ = false;
};

// The report and the list of one calculated input; the reason when a file
// could not be written.
std::string WriteInputPdfs(const std::filesystem::path& folder, const BatchInput& input,
                           const CalculatedProject& calculated) {
    const ReportInput report{*calculated.project, *calculated.results};
    const PagingCounts counts{calculated.project->NValueCount, calculated.results->CalcPointCount};
    const QString boringName = QString::fromStdString(BoringName(input.File, calculated));
    const struct {
        ResultView view;
        const char* suffix;
    } outputs[] = {{ResultView::Report, "-report.pdf"}, {ResultView::List, "-list.pdf"}};
    for (const auto& output : outputs) {
        const std::filesystem::path path = folder / (input.OutputName + output.suffix);
        const std::vector<std::int16_t> pages = ViewPages(output.view, counts);
        const RenderResult written =
            WritePdf(QString::fromStdString(path.string()), output.view, pages, report, boringName);
        if (!written) {
            return written.error.toStdString();
        }
    }
    return {};
}

int RunBatchCommand(const BatchOptions& options) {
    const std::vector<BatchInput> inputs = ListBatchInputs(options.inputs);
    if (inputs.empty()) {
        std::cerr << "no project files (*.KORV) or boring files (*.XML) found\n";
        return kExitUsage;
    }
    std::error_code error;
    std::filesystem::create_directories(options.outputFolder, error);
    if (error || !std::filesystem::is_directory(options.outputFolder, error)) {
        ReportFileError(std::cerr, options.outputFolder, "フォルダを作成できません");
        return kExitFile;
    }
    if (::access(options.outputFolder.c_str(), W_OK) != 0) {
        ReportFileError(std::cerr, options.outputFolder, "フォルダに書き込む権限がありません");
        return kExitFile;
    }
    // The basic information is the same for every input: a --base file that
    // cannot be read stops the run, and what it tells is told once.
    std::ostringstream baseMessage;
    if (!BasicInfoFromOption(options.input.base, baseMessage)) {
        std::cerr << baseMessage.str();
        return kExitFile;
    }
    std::cerr << baseMessage.str();

    const auto application = StartOffscreenRendering();
    BatchSettings settings;
    settings.Input = options.input;
    settings.OutputFolder = options.outputFolder;
    settings.Jobs = options.jobs > 0
                        ? options.jobs
                        : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    settings.SharedMessage = baseMessage.str();

    std::vector<BoringSummary> summaries(inputs.size());
    bool writeFailed = false;
    {
        Progress progress(inputs.size(), ::isatty(STDERR_FILENO) == 1);
        RunBatch(inputs, settings, [&](std::size_t index, BatchOutcome& outcome) {
            const BatchInput& input = inputs[index];
            if (!outcome.Notices.empty()) {
                progress.Tell(WithFileName(input.File, TerminalText(outcome.Notices)));
            }
            std::string writeError = outcome.WriteError;
            if (writeError.empty() && options.pdf && outcome.Calculated) {
                writeError = WriteInputPdfs(options.outputFolder, input, *outcome.Calculated);
            }
            if (!writeError.empty()) {
                progress.Tell(writeError);
                writeFailed = true;
            }
            progress.Finished(input.File, outcome.Summary);
            summaries[index] = std::move(outcome.Summary);
        });
    }

    const std::filesystem::path csv = options.outputFolder / "summary.csv";
    if (const FileStatus status = ReplaceWholeFile(csv, SummaryCsv(summaries)); !status) {
        ReportFileError(std::cerr, csv, status.reason);
        return kExitFile;
    }
    const std::filesystem::path pdf = options.outputFolder / "summary.pdf";
    if (const RenderResult written =
            WriteSummaryPdf(QString::fromStdString(pdf.string()), summaries);
        !written) {
        std::cerr << written.error.toStdString() << '\n';
        return kExitFile;
    }
    if (writeFailed) {
        return kExitFile;
    }
    std::size_t failed = 0;
    for (const BoringSummary& summary : summaries) {
        failed += summary.Ok ? 0 : 1;
    }
    if (failed > 0) {
        std::cerr << FormatFixed(static_cast<double>(failed), 0) << " of "
                  << FormatFixed(static_cast<double>(summaries.size()), 0)
                  << " inputs failed; their reasons are in " << csv.string() << '\n';
        return kExitInputFailed;
    }
    return kExitOk;
}

}  // namespace

void AddBatchCommand(CLI::App& app) {
    auto options = std::make_shared<BatchOptions>();
    CLI::App* command = app.add_subcommand(
        "batch", "Calculate many borings and write a site summary (CSV and PDF)");
    command
        ->add_option("FILE", options->inputs,
                     "Project files (.KORV), boring files (.XML) or folders holding them")
        ->required()
        ->type_name("FILE");
    command->add_option("-o,--output", options->outputFolder, "Folder for the outputs")
        ->required()
        ->type_name("OUTDIR");
    command
        ->add_option("--jobs", options->jobs, "Inputs calculated at once (default: one per core)")
        ->check(CLI::Range(1, 256))
        ->type_name("N");
    command->add_flag("--pdf", options->pdf,
                      "Also write NAME-report.pdf and NAME-list.pdf for every input");
    AddBaseOption(*command, options->input.base);
    AddDesignFromOption(*command, options->input.designFrom);
    command->footer(
        "Every input is loaded, checked and calculated as \"calc\" does it; an input that\n"
        "fails is marked with its reason and the others go on. A folder stands for its\n"
        "*.KORV and *.XML files (any letter case) in name order, B-2 before B-10.\n"
        "Writes into OUTDIR:\n"
        "  summary.csv  one row per input (UTF-8 with BOM, CR LF, for Excel): file,\n"
        "               boring name, status, groundwater depth, layers, N values,\n"
        "               deepest point, PL and risk class per motion (PL = 0 \"なし\",\n"
        "               up to 5 \"低い\", up to 15 \"高い\", above \"極めて高い\"),\n"
        "               smallest FL of the judgement targets per motion\n"
        "  summary.pdf  name, status, groundwater depth, PL and risk class as a table,\n"
        "               then a bar chart of PL with the boundaries 5 and 15 (A4)\n"
        "  NAME.json    the \"calc\" JSON of each input (NAME: the file name without\n"
        "               extension; a repeated name gets _2, _3, ...)\n"
        "  NAME-report.pdf, NAME-list.pdf  with --pdf\n"
        "Progress on standard error, one line per finished input.\n"
        "Exit codes: 0 every input succeeded; 4 at least one failed; 2 OUTDIR or the\n"
        "--base file could not be used, or an output could not be written.");
    command->callback([options] { FinishCommand(RunBatchCommand(*options)); });
}

}  // namespace fljudge
