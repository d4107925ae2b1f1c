#pragma once

#include <cstdint>
#include <filesystem>

#include "calc/calc_point.h"
#include "project/project_data.h"

namespace fljudge {

// The records that live from start-up to exit. One instance, owned by main()
// and handed to the windows by reference.
struct AppState {
    ProjectData Project;
    BasicInfo Basic = DefaultBasicInfo();
    CalcResults Results;                   // of the last calculation
    std::int16_t StartupDone = 0;          // 1 once the main window is about to be shown
    std::filesystem::path ProgramFolder;   // holds the executable
    std::filesystem::path SettingsFolder;  // holds Base.ini (ChooseSettingsFolder)
};

}  // namespace fljudge
