#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace fljudge::testing {

// What one run of a program printed and how it ended.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `text` as one word for the shell.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs `program` with `arguments` as a user's shell would, its output caught
// in files of `folder`.
inline CliRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& folder) {
    std::string command = ShellQuoted(program);
    for (const std::string& argument : arguments) {
        command.append(" ").append(ShellQuoted(argument));
    }
    const auto out = folder / "stdout";
    const auto err = folder / "stderr";
    command.append(" >")
        .append(ShellQuoted(out.string()))
        .append(" 2>")
        .append(ShellQuoted(err.string()));
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    return run;
}

}  // namespace fljudge::testing
