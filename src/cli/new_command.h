#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>

namespace fljudge {

// fljudge-cli new: the file of a new project (as "新規作成" then "データ保存").
int RunNewCommand(const std::filesystem::path& out,
                  const std::optional<std::filesystem::path>& base, std::ostream& err);

void AddNewCommand(CLI::App& app);

}  // namespace fljudge
