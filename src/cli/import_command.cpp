#include "cli/import_command.h"

#include <iostream>
#include <memory>

#include "project/project_file.h"

namespace fljudge {

int RunImportCommand(const std::filesystem::path& boringFile, const std::filesystem::path& out,
                     const InputOptions& options, std::ostream& err) {
    const auto basicInfo = BasicInfoFromOption(options.base, err);
    if (!basicInfo) {
        return kExitFile;
    }
    ProjectData project;
    std::string boringName;
    if (const int code = LoadInputProject(boringFile, options, *basicInfo, InputKinds::BoringOnly,
                                          err, project, boringName);
        code != kExitOk) {
        return code;
    }
    if (const FileStatus status = SaveProject(out, project); !status) {
        ReportFileError(err, out, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

void AddImportCommand(CLI::App& app) {
    struct Arguments {
        std::filesystem::path boring;
        std::filesystem::path out;
        InputOptions options;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "import",
        "Import a boring exchange file (ボーリング交換用データ, XML) into a project file");
    command
        ->add_option("BORING", arguments->boring,
                     "Boring exchange file (BEDnnnn.XML, versions 1.10 to 4.00)")
        ->required()
        ->type_name("FILE");
    command->add_option("-o,--output", arguments->out, "Project file to write (.KORV)")
        ->required()
        ->type_name("OUT.KORV");
    AddBaseOption(*command, arguments->options.base);
    AddDesignFromOption(*command, arguments->options.designFrom);
    command->footer(
        "Takes the soil layers, N values and water depth from BORING (unit weights from the\n"
        "basic information, laboratory values 0) and the design conditions from\n"
        "--design-from or a new project, and writes OUT as \"データ保存\" does (an existing OUT "
        "is\n"
        "replaced only by a complete new file). Every departure from the file (a soil class\n"
        "not decided by the soil name, a converted N value, a skipped record, a layer merged\n"
        "or cut at 60 m, no water level) is a warning on standard error; the exit code is\n"
        "still 0. A file that cannot be read or is no boring data: the reason on standard\n"
        "error, exit 2, nothing written.");
    command->callback([arguments] {
        FinishCommand(
            RunImportCommand(arguments->boring, arguments->out, arguments->options, std::cerr));
    });
}

}  // namespace fljudge
