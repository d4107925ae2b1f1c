#pragma once

#include <filesystem>
#include <string_view>

#include "boring/boring_column.h"
#include "project/file_status.h"

namespace fljudge {

struct BoringFile {
    FileStatus status;    // not ok: the file is no boring data we can read, and why
    BoringColumn column;  // empty unless status is ok
};

// True when the bytes are an XML document (after an optional byte-order mark
// and blanks they begin with "<"), which a project file never is.
bool LooksLikeXml(std::string_view bytes);

// Reads a boring exchange file (ボーリング交換用データ, versions 1.10 to
// 4.00): code page 932 unless the declaration says UTF-8, the DTD never
// loaded. The version comes from DTD_version; an unknown or missing one, or
// one whose layer elements the file does not use, is taken from the layer
// element names the file does use, with a warning.
BoringFile ParseBoringXml(std::string_view bytes);

// ParseBoringXml on the file's bytes, read by the project's file reader.
BoringFile ReadBoringFile(const std::filesystem::path& path);

}  // namespace fljudge
