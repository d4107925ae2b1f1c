#pragma once

#include <filesystem>

#include "project/file_status.h"
#include "project/project_data.h"

namespace fljudge {

// Writes the project file (code page 932, CR LF). The old file is replaced
// only when the new one was written completely; on failure it is untouched.
FileStatus SaveProject(const std::filesystem::path& path, const ProjectData& project);

// Reads a project file into a fresh project started by NewProject(basicInfo)
// and replaces `project` with it only on success; on failure `project` is
// unchanged and the status says why.
FileStatus LoadProject(const std::filesystem::path& path, const BasicInfo& basicInfo,
                       ProjectData& project);

}  // namespace fljudge
