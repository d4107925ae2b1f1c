// Feeds arbitrary bytes to the project-file reader. A successful load must
// keep both counts within capacity, and what it loaded must save and load
// again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_require.h"
#include "project/project_file.h"

using fljudge::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fljudge;
    static const BasicInfo basicInfo = DefaultBasicInfo();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ProjectData project;
    NewProject(project, basicInfo);
    const ProjectData before = project;
    const FileStatus status = ParseProjectFile(bytes, basicInfo, project);
    if (!status) {
        Require(!status.reason.empty());
        Require(project == before);
        return 0;
    }
    Require(project.LayerCount >= 0 && project.LayerCount <= kMaxLayers);
    Require(project.NValueCount >= 0 && project.NValueCount <= kMaxNValues);

    const auto saved = ProjectFileBytes(project);
    Require(saved.has_value());
    ProjectData reloaded;
    Require(static_cast<bool>(ParseProjectFile(*saved, basicInfo, reloaded)));
    Require(ProjectFileBytes(reloaded) == saved);
    return 0;
}
