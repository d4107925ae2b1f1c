#pragma once

#include <string>
#include <utility>

namespace fljudge {

// The outcome of a file operation: ok, or the reason it failed, in Japanese
// for the user (UTF-8).
struct FileStatus {
    bool ok = true;
    std::string reason;
    // When ok: something the user should still be told, or empty.
    std::string warning;

    static FileStatus Ok() { return {}; }
    static FileStatus Failed(std::string why) { return {false, std::move(why), {}}; }
    explicit operator bool() const { return ok; }
};

}  // namespace fljudge
