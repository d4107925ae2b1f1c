// Feeds arbitrary bytes to the boring exchange reader and the import rules.
// A refused file must say why and give no column; an accepted one must give
// a project within capacity whose depths the pre-calculation checks accept
// whenever it has layers and N values, and which saves and loads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "boring/boring_file.h"
#include "boring/boring_import.h"
#include "fuzz_require.h"
#include "project/project_file.h"

using fljudge::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fljudge;
    static const BasicInfo basicInfo = DefaultBasicInfo();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const BoringFile file = ParseBoringXml(bytes);
    if (!file.status) {
        Require(!file.status.reason.empty());
        Require(file.column.Layers.empty() && file.column.SptRecords.empty());
        return 0;
    }
    const BoringImport imported = ImportBoring(file.column, basicInfo);
    Require(imported.Layers.size() <= static_cast<std::size_t>(kMaxLayers));
    Require(imported.NValues.size() <= static_cast<std::size_t>(kMaxNValues));
    ProjectData project;
    NewProject(project, basicInfo);
    ApplyBoringImport(imported, imported.WaterChoice, project);

    // Layers strictly deeper one after the other, within 60 m; N values
    // strictly deeper, none below the last layer; the water within the column.
    double previous = 0;
    for (int i = 1; i <= project.LayerCount; ++i) {
        const SoilLayer& layer = project.SoilLayers[i];
        Require(std::isfinite(layer.Depth) && layer.Depth > previous && layer.Depth <= 60);
        Require(layer.Thickness > 0);
        Require(layer.SoilClass >= 1 && layer.SoilClass <= 3);
        previous = layer.Depth;
    }
    double previousN = -1;
    for (int j = 1; j <= project.NValueCount; ++j) {
        const NValuePoint& point = project.NValues[j];
        Require(point.Depth > previousN && point.N >= 0);
        Require(project.LayerCount == 0 || point.Depth <= previous);
        previousN = point.Depth;
    }
    Require(project.WaterDepth >= 0 && (project.LayerCount == 0 || project.WaterDepth <= previous));
    for (std::size_t k = 0; k < imported.WaterLevels.size(); ++k) {
        const double depth = ImportedWaterDepth(imported, k);
        Require(depth >= 0 && (project.LayerCount == 0 || depth <= previous));
    }

    const auto saved = ProjectFileBytes(project);
    Require(saved.has_value());
    ProjectData reloaded;
    Require(static_cast<bool>(ParseProjectFile(*saved, basicInfo, reloaded)));
    Require(ProjectFileBytes(reloaded) == saved);
    return 0;
}
