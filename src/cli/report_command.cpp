#include "cli/report_command.h"

#include <CLI/CLI.hpp>
#include <QDir>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "calc/check_before_calc.h"
#include "calc/run_calculation.h"
#include "project/basic_info_file.h"
#include "project/number_text.h"
#include "project/project_file.h"
#include "report/qt/mincho_font.h"
#include "report/qt/page_render.h"
#include "report/report_paging.h"

namespace fljudge {
namespace {

constexpr int kExitOutputFailed = 1;
constexpr int kExitLoadFailed = 2;
constexpr int kExitCheckStopped = 3;

struct ReportOptions {
    std::string project;
    std::string pdf;
    std::string view = "report";
    int page = 0;  // 0: every page of the view
    std::string pngFolder;
    double dpi = 150;
};

// The check messages join their lines with CR LF, as message boxes want them.
std::string WithUnixLineEnds(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

std::string TwoDigits(int number) {
    const std::string digits = FormatFixed(number, 0);
    return digits.size() < 2 ? "0" + digits : digits;
}

[[noreturn]] void Fail(int exitCode, const std::string& message) {
    std::cerr << message << '\n';
    throw CLI::RuntimeError(exitCode);
}

void RunReport(const ReportOptions& options) {
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt's own warnings (a missing XDG_RUNTIME_DIR, font fallbacks) are no
    // business of the command's user; errors still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << message.toStdString() << '\n';
        }
    });
    static int argc = 1;
    static char programName[] = "fljudge-cli";
    static char* argv[] = {programName, nullptr};
    const QGuiApplication application(argc, argv);
    RegisterMinchoSubstitute();

    BasicInfo basicInfo;
    BasicInfoFile(BasicInfoFileMode::Read, basicInfo,
                  QCoreApplication::applicationDirPath().toStdString());
    auto project = std::make_unique<ProjectData>();
    if (const FileStatus status = LoadProject(options.project, basicInfo, *project); !status) {
        Fail(kExitLoadFailed, options.project + ": " + status.reason);
    }
    const CheckResult check = CheckBeforeCalc(*project);
    if (check.outcome == CheckOutcome::Stop) {
        Fail(kExitCheckStopped, WithUnixLineEnds(check.message));
    }
    if (check.outcome == CheckOutcome::Notice) {
        std::cerr << WithUnixLineEnds(check.message) << '\n';
    }
    auto results = std::make_unique<CalcResults>();
    RunCalculation(*project, basicInfo, *results);
    const ReportInput input{*project, *results};

    const ResultView view = options.view == "list" ? ResultView::List : ResultView::Report;
    const std::vector<std::int16_t> viewPages =
        ViewPages(view, {project->NValueCount, results->CalcPointCount});
    const int pageCount = static_cast<int>(viewPages.size());
    std::vector<std::int16_t> pages = viewPages;
    std::vector<int> numbers;  // as the results window counts them
    if (options.page > 0) {
        if (options.page > pageCount) {
            Fail(kExitOutputFailed, "page " + FormatFixed(options.page, 0) +
                                        " does not exist: the " + options.view + " has " +
                                        FormatFixed(pageCount, 0) + " pages");
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
            WritePdf(QString::fromStdString(options.pdf), view, pages, input);
        if (!written) {
            Fail(kExitOutputFailed, written.error.toStdString());
        }
    }
    if (!options.pngFolder.empty()) {
        const QDir folder(QString::fromStdString(options.pngFolder));
        if (!folder.mkpath(QStringLiteral("."))) {
            Fail(kExitOutputFailed, options.pngFolder + ": the folder cannot be created");
        }
        for (std::size_t k = 0; k < pages.size(); ++k) {
            const std::string name = options.view + "-" + TwoDigits(numbers[k]) + ".png";
            const RenderResult written = WritePng(folder.filePath(QString::fromStdString(name)),
                                                  view, pages[k], input, options.dpi);
            if (!written) {
                Fail(kExitOutputFailed, written.error.toStdString());
            }
        }
    }
}

}  // namespace

void AddReportCommand(CLI::App& app) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand(
        "report", "Calculate a project and render its report or results list to PDF or PNG");
    command->add_option("project", options->project, "Project file (.KORV)")->required();
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
