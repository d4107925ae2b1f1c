#include "project/item_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fljudge {
namespace {

std::vector<std::string> AllItems(std::string_view bytes) {
    ItemReader reader(bytes);
    std::vector<std::string> items;
    while (const auto item = reader.Next()) {
        items.emplace_back(*item);
    }
    return items;
}

struct ItemCase {
    const char* bytes;
    std::vector<std::string> items;
};

TEST(ItemReader, SplitsAtCommasAndEveryKindOfLineEnd) {
    const ItemCase cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"1,2\r\n3\r\n", {"1", "2", "3"}},
        {"1,2\n3\r4", {"1", "2", "3", "4"}},  // LF and CR alone, no final line end
        {"1\n\r2", {"1", "", "2"}},           // LF then CR: two line ends
        {"1\r\n\r\n2", {"1", "", "2"}},       // an empty line is an empty item
        {"1,,2", {"1", "", "2"}},
        {"1,", {"1", ""}},                     // a comma at the end opens an item
        {"1\r\n  \t", {"1"}},                  // blanks after the last line end
        {"  \t1 ,\t 2\t\r\n", {"1 ", "2\t"}},  // blanks before an item only
        {"\"a,b\"", {"\"a", "b\""}},           // quotes mean nothing
        {"3:\x82\x6d\x92\x6c\x8f\xee\x95\xf1\r\n0", {"3:\x82\x6d\x92\x6c\x8f\xee\x95\xf1", "0"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AllItems(c.bytes), c.items) << ::testing::PrintToString(std::string(c.bytes));
    }
}

TEST(ItemReader, TellsTheLineOfEachItem) {
    ItemReader reader("a,b\r\nc\n\nd\re");
    std::vector<int> lines;
    while (reader.Next()) {
        lines.push_back(reader.Line());
    }
    EXPECT_EQ(lines, (std::vector<int>{1, 1, 2, 3, 4, 5}));
    EXPECT_EQ(reader.Line(), 5);  // at the end: the line after "e" was never opened
}

}  // namespace
}  // namespace fljudge
