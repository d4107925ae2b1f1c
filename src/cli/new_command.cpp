#include "cli/new_command.h"

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "project/project_file.h"

namespace fljudge {

int RunNewCommand(const std::filesystem::path& out,
                  const std::optional<std::filesystem::path>& base, std::ostream& err) {
    const auto basicInfo = BasicInfoFromOption(base, err);
    if (!basicInfo) {
        return kExitFile;
    }
    ProjectData project;
    NewProject(project, *basicInfo);
    if (const FileStatus status = SaveProject(out, project); !status) {
        ReportFileError(err, out, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

void AddNewCommand(CLI::App& app) {
    struct Options {
        std::filesystem::path out;
        std::optional<std::filesystem::path> base;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("new", "Write the project file of a new, empty project");
    command->add_option("OUT", options->out, "Project file to write (.KORV)")
        ->required()
        ->type_name("FILE");
    AddBaseOption(*command, options->base);
    command->footer(
        "Writes what \"新規作成\" then \"データ保存\" give in the desktop program: region A1,\n"
        "ground type I with their coefficients from the basic information, no layers, no N\n"
        "values. An existing OUT is replaced.");
    command->callback(
        [options] { FinishCommand(RunNewCommand(options->out, options->base, std::cerr)); });
}

}  // namespace fljudge
