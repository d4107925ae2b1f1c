#include "cli/command_support.h"

#include "boring/boring_file.h"
#include "boring/boring_import.h"
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

int LoadInputProject(const std::filesystem::path& inputFile, const InputOptions& options,
                     const BasicInfo& basicInfo, InputKinds kinds, std::ostream& err,
                     ProjectData& project, std::string& boringName) {
    const FileBytes input = ReadWholeFile(inputFile);
    if (!input.status) {
        ReportFileError(err, inputFile, input.status.reason);
        return kExitFile;
    }
    if (!LooksLikeXml(input.bytes)) {
        if (kinds == InputKinds::BoringOnly) {
            ReportFileError(err, inputFile, "ボーリング交換用データ（XML）ではありません");
            return kExitFile;
        }
        ProjectData loaded;
        NewProject(loaded, basicInfo);
        const FileStatus status = ParseProjectFile(input.bytes, basicInfo, loaded);
        if (!status) {
            ReportFileError(err, inputFile, status.reason);
            return kExitFile;
        }
        if (!status.warning.empty()) {
            ReportFileError(err, inputFile, status.warning);
        }
        project = loaded;
        boringName.clear();
        return kExitOk;
    }
    const BoringFile boring = ParseBoringXml(input.bytes);
    if (!boring.status) {
        ReportFileError(err, inputFile, boring.status.reason);
        return kExitFile;
    }
    // Design conditions are not in a boring file.
    ProjectData imported;
    NewProject(imported, basicInfo);
    if (options.designFrom) {
        if (const FileStatus status = LoadProject(*options.designFrom, basicInfo, imported);
            !status) {
            ReportFileError(err, *options.designFrom, status.reason);
            return kExitFile;
        }
    }
    const BoringImport rules = ImportBoring(boring.column, basicInfo);
    for (const std::string& warning : ImportWarnings(rules, rules.WaterChoice)) {
        err << inputFile.string() << ": " << warning << '\n';
    }
    ApplyBoringImport(rules, rules.WaterChoice, imported);
    project = imported;
    boringName = rules.BoringName;
    return kExitOk;
}

int LoadAndCalculate(const std::filesystem::path& inputFile, const InputOptions& options,
                     std::ostream& err, CalculatedProject& calculated) {
    const auto basicInfo = BasicInfoFromOption(options.base, err);
    if (!basicInfo) {
        return kExitFile;
    }
    calculated.basicInfo = *basicInfo;
    calculated.project = std::make_unique<ProjectData>();
    NewProject(*calculated.project, calculated.basicInfo);
    if (const int code =
            LoadInputProject(inputFile, options, calculated.basicInfo, InputKinds::ProjectOrBoring,
                             err, *calculated.project, calculated.boringName);
        code != kExitOk) {
        return code;
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

std::string BoringName(const std::filesystem::path& inputFile,
                       const CalculatedProject& calculated) {
    return calculated.boringName.empty() ? inputFile.stem().string() : calculated.boringName;
}

void AddBaseOption(CLI::App& command, std::optional<std::filesystem::path>& file) {
    command
        .add_option("--base", file,
                    "Basic information (unit weights, regional factors, seismic coefficients)\n"
                    "from a file in the Base.ini format; default: the built-in values")
        ->type_name("BASE_INI");
}

void AddDesignFromOption(CLI::App& command, std::optional<std::filesystem::path>& file) {
    command
        .add_option("--design-from", file,
                    "For a boring exchange file (XML): the design conditions (region, ground\n"
                    "type, seismic coefficients) of this project file; default: those of a new\n"
                    "project. A project file as input keeps its own")
        ->type_name("PROJECT.KORV");
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
