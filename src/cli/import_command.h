#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "cli/command_support.h"

namespace fljudge {

// fljudge-cli import: a boring exchange file into a project file, its
// warnings on `err`. The exit code.
int RunImportCommand(const std::filesystem::path& boringFile, const std::filesystem::path& out,
                     const InputOptions& options, std::ostream& err);

void AddImportCommand(CLI::App& app);

}  // namespace fljudge
