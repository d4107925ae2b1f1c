#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fljudge {

// UTF-8 text in the Japanese ANSI code page (code page 932), through glibc
// iconv. Nothing when a character has no CP932 form or iconv is missing.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

struct DecodedText {
    std::string utf8;
    bool replaced = false;  // some bytes were no CP932 character and became U+FFFD
};

// Code page 932 text in UTF-8. A byte that starts no CP932 character (or a
// character cut off at the end) becomes U+FFFD, so that one stray byte in a
// delivered file does not lose the rest. Nothing when iconv is missing.
std::optional<DecodedText> Cp932ToUtf8(std::string_view cp932);

}  // namespace fljudge
