#pragma once

#include <string_view>

#include "project/file_status.h"

namespace fljudge {

// Whether bytes can be a text file in code page 932 at all: such a file has
// no NUL byte and does not start with a UTF-16 or UTF-32 byte-order mark. A
// UTF-16 or UTF-32 file, or a binary one, would otherwise read item by item
// as a file of zeros. Ok, or the reason it is not such a text.
FileStatus CheckCp932Text(std::string_view bytes);

}  // namespace fljudge
