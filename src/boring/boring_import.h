#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "boring/boring_column.h"
#include "project/project_data.h"

namespace fljudge {

inline constexpr double kMaxImportDepth = 60;  // the calculation's deepest column (m)

struct ImportedLayer {
    SoilLayer Layer;
    std::string Name;  // the soil name of the file (of the upper layer where layers merged)
};

struct ImportedNValue {
    NValuePoint Point;
    double Blows = 0;
    double Penetration = 0;  // cm
    std::string Remark;
};

// A boring column turned into the judgement's inputs, ready to replace the
// soil layers, N values and water depth of a project.
struct BoringImport {
    std::string BoringName;
    std::string Version;
    std::vector<ImportedLayer> Layers;       // at most kMaxLayers, top down
    std::vector<ImportedNValue> NValues;     // at most kMaxNValues, by depth
    std::vector<WaterLevel> WaterLevels;     // every measurement of the file
    std::optional<std::size_t> WaterChoice;  // the first usable measurement
    std::vector<std::string> Warnings;       // reading and rules, water choice aside
};

// Applies the import rules to what a boring file holds: each departure from
// the file is a warning. Unit weights come from `basicInfo`.
BoringImport ImportBoring(const BoringColumn& column, const BasicInfo& basicInfo);

// A measurement the water depth may come from: a value, not negative.
bool IsUsableWaterLevel(const WaterLevel& level);

// The water depth of measurement `choice` (none: 0), kept within the column.
double ImportedWaterDepth(const BoringImport& imported, std::optional<std::size_t> choice);

// What choosing measurement `choice` departs from the file; empty when nothing.
std::string WaterChoiceWarning(const BoringImport& imported, std::optional<std::size_t> choice);

// The warnings with those of the water choice, one line each.
std::vector<std::string> ImportWarnings(const BoringImport& imported,
                                        std::optional<std::size_t> choice);

// Replaces the soil layers, the N values and the water depth of `project`;
// its design conditions stay.
void ApplyBoringImport(const BoringImport& imported, std::optional<std::size_t> waterChoice,
                       ProjectData& project);

}  // namespace fljudge
