#include "project/cp932_text_check.h"

namespace fljudge {
namespace {

using namespace std::string_view_literals;

// UTF-32 first: its little-endian mark begins with that of UTF-16.
constexpr struct {
    std::string_view mark;
    const char* encoding;
} kByteOrderMarks[] = {
    {"\xFF\xFE\x00\x00"sv, "UTF-32"},
    {"\x00\x00\xFE\xFF"sv, "UTF-32"},
    {"\xFF\xFE"sv, "UTF-16"},
    {"\xFE\xFF"sv, "UTF-16"},
};

}  // namespace

FileStatus CheckCp932Text(std::string_view bytes) {
    for (const auto& bom : kByteOrderMarks) {
        if (bytes.substr(0, bom.mark.size()) == bom.mark) {
            return FileStatus::Failed(
                std::string(bom.encoding) +
                "のファイルは読めません（シフトJISのテキストファイルではありません）");
        }
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return FileStatus::Failed("テキストファイルではありません（NUL文字を含んでいます）");
    }
    return FileStatus::Ok();
}

}  // namespace fljudge
