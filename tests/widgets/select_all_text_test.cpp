// An edit field that selects its whole text on receiving the focus, whichever
// way the focus comes, so that typing replaces the value.
#include "widgets/select_all_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "text_click.h"

namespace fljudge {

class SelectAllTextTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void clickThenTypeReplacesTheText_data();
    void clickThenTypeReplacesTheText();
    void laterClicksPlaceTheCaret();
    void keyboardAndProgramFocusSelectToo();

  private:
    QWidget* window_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
};

void SelectAllTextTest::init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    for (QLineEdit** field : {&first_, &second_}) {
        *field = new QLineEdit(QStringLiteral("10.000"), window_);
        (*field)->setAlignment(Qt::AlignRight);
        (*field)->setMinimumWidth(120);
        SelectAllTextOnFocus(*field);
        layout->addWidget(*field);
    }
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    first_->setFocus();
    QCOMPARE(QApplication::focusWidget(), first_);
}

void SelectAllTextTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void SelectAllTextTest::clickThenTypeReplacesTheText_data() {
    QTest::addColumn<QString>("gesture");
    QTest::newRow("press, release") << "press";
    QTest::newRow("click") << "click";
    QTest::newRow("press, drag, release") << "drag";
    QTest::newRow("double click") << "double";
}

void SelectAllTextTest::clickThenTypeReplacesTheText() {
    QFETCH(QString, gesture);
    const QPoint at = test::PointOnText(second_);
    if (gesture == QStringLiteral("press")) {
        QTest::mousePress(second_, Qt::LeftButton, {}, at);
        QCOMPARE(second_->selectedText(), QStringLiteral("10.000"));
        QTest::mouseRelease(second_, Qt::LeftButton, {}, at);
    } else if (gesture == QStringLiteral("click")) {
        QTest::mouseClick(second_, Qt::LeftButton, {}, at);
    } else if (gesture == QStringLiteral("drag")) {
        QTest::mousePress(second_, Qt::LeftButton, {}, at);
        QTest::mouseMove(second_, at + QPoint(20, 0));
        QTest::mouseRelease(second_, Qt::LeftButton, {}, at + QPoint(20, 0));
    } else {
        QTest::mouseDClick(second_, Qt::LeftButton, {}, at);
    }
    QCOMPARE(QApplication::focusWidget(), second_);
    QCOMPARE(second_->selectedText(), QStringLiteral("10.000"));
    QTest::keyClicks(second_, QStringLiteral("5"));
    QCOMPARE(second_->text(), QStringLiteral("5"));
}

// Only the click that brings the focus is kept from the field.
void SelectAllTextTest::laterClicksPlaceTheCaret() {
    const QPoint at = test::PointOnText(second_);
    QTest::mouseClick(second_, Qt::LeftButton, {}, at);
    QCOMPARE(second_->selectedText(), QStringLiteral("10.000"));
    QTest::mouseClick(second_, Qt::LeftButton, {}, at, 600);
    QVERIFY(!second_->hasSelectedText());
    QVERIFY(second_->cursorPosition() > 0);
    QVERIFY(second_->cursorPosition() < 6);

    // Back by a click after a key: the focus click again selects all.
    QTest::mouseClick(first_, Qt::LeftButton, {}, test::PointOnText(first_), 600);
    QTest::keyClick(first_, Qt::Key_Right);
    QTest::mouseClick(second_, Qt::LeftButton, {}, at, 600);
    QCOMPARE(second_->selectedText(), QStringLiteral("10.000"));
}

void SelectAllTextTest::keyboardAndProgramFocusSelectToo() {
    first_->setCursorPosition(2);
    QTest::keyClick(first_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second_);
    QCOMPARE(second_->selectedText(), QStringLiteral("10.000"));
    second_->setCursorPosition(0);

    first_->setFocus(Qt::OtherFocusReason);
    QCOMPARE(first_->selectedText(), QStringLiteral("10.000"));
    QTest::keyClicks(first_, QStringLiteral("8"));
    QCOMPARE(first_->text(), QStringLiteral("8"));
}

}  // namespace fljudge

QTEST_MAIN(fljudge::SelectAllTextTest)
#include "select_all_text_test.moc"
