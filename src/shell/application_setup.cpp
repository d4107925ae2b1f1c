#include "shell/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "report/qt/mincho_font.h"

namespace fljudge {

namespace {

constexpr int kWindowFontPointSize = 10;

}  // namespace

bool SetUpApplication(QApplication& app) {
    RegisterMinchoSubstitute();
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPointSize(kWindowFontPointSize);
    font.setStyleHint(QFont::Serif);
    QApplication::setFont(font);

    // Dates, sizes and file types in Qt's own dialogs. The numbers the program
    // reads and writes never go through QLocale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

}  // namespace fljudge
