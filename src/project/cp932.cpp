#include "project/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace fljudge {
namespace {

// "CP932", not "SHIFT_JIS": plain Shift_JIS lacks Ⅰ, ①, ～ and maps 0x5C to ¥.
constexpr const char* kCp932 = "CP932";

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    Converter converter(kCp932, "UTF-8");
    if (!converter.valid()) {
        return std::nullopt;
    }
    // A CP932 character never takes more bytes than its UTF-8 form.
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());  // iconv's signature; it does not write
    std::size_t inLeft = utf8.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<DecodedText> Cp932ToUtf8(std::string_view cp932) {
    Converter converter("UTF-8", kCp932);
    if (!converter.valid()) {
        return std::nullopt;
    }
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    DecodedText text;
    // No CP932 byte takes more than three UTF-8 bytes (a half-width katakana,
    // or U+FFFD in place of a stray byte).
    text.utf8.resize(cp932.size() * 3 + 3);
    char* in = const_cast<char*>(cp932.data());  // iconv's signature; it does not write
    std::size_t inLeft = cp932.size();
    char* outPtr = text.utf8.data();
    std::size_t outLeft = text.utf8.size();
    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) !=
            static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            return std::nullopt;
        }
        // Skip one byte; the room reserved for it takes the replacement.
        std::copy(kReplacement.begin(), kReplacement.end(), outPtr);
        outPtr += kReplacement.size();
        outLeft -= kReplacement.size();
        ++in;
        --inLeft;
        text.replaced = true;
    }
    text.utf8.resize(text.utf8.size() - outLeft);
    return text;
}

}  // namespace fljudge
