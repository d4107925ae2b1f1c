#include "report/qt/mincho_font.h"

#include <QStringList>

namespace fljudge {
namespace {

const QString kMinchoFamily = QStringLiteral("ＭＳ 明朝");
const QString kSubstituteFamily = QStringLiteral("IPAMincho");

}  // namespace

void RegisterMinchoSubstitute() {
    QFont::insertSubstitutions(kMinchoFamily, {kSubstituteFamily});
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"), {kSubstituteFamily});
}

QFont MinchoFont(double pointSize) {
    QFont font(kMinchoFamily);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::Serif);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace fljudge
