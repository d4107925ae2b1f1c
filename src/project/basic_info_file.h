#pragma once

#include <filesystem>

#include "project/file_status.h"
#include "project/project_data.h"

namespace fljudge {

enum class BasicInfoFileMode {
    Read = 1,   // Base.ini into BasicInfo, or the built-in defaults when there is none
    Write = 2,  // BasicInfo into Base.ini
    Reset = 3,  // delete Base.ini, then the built-in defaults into BasicInfo
};

// The settings file Base.ini in `folder` (the folder of the running
// executable). `info` is always complete afterwards, also when the file could
// not be read, written or deleted; the status then says why.
FileStatus BasicInfoFile(BasicInfoFileMode mode, BasicInfo& info,
                         const std::filesystem::path& folder);

}  // namespace fljudge
