#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

namespace fljudge {

// fljudge-cli resave: load and save again, as "データ読込" then "データ保存".
int RunResaveCommand(const std::filesystem::path& in, const std::filesystem::path& out,
                     std::ostream& err);

void AddResaveCommand(CLI::App& app);

}  // namespace fljudge
