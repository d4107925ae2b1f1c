#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>

namespace fljudge {

enum class ResultFormat { Json, Csv };

struct CalcOptions {
    std::filesystem::path project;
    std::optional<std::filesystem::path> base;
    std::optional<std::filesystem::path> designFrom;
    ResultFormat format = ResultFormat::Json;
};

// fljudge-cli calc: load, check, calculate, print the results on `out`;
// messages on `err`. The exit code.
int RunCalcCommand(const CalcOptions& options, std::ostream& out, std::ostream& err);

void AddCalcCommand(CLI::App& app);

}  // namespace fljudge
