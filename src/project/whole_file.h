#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "project/file_status.h"

namespace fljudge {

// Files are small (a project file is a few kilobytes); anything larger than
// this is not one of ours and is refused rather than read into memory.
inline constexpr std::size_t kMaxFileBytes = 64u << 20;

struct FileBytes {
    FileStatus status;
    std::string bytes;  // empty unless status is ok
};

// The whole content of a regular file. Anything else (a folder, a pipe, a
// device) is refused with a reason that names it, without waiting on it.
FileBytes ReadWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and only
// then renames it over `path`, so that `path` holds either its old content or
// the whole new content, never a part. On failure nothing is left behind.
FileStatus ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Deletes the file; one that is not there is no failure. A folder of that
// name is left alone. On failure the reason names why.
FileStatus RemoveFile(const std::filesystem::path& path);

}  // namespace fljudge
