#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/calc_point.h"
#include "project/project_data.h"

namespace fljudge {

// The exit codes of fljudge-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,        // the command line could not be understood
    kExitFile = 2,         // a file could not be read or written
    kExitCheck = 3,        // the project failed the checks before the calculation
    kExitInputFailed = 4,  // batch: at least one input failed; the others were calculated
};

// A message of the program (lines joined by CR LF) as lines for a terminal.
std::string TerminalText(std::string_view message);

// "PATH: REASON" and a line end, on `err`.
void ReportFileError(std::ostream& err, const std::filesystem::path& path, std::string_view reason);

// The basic information from the settings file given with --base, or the
// built-in defaults without one. The file is read as the program reads its
// Base.ini (values it does not give keep their defaults; the reason is told
// on `err`). Nothing, and the reason on `err`, when the file cannot be read.
std::optional<BasicInfo> BasicInfoFromOption(const std::optional<std::filesystem::path>& file,
                                             std::ostream& err);

// A project loaded, checked and calculated, as the "計算結果" button does it.
struct CalculatedProject {
    BasicInfo basicInfo;
    std::unique_ptr<ProjectData> project;
    std::unique_ptr<CalcResults> results;
    std::string boringName;  // the boring file's ボーリング名; empty for a project file
};

// The options every command reading an input file takes.
struct InputOptions {
    std::optional<std::filesystem::path> base;        // --base
    std::optional<std::filesystem::path> designFrom;  // --design-from
};

enum class InputKinds {
    ProjectOrBoring,  // a project file or a boring exchange file, told apart by content
    BoringOnly,
};

// Reads the input file into `project`: a project file as it is, or a boring
// exchange file imported onto the design conditions of --design-from (or of
// a new project), its warnings on `err`, one per line. kExitOk, or kExitFile
// with the reason on `err` and `project` unchanged.
int LoadInputProject(const std::filesystem::path& inputFile, const InputOptions& options,
                     const BasicInfo& basicInfo, InputKinds kinds, std::ostream& err,
                     ProjectData& project, std::string& boringName);

// Loads `inputFile` (LoadInputProject) with the basic information of --base
// (or the built-in one), runs the checks (a notice is told on `err`) and the
// calculation. kExitOk, or the exit code with the reason on `err`. Shares no
// state between calls, so threads may call it at once.
int LoadAndCalculate(const std::filesystem::path& inputFile, const InputOptions& options,
                     std::ostream& err, CalculatedProject& calculated);

// The name of the boring an input holds: the name the input gives it, else
// the file's name without its extension.
std::string BoringName(const std::filesystem::path& inputFile, const CalculatedProject& calculated);

// Adds the --base option to a subcommand.
void AddBaseOption(CLI::App& command, std::optional<std::filesystem::path>& file);

// Adds the --design-from option to a subcommand.
void AddDesignFromOption(CLI::App& command, std::optional<std::filesystem::path>& file);

// Ends a subcommand's callback with its exit code (CLI11 carries a non-zero
// code out of the parse as a RuntimeError).
void FinishCommand(int exitCode);

// Parses the command line and runs the chosen subcommand; the exit code.
int RunCommandLine(CLI::App& app, int argc, char** argv);

}  // namespace fljudge
