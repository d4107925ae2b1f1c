#include "project/item_reader.h"

namespace fljudge {

std::optional<std::string_view> ItemReader::Next() {
    std::size_t i = pos_;
    while (i < bytes_.size() && (bytes_[i] == ' ' || bytes_[i] == '\t')) {
        ++i;
    }
    itemLine_ = line_;
    if (i == bytes_.size()) {
        pos_ = i;
        if (!afterComma_) {
            return std::nullopt;
        }
        afterComma_ = false;
        return std::string_view{};
    }
    const std::size_t start = i;
    while (i < bytes_.size() && bytes_[i] != ',' && bytes_[i] != '\r' && bytes_[i] != '\n') {
        ++i;
    }
    const std::string_view item = bytes_.substr(start, i - start);
    afterComma_ = false;
    if (i < bytes_.size()) {
        if (bytes_[i] == ',') {
            afterComma_ = true;
        } else {
            if (bytes_[i] == '\r' && i + 1 < bytes_.size() && bytes_[i + 1] == '\n') {
                ++i;
            }
            ++line_;
        }
        ++i;
    }
    pos_ = i;
    return item;
}

}  // namespace fljudge
