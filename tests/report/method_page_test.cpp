#include <gtest/gtest.h>

#include "report/recording_surface.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

using Text = RecordingSurface::GridTextCall;

void ExpectText(const Text& actual, double column, double row, const std::string& text) {
    EXPECT_EQ(actual.column, column) << text;
    EXPECT_EQ(actual.row, row) << text;
    EXPECT_EQ(actual.text, text);
}

TEST(MethodPage, DrawsItsFixedTextsInOrderWithoutFrames) {
    RecordingSurface surface;
    DrawMethodPage(surface);
    const auto texts = surface.Texts();
    EXPECT_TRUE(surface.Boxes().empty());
    ASSERT_EQ(texts.size(), 82u);

    ExpectText(texts.front(), 1, 1, "液状化判定");
    ExpectText(texts[1], 2, 3, "「河川構造物の耐震性能照査指針（案）・同解説－Ⅰ．共通編」より");
    // The formula block is aligned by ideographic spaces, not by blanks.
    EXPECT_EQ(surface.TextsAt(5, 17), std::vector<std::string>{"FL\u3000=\u3000R÷L"});
    EXPECT_EQ(surface.TextsAt(8.5, 38),
              std::vector<std::string>{"(FL≦1/3)\u3000\u3000\u3000 (10＜x≦20)\u3000=\u30001/3"});

    // "ここに､" closes the formula block; the symbol list follows, symbol
    // before description on each row.
    const auto where =
        std::find_if(texts.begin(), texts.end(), [](const Text& t) { return t.text == "ここに､"; });
    ASSERT_NE(where, texts.end());
    ASSERT_EQ(texts.end() - where, 43);
    ExpectText(where[-1], 8.5, 42, "(2/3＜FL≦1)\u3000\u3000(10＜x≦20)\u3000=\u30001");
    ExpectText(where[0], 5, 43, "ここに､");
    ExpectText(where[1], 6, 44, "FL");
    ExpectText(where[2], 9, 44, "：液状化に対する抵抗率");
    ExpectText(texts[texts.size() - 2], 6, 64, "DE");
    ExpectText(texts.back(), 9, 64, "：土質定数の低減係数");
}

}  // namespace
}  // namespace fljudge
