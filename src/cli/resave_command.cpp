#include "cli/resave_command.h"

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "project/project_file.h"

namespace fljudge {

int RunResaveCommand(const std::filesystem::path& in, const std::filesystem::path& out,
                     std::ostream& err) {
    const BasicInfo basicInfo = DefaultBasicInfo();
    ProjectData project;
    NewProject(project, basicInfo);
    if (const FileStatus status = LoadProject(in, basicInfo, project); !status) {
        ReportFileError(err, in, status.reason);
        return kExitFile;
    } else if (!status.warning.empty()) {
        ReportFileError(err, in, status.warning);
    }
    if (const FileStatus status = SaveProject(out, project); !status) {
        ReportFileError(err, out, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

void AddResaveCommand(CLI::App& app) {
    struct Options {
        std::filesystem::path in;
        std::filesystem::path out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "resave", "Load a project file and save it again in the standard layout");
    command->add_option("IN", options->in, "Project file to read (.KORV)")
        ->required()
        ->type_name("FILE");
    command->add_option("OUT", options->out, "Project file to write (.KORV); may be IN")
        ->required()
        ->type_name("FILE");
    command->footer(
        "Loads IN as \"データ読込\" does and saves it as \"データ保存\" does: code page 932,\n"
        "CR LF, one record per line. A file in the standard layout comes out unchanged.");
    command->callback(
        [options] { FinishCommand(RunResaveCommand(options->in, options->out, std::cerr)); });
}

}  // namespace fljudge
