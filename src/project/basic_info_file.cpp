#include "project/basic_info_file.h"

namespace fljudge {

// Not written yet: always the built-in defaults.
FileStatus BasicInfoFile(BasicInfoFileMode, BasicInfo& info, const std::filesystem::path&) {
    info = DefaultBasicInfo();
    return FileStatus::Ok();
}

}  // namespace fljudge
