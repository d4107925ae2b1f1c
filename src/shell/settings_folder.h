#pragma once

#include <filesystem>
#include <string>

namespace fljudge {

// The two environment variables that name the user's configuration folder;
// empty when unset.
struct UserEnvironment {
    std::string ConfigHome;  // XDG_CONFIG_HOME
    std::string Home;        // HOME
};

UserEnvironment CurrentUserEnvironment();

// The folder that holds Base.ini. A Base.ini beside the executable keeps the
// program portable, as it always was; otherwise the user's own folder
// $XDG_CONFIG_HOME/fljudge (~/.config/fljudge), since an installed program's
// folder is not the user's to write. The folder need not exist yet: it is
// made when Base.ini is first written. With neither variable usable the
// executable's folder stays the place.
std::filesystem::path ChooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const UserEnvironment& environment);

// Makes the folder chosen above, so that Base.ini can be written into it; a
// failure shows when the file itself cannot be written.
void MakeSettingsFolder(const std::filesystem::path& folder);

}  // namespace fljudge
