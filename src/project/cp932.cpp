#include "project/cp932.h"

#include <iconv.h>

namespace fljudge {
namespace {

// "CP932", not "SHIFT_JIS": plain Shift_JIS lacks Ⅰ, ①, ～ and maps 0x5C to ¥.
constexpr const char* kCp932 = "CP932";

class Converter {
  public:
    Converter() : cd_(iconv_open(kCp932, "UTF-8")) {}
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
    Converter converter;
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

}  // namespace fljudge
