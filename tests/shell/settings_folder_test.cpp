#include "shell/settings_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace fljudge {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

struct FolderCase {
    const char* name;
    bool baseIniBesideProgram;
    std::string configHome;
    std::string home;
    std::string expected;  // "PROGRAM" for the executable's folder
};

class SettingsFolderTest : public ::testing::TestWithParam<FolderCase> {
  protected:
    TempFolder program_;
};

TEST_P(SettingsFolderTest, ChoosesTheFolderOfBaseIni) {
    const FolderCase& c = GetParam();
    if (c.baseIniBesideProgram) {
        WriteBytes(program_ / "Base.ini", "18,18,8\r\n");
    }
    const std::filesystem::path chosen =
        ChooseSettingsFolder(program_.path(), {c.configHome, c.home});
    const std::filesystem::path expected =
        c.expected == "PROGRAM" ? program_.path() : std::filesystem::path(c.expected);
    EXPECT_EQ(chosen, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsFolderTest,
    ::testing::Values(FolderCase{"PortableCopyKeepsItsOwnFile", true, "/cfg", "/home/u", "PROGRAM"},
                      FolderCase{"ConfigHomeOfTheUser", false, "/cfg", "/home/u", "/cfg/fljudge"},
                      FolderCase{"DotConfigWithoutConfigHome", false, "", "/home/u",
                                 "/home/u/.config/fljudge"},
                      FolderCase{"RelativeConfigHomeIsIgnored", false, "cfg", "/home/u",
                                 "/home/u/.config/fljudge"},
                      FolderCase{"NoUserFolderAtAll", false, "", "", "PROGRAM"}),
    [](const ::testing::TestParamInfo<FolderCase>& param) { return param.param.name; });

// An installed program's folder cannot be written by its user: without a
// Base.ini there the user's folder is chosen and the program's is never
// written; a Base.ini placed there on purpose is still the one used.
TEST(SettingsFolderReadOnlyTest, ReadOnlyProgramFolder) {
    TempFolder top;
    const std::filesystem::path program = top / "bin";
    std::filesystem::create_directory(program);
    const UserEnvironment environment{(top / "config").string(), (top / "home").string()};
    const auto readOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec;

    std::filesystem::permissions(program, readOnly);
    EXPECT_EQ(ChooseSettingsFolder(program, environment), top / "config" / "fljudge");
    MakeSettingsFolder(ChooseSettingsFolder(program, environment));
    EXPECT_TRUE(std::filesystem::is_directory(top / "config" / "fljudge"));
    EXPECT_TRUE(std::filesystem::is_empty(program));

    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    WriteBytes(program / "Base.ini", "18,18,8\r\n");
    std::filesystem::permissions(program, readOnly);
    EXPECT_EQ(ChooseSettingsFolder(program, environment), program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace fljudge
