#include "shell/title_form.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace fljudge {

class TitleFormTest : public QObject {
    Q_OBJECT

  private slots:
    void ShowsTitleVersionAndMaker();
    void CloseButtonOnlyOnceStartupIsDone_data();
    void CloseButtonOnlyOnceStartupIsDone();
    void Closes_data();
    void Closes();
};

void TitleFormTest::ShowsTitleVersionAndMaker() {
    TitleForm form(1);
    form.show();
    QVERIFY(form.windowTitle().isEmpty());
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.findChild<QLabel*>("lblProductName")->text(), QString("液状化判定"));
    QCOMPARE(form.findChild<QLabel*>("lblVersion")->text(), QString("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
    QVERIFY(!form.findChild<QLabel*>("lblCompanyProduct")->text().isEmpty());
    QVERIFY(form.findChild<QWidget*>("imgLogo")->isVisible());
}

void TitleFormTest::CloseButtonOnlyOnceStartupIsDone_data() {
    QTest::addColumn<int>("startupDone");
    QTest::addColumn<bool>("buttonShown");
    QTest::newRow("start-up") << 0 << false;
    QTest::newRow("version box") << 1 << true;
}

void TitleFormTest::CloseButtonOnlyOnceStartupIsDone() {
    QFETCH(int, startupDone);
    QFETCH(bool, buttonShown);
    TitleForm form(static_cast<std::int16_t>(startupDone));
    form.show();
    auto* button = form.findChild<QPushButton*>("Command1");
    QCOMPARE(button->text(), QString("閉じる"));
    QCOMPARE(button->isVisible(), buttonShown);
}

void TitleFormTest::Closes_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("click on 閉じる") << "button";
    QTest::newRow("click on the frame") << "frame";
    QTest::newRow("click on the title text") << "label";
    QTest::newRow("click on the logo") << "logo";
    QTest::newRow("character key") << "a";
    QTest::newRow("Tab") << "tab";
    QTest::newRow("Space") << "space";
}

void TitleFormTest::Closes() {
    QFETCH(QString, action);
    TitleForm form(1);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto click = [](QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
    };
    if (action == "button") {
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    } else if (action == "frame") {
        click(form.findChild<QWidget*>("Frame1"));
    } else if (action == "label") {
        click(form.findChild<QWidget*>("lblProductName"));
    } else if (action == "logo") {
        click(form.findChild<QWidget*>("imgLogo"));
    } else if (action == "tab") {
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
    } else if (action == "space") {
        QTest::keyClick(form.windowHandle(), Qt::Key_Space);
    } else {
        QTest::keyClick(form.windowHandle(), Qt::Key_A);
    }
    QVERIFY(!form.isVisible());
}

}  // namespace fljudge

QTEST_MAIN(fljudge::TitleFormTest)
#include "title_form_test.moc"
