#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "project/file_status.h"
#include "project/project_data.h"

namespace fljudge {

inline constexpr const char* kBasicInfoFileName = "Base.ini";

// The settings file Base.ini in `folder` (the folder of the running
// executable), read, written and reset. A missing Base.ini is no failure: it
// gives the built-in defaults.

// Base.ini into `info`, or the built-in defaults when there is none. `info` is
// always complete afterwards, also when the file could not be read; the
// status then says why.
FileStatus LoadBasicInfo(BasicInfo& info, const std::filesystem::path& folder);
// `info` into Base.ini.
FileStatus SaveBasicInfo(const BasicInfo& info, const std::filesystem::path& folder);
// Deletes Base.ini; `info` takes the built-in defaults, also when the file
// could not be deleted.
FileStatus ResetBasicInfo(BasicInfo& info, const std::filesystem::path& folder);

// Reads a settings file of the Base.ini format from any path. `info` is
// always complete afterwards: every value the file does not give properly
// keeps its built-in default, and the status says why.
FileStatus ReadBasicInfoFile(const std::filesystem::path& file, BasicInfo& info);

// The same from the file's bytes: 33 items (the unit weights, the regional
// factors, the seismic coefficients, row by row), each read by its leading
// number, 0 when there is none. Bytes that are no CP932 text at all
// (CheckCp932Text) give the defaults and the reason.
FileStatus ParseBasicInfo(std::string_view bytes, BasicInfo& info);

// The eleven CR LF lines of Base.ini, three numbers each.
std::string BasicInfoFileText(const BasicInfo& info);

}  // namespace fljudge
