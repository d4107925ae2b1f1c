#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "project/file_status.h"
#include "project/project_data.h"

namespace fljudge {

// Told after loading a file whose last line has no line end: the program
// always ends its files with CR LF, so the file may have been cut short.
inline constexpr const char* kNoFinalLineEndWarning =
    "ファイルの最後が改行で終わっていません。途中で切れている可能性があります。";

// Writes the project file (code page 932, CR LF). The old file is replaced
// only when the new one was written completely; on failure it is untouched.
FileStatus SaveProject(const std::filesystem::path& path, const ProjectData& project);

// Reads a project file into a fresh project started by NewProject(basicInfo)
// and replaces `project` with it only on success; on failure `project` is
// unchanged and the status says why.
FileStatus LoadProject(const std::filesystem::path& path, const BasicInfo& basicInfo,
                       ProjectData& project);

// The bytes of the project file: section lines and values, CP932, CR LF.
// Nothing when the text cannot be put into CP932.
std::optional<std::string> ProjectFileBytes(const ProjectData& project);

// LoadProject on the file's bytes. The items are read one after the other
// whatever their distribution over lines, so a file with a missing or extra
// item loads shifted, as it always has; it fails only when the items run out,
// a whole-number field lies outside -32768..32767 after rounding, a real lies
// beyond the range of a double, a count is negative or above capacity, or the
// bytes are no CP932 text at all (CheckCp932Text). A file whose last line has
// no line end loads, with kNoFinalLineEndWarning as the status's warning.
FileStatus ParseProjectFile(std::string_view bytes, const BasicInfo& basicInfo,
                            ProjectData& project);

}  // namespace fljudge
