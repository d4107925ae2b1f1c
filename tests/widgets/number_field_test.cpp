// The number box driven by keys and focus: what the digits-only box lets
// through, Enter, and the value shown again on leaving.
#include "widgets/number_field.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace fljudge {

class NumberFieldTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void digitsOnlyTakesDigitsAndPoint_data();
    void digitsOnlyTakesDigitsAndPoint();
    void digitsOnlyEditsWithTheEditingKeys();
    void plainFieldTakesEveryKey();
    void enterIsTakenFromTheField_data();
    void enterIsTakenFromTheField();
    void leavingShowsTheValue();

  private:
    // Selects the field's text by giving it the focus, then removes it.
    void Clear(NumberField* field);

    QWidget* window_ = nullptr;
    NumberField* digits_ = nullptr;
    NumberField* plain_ = nullptr;
};

void NumberFieldTest::init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    digits_ = new NumberField(window_);
    digits_->SetDigitsOnly();
    plain_ = new NumberField(window_);
    layout->addWidget(digits_);
    layout->addWidget(plain_);
    digits_->SetValue(1.5);
    plain_->SetValue(2.5);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void NumberFieldTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void NumberFieldTest::Clear(NumberField* field) {
    field->setFocus(Qt::TabFocusReason);
    QCOMPARE(field->selectedText(), field->text());
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString());
}

void NumberFieldTest::digitsOnlyTakesDigitsAndPoint_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and point") << "12.75"
                                      << "12.75";
    QTest::newRow("letters and signs") << "-1a+2 e3,"
                                       << "123";
    QTest::newRow("two points stay as typed") << "1.2.3"
                                              << "1.2.3";
}

void NumberFieldTest::digitsOnlyTakesDigitsAndPoint() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Clear(digits_);
    QTest::keyClicks(digits_, typed);
    QCOMPARE(digits_->text(), shown);

    // Neither pasting nor cutting nor undoing reaches the field from the
    // keyboard, with the control character an X11 desktop gives these keys.
    QApplication::clipboard()->setText(QStringLiteral("-9x"));
    const auto control = [this](Qt::Key key, char character) {
        QTest::sendKeyEvent(QTest::Click, digits_, key, QString(QLatin1Char(character)),
                            Qt::ControlModifier);
    };
    control(Qt::Key_V, '\x16');
    control(Qt::Key_A, '\x01');
    control(Qt::Key_X, '\x18');
    control(Qt::Key_Z, '\x1a');
    QCOMPARE(digits_->text(), shown);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("-9x"));
}

void NumberFieldTest::digitsOnlyEditsWithTheEditingKeys() {
    Clear(digits_);
    QTest::keyClicks(digits_, QStringLiteral("1234"));
    QTest::keyClick(digits_, Qt::Key_Backspace);
    QCOMPARE(digits_->text(), QStringLiteral("123"));
    QTest::keyClick(digits_, Qt::Key_Home);
    QTest::keyClick(digits_, Qt::Key_Delete);
    QCOMPARE(digits_->text(), QStringLiteral("23"));
    QTest::keyClick(digits_, Qt::Key_Right);
    QTest::keyClicks(digits_, QStringLiteral("."));
    QCOMPARE(digits_->text(), QStringLiteral("2.3"));
    QTest::keyClick(digits_, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(digits_->selectedText(), QStringLiteral("3"));
    // Tab still leaves the field.
    QTest::keyClick(digits_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), plain_);
}

// Fields whose every key counts as typed text (the basic-information
// window): their text becomes a number only on leaving.
void NumberFieldTest::plainFieldTakesEveryKey() {
    Clear(plain_);
    QTest::keyClicks(plain_, QStringLiteral("-1a"));
    QCOMPARE(plain_->text(), QStringLiteral("-1a"));
    QApplication::clipboard()->setText(QStringLiteral("x"));
    QTest::keyClick(plain_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(plain_->text(), QStringLiteral("-1ax"));
}

void NumberFieldTest::enterIsTakenFromTheField_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void NumberFieldTest::enterIsTakenFromTheField() {
    QFETCH(int, key);
    for (NumberField* field : {digits_, plain_}) {
        QSignalSpy enter(field, &NumberField::EnterPressed);
        QSignalSpy committed(field, &NumberField::Committed);
        Clear(field);
        QTest::keyClicks(field, QStringLiteral("7"));
        QTest::keyClick(field, Qt::Key(key));
        QCOMPARE(enter.count(), 1);
        // The field neither moves the focus itself nor shows the value yet.
        QCOMPARE(committed.count(), 0);
        QCOMPARE(field->text(), QStringLiteral("7"));
        QCOMPARE(QApplication::focusWidget(), field);
    }
}

void NumberFieldTest::leavingShowsTheValue() {
    QSignalSpy committed(digits_, &NumberField::Committed);
    Clear(digits_);
    QTest::keyClicks(digits_, QStringLiteral("1.2.3"));
    plain_->setFocus(Qt::TabFocusReason);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(digits_->text(), QStringLiteral("1.200"));
    QCOMPARE(digits_->Value(), 1.2);

    // Opening a menu does not leave the field.
    Clear(plain_);
    QTest::keyClicks(plain_, QStringLiteral("abc"));
    digits_->setFocus(Qt::PopupFocusReason);
    QCOMPARE(plain_->text(), QStringLiteral("abc"));
    plain_->setFocus(Qt::TabFocusReason);
    digits_->setFocus(Qt::TabFocusReason);
    QCOMPARE(plain_->text(), QStringLiteral("0.000"));
}

}  // namespace fljudge

QTEST_MAIN(fljudge::NumberFieldTest)
#include "number_field_test.moc"
