#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace fljudge {

// Splits the bytes of a project file or Base.ini into items, the way both
// files are read: an item ends at a comma or a line end (CR, LF or CR LF);
// blanks and tabs before an item are skipped; line boundaries mean nothing
// else, so the items are taken in order however they are spread over lines.
// A line end at the very end of the data opens no further item; a comma
// there opens an empty one. Works on CP932 bytes as they stand: no second
// byte of a CP932 character is a comma, CR, LF, blank or tab.
class ItemReader {
  public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    // The next item, or nothing at the end of the data.
    std::optional<std::string_view> Next();

    // The line (from 1) on which the item last returned stands; after the end
    // of the data, the line the next item would have started on.
    int Line() const { return itemLine_; }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int itemLine_ = 1;
    bool afterComma_ = false;
};

}  // namespace fljudge
