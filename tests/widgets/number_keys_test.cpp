// The key policy of the number boxes and what counts as Enter, judged on the
// key events the platform delivers.
#include "widgets/number_keys.h"

#include <QKeyEvent>
#include <QTest>

namespace fljudge {

class NumberKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void numberBoxTakes_data();
    void numberBoxTakes();
    void enterKeys_data();
    void enterKeys();
};

void NumberKeysTest::numberBoxTakes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("decimals");
    QTest::addColumn<bool>("taken");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("digit 0") << int(Qt::Key_0) << none << "0" << false << true;
    QTest::newRow("digit 9") << int(Qt::Key_9) << none << "9" << false << true;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << false
                                  << true;
    QTest::newRow("point, decimals") << int(Qt::Key_Period) << none << "." << true << true;
    QTest::newRow("point, whole numbers") << int(Qt::Key_Period) << none << "." << false << false;
    QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << true << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << true << false;
    QTest::newRow("plus") << int(Qt::Key_Plus) << none << "+" << true << false;
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << "," << true << false;
    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << true << false;
    QTest::newRow("exponent") << int(Qt::Key_E) << none << "e" << true << false;
    QTest::newRow("full-width digit") << int(Qt::Key_unknown) << none << "１" << true << false;
    QTest::newRow("two digits at once") << int(Qt::Key_1) << none << "12" << true << false;
    // Control characters are typed characters too: nothing is pasted, cut or
    // undone into a number box from the keyboard.
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "\x16" << true << false;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "\x18" << true << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "\x03" << true << false;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "\x1a" << true << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << true << false;
    // Keys that edit or move.
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << false << true;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << false << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << false << true;
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << false
                             << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << false << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << false << true;
    QTest::newRow("Shift+End") << int(Qt::Key_End) << int(Qt::ShiftModifier) << "" << false << true;
}

void NumberKeysTest::numberBoxTakes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(bool, decimals);
    QFETCH(bool, taken);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(NumberBoxTakes(event, decimals), taken);
}

void NumberKeysTest::enterKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("enter");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
}

void NumberKeysTest::enterKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, enter);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(IsEnterKey(event), enter);
    QCOMPARE(IsEnterKey(key), enter);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::NumberKeysTest)
#include "number_keys_test.moc"
