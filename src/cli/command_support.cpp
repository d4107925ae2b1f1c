#include "cli/command_support.h"

#include "calc/check_before_calc.h"
#include "calc/run_calculation.h"
#include "project/basic_info_file.h"
#include "project/project_file.h"
#include "project/whole_file.h"

namespace fljudge {

std::string TerminalText(std::string_view message) {
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') {
            continue;
        }
        text += message[i];
    }
    return text;
}

void ReportFileError(std::ostream& err, const std::filesystem::path& path,
                     std::string_view reason) {
    err << path.string() << ": " << reason << '\n';
}

std::optional<BasicInfo> BasicInfoFromOption(const std::optional<std::filesystem::path>& file,
                                             std::ostream& err) {
    BasicInfo info = DefaultBasicInfo();
    if (!file) {
        return info;
    }
    const FileBytes content = ReadWholeFile(*file);
    if (!content.status) {
        ReportFileError(err, *file, content.status.reason);
        return std::nullopt;
    }
    // Read as the program reads its Base.ini: a value the file does not give
    // keeps its built-in default, and the reason is told.
    if (const FileStatus status = ParseBasicInfo(content.bytes, info); !status) {
        ReportFileError(err, *file, status.reason);
    }
    return info;
}

int LoadAndCalculate(const std::filesystem::path& projectFile,
                     const std::optional<std::filesystem::path>& base, std::ostream& err,
                     CalculatedProject& calculated) {
    const auto basicInfo = BasicInfoFromOption(base, err);
    if (!basicInfo) {
        return kExitFile;
    }
    calculated.basicInfo = *basicInfo;
    calculated.project = std::make_unique<ProjectData>();
    NewProject(*calculated.project, calculated.basicInfo);
    if (const FileStatus status =
            LoadProject(projectFile, calculated.basicInfo, *calculated.project);
        !status) {
        ReportFileError(err, projectFile, status.reason);
        return kExitFile;
    } else if (!status.warning.empty()) {
        ReportFileError(err, projectFile, status.warning);
    }
    const CheckResult check = CheckBeforeCalc(*calculated.project);
    if (check.outcome != CheckOutcome::Pass) {
        err << TerminalText(check.message) << '\n';
        if (check.outcome == CheckOutcome::Stop) {
            return kExitCheck;
        }
    }
    calculated.results = std::make_unique<CalcResults>();
    RunCalculation(*calculated.project, calculated.basicInfo, *calculated.results);
    return kExitOk;
}

void AddBaseOption(CLI::App& command, std::optional<std::filesystem::path>& file) {
    command
        .add_option("--base", file,
                    "Basic information (unit weights, regional factors, seismic coefficients)\n"
                    "from a file in the Base.ini format; default: the built-in values")
        ->type_name("BASE_INI");
}

void FinishCommand(int exitCode) {
    if (exitCode != kExitOk) {
        throw CLI::RuntimeError(exitCode);
    }
}

int RunCommandLine(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        // --help and --version end the parse too, with success.
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    }
    return kExitOk;
}

}  // namespace fljudge
