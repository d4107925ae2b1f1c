#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "project/project_data.h"

namespace fljudge {

// The exit codes of fljudge-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,  // the command line could not be understood
    kExitFile = 2,   // a file could not be read or written
    kExitCheck = 3,  // the project failed the checks before the calculation
};

// A message of the program (lines joined by CR LF) as lines for a terminal.
std::string TerminalText(std::string_view message);

// "PATH: REASON" and a line end, on `err`.
void ReportFileError(std::ostream& err, const std::filesystem::path& path, std::string_view reason);

// The basic information from the settings file given with --base, or the
// built-in defaults without one. Nothing (and the reason on `err`) when the
// file does not give all 33 values.
std::optional<BasicInfo> BasicInfoFromOption(const std::optional<std::filesystem::path>& file,
                                             std::ostream& err);

// Adds the --base option to a subcommand.
void AddBaseOption(CLI::App& command, std::optional<std::filesystem::path>& file);

// Ends a subcommand's callback with its exit code (CLI11 carries a non-zero
// code out of the parse as a RuntimeError).
void FinishCommand(int exitCode);

// Parses the command line and runs the chosen subcommand; the exit code.
int RunCommandLine(CLI::App& app, int argc, char** argv);

}  // namespace fljudge
