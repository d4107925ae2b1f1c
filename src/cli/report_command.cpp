#include "cli/report_command.h"

#include <CLI/CLI.hpp>
#include <QDir>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/offscreen_rendering.h"
#include "project/number_text.h"
#include "report/qt/page_render.h"
#include "report/report_paging.h"

namespace fljudge {
namespace {

struct ReportOptions {
    std::filesystem::path project;
    std::optional<std::filesystem::path> base;
    std::optional<std::filesystem::path> designFrom;
    std::string pdf;
    std::string view = "report";
    int page = 0;  // 0: every page of the view
    std::string pngFolder;
    double dpi = 150;
};

std::string TwoDigits(int number) {
    const std::string digits = FormatFixed(number, 0);
    return digits.size() < 2 ? "0" + digits : digits;
}

[[noreturn]] void Fail(int exitCode, const std::string& message) {
    std::cerr << message << '\n';
    throw CLI::RuntimeError(exitCode);
}

void RunReport(const ReportOptions& options) {
    const auto application = StartOffscreenRendering();

    CalculatedProject calculated;
    FinishCommand(LoadAndCalculate(options.project, {options.base, options.designFrom}, std::cerr,
                                   calculated));
    const ProjectData* project = calculated.project.get();
    const CalcResults* results = calculated.results.get();
    const ReportInput input{*project, *results};

    const ResultView view = options.view == "list" ? ResultView::List : ResultView::Report;
    const std::vector<std::int16_t> viewPages =
        ViewPages(view, {project->NValueCount, results->CalcPointCount});
    const int pageCount = static_cast<int>(viewPages.size());
    std::vector<std::int16_t> pages = viewPages;
    std::vector<int> numbers;  // as the results window counts them
    if (options.page > 0) {
        if (options.page > pageCount) {
            Fail(kExitUsage, "page " + FormatFixed(options.page, 0) + " does not exist: the " +
                                 options.view + " has " + FormatFixed(pageCount, 0) + " pages");
        }
        pages = {viewPages[static_cast<std::size_t>(options.page - 1)]};
        numbers = {options.page};
    } else {
        for (int k = 1; k <= pageCount; ++k) {
            numbers.push_back(k);
        }
    }

    if (!options.pdf.empty()) {
        const RenderResult written =
            WritePdf(QString::fromStdString(options.pdf), view, pages, input,
                     QString::fromStdString(BoringName(options.project, calculated)));
        if (!written) {
            Fail(kExitFile, written.error.toStdString());
        }
    }
    if (!options.pngFolder.empty()) {
        const QDir folder(QString::fromStdString(options.pngFolder));
        if (!folder.mkpath(QStringLiteral("."))) {
            Fail(kExitFile, options.pngFolder + ": フォルダを作成できません");
        }
        for (std::size_t k = 0; k < pages.size(); ++k) {
            const std::string name = options.view + "-" + TwoDigits(numbers[k]) + ".png";
            const RenderResult written = WritePng(folder.filePath(QString::fromStdString(name)),
                                                  view, pages[k], input, options.dpi);
            if (!written) {
                Fail(kExitFile, written.error.toStdString());
            }
        }
    }
}

}  // namespace

void AddReportCommand(CLI::App& app) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand(
        "report", "Calculate a project and render its report or results list to PDF or PNG");
    command
        ->add_option("PROJECT", options->project,
                     "Project file (.KORV) or boring exchange file (.XML), told apart by content")
        ->required()
        ->type_name("FILE");
    AddBaseOption(*command, options->base);
    AddDesignFromOption(*command, options->designFrom);
    command->add_option("-o,--output", options->pdf, "PDF file to write");
    command->add_option("--view", options->view, "report (A4 portrait) or list (A3 landscape)")
        ->check(CLI::IsMember({"report", "list"}))
        ->capture_default_str();
    command->add_option("--page", options->page, "Only this page (1 = the first page of the view)")
        ->check(CLI::Range(1, 21));
    CLI::Option* png =
        command->add_option("--png", options->pngFolder, "Folder for one PNG file per page");
    command->add_option("--dpi", options->dpi, "Resolution of the PNG files")
        ->check(CLI::Range(30.0, 1200.0))
        ->needs(png)
        ->capture_default_str();
    command->callback([options] {
        if (options->pdf.empty() && options->pngFolder.empty()) {
            throw CLI::ValidationError("report", "give -o OUT.pdf, --png DIR or both");
        }
        RunReport(*options);
    });
}

}  // namespace fljudge
