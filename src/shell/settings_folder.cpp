#include "shell/settings_folder.h"

#include <cstdlib>
#include <system_error>

#include "project/basic_info_file.h"

namespace fljudge {
namespace {

constexpr const char* kFolderName = "fljudge";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

UserEnvironment CurrentUserEnvironment() {
    return {Variable("XDG_CONFIG_HOME"), Variable("HOME")};
}

std::filesystem::path ChooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const UserEnvironment& environment) {
    std::error_code error;
    if (std::filesystem::exists(programFolder / kBasicInfoFileName, error)) {
        return programFolder;
    }
    // A relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say.
    const std::filesystem::path configHome(environment.ConfigHome);
    if (configHome.is_absolute()) {
        return configHome / kFolderName;
    }
    const std::filesystem::path home(environment.Home);
    if (home.is_absolute()) {
        return home / ".config" / kFolderName;
    }
    return programFolder;
}

void MakeSettingsFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

}  // namespace fljudge
