#include "cli/command_support.h"

#include "project/basic_info_file.h"

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
    const FileStatus status = ReadBasicInfoFile(*file, info);
    if (!status) {
        ReportFileError(err, *file, status.reason);
        return std::nullopt;
    }
    return info;
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
