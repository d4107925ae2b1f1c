#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fljudge {

// UTF-8 text in the Japanese ANSI code page (code page 932), through glibc
// iconv. Nothing when a character has no CP932 form or iconv is missing.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace fljudge
