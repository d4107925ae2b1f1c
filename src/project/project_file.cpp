#include "project/project_file.h"

namespace fljudge {

// Not written yet.
FileStatus SaveProject(const std::filesystem::path&, const ProjectData&) {
    return FileStatus::Failed("未実装");
}

FileStatus LoadProject(const std::filesystem::path&, const BasicInfo&, ProjectData&) {
    return FileStatus::Failed("未実装");
}

}  // namespace fljudge
