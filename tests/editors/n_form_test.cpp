// The grid mechanism, driven through the N-value editor (the plainest of the
// two), and the N-value editor's own rules.
#include "editors/n_form.h"

#include <QPushButton>
#include <QScrollBar>

#include "editor_test_support.h"

namespace fljudge {

using namespace fljudge::test;

class NFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { boxes_.Reset(); }
    void emptyTableShowsTheDefaultRowAndSetWritesIt();
    void fiftyRowsByKeyboardAndNoMore();
    void appendTwiceSelectsTheSecondRow();
    void fullTableRefusesAppendAndInsert();
    void insertCopiesTheCurrentRow();
    void deletingTheOnlyRowDisablesTheEditRow();
    void deleteKeepsTheFollowingRowCurrent_data();
    void deleteKeepsTheFollowingRowCurrent();
    void upOnFirstAndDownOnLastDoNothing();
    void arrowsConfirmAndKeepTheBox();
    void scrollingKeepsTheCurrentRowHighlighted();
    void keysOfTheBoxes();
    void invalidInputIsReportedAndKept();
    void nAbove32767IsReportedNotDiscarded();
    void setConfirmsTheEditRowFirst();
    void stateIsKeptAcrossOpenings();
    void clickIntoABoxSelectsItsText();
    void lineClickStoresTheTypingFirst_data();
    void lineClickStoresTheTypingFirst();
    void lineClickOnAScrolledGridStoresTheRowOutOfSight();

  private:
    // N-value points i = 1..count at depth i m with N = 10 + i.
    ProjectData Project(int count) const {
        ProjectData project;
        NewProject(project, info_);
        project.NValueCount = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            project.NValues[i] = {static_cast<double>(i), static_cast<std::int16_t>(10 + i)};
        }
        return project;
    }

    static QString Row(const QWidget& form) { return Child<QLabel>(form, "No")->text(); }

    const BasicInfo info_ = DefaultBasicInfo();
    MessageBoxAnswerer boxes_;
};

void NFormTest::emptyTableShowsTheDefaultRowAndSetWritesIt() {
    ProjectData project = Project(0);
    project.NValues[2] = {7.0, 9};  // beyond the count: not shown, kept
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));

    QCOMPARE(form.windowTitle(), QStringLiteral("N値情報"));
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("0.000"));
    QCOMPARE(In(form, 1)->text(), QStringLiteral("0"));
    QCOMPARE(Cell(form, 1, 0)->text(), QStringLiteral("0.000"));
    QCOMPARE(Cell(form, 2, 0)->text(), QStringLiteral("0"));
    QCOMPARE(Cell(form, 0, 1)->text(), QString());
    QCOMPARE(MarkedLine(form), 0);
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(In(form, 0)->selectedText(), QStringLiteral("0.000"));
    QVERIFY(!Child(form, "VSB_Grid")->isEnabled());

    const QColor current(192, 255, 255);
    for (const QWidget* cell : {Marker(form, 0), Cell(form, 0, 0), Cell(form, 2, 0)}) {
        QCOMPARE(Background(cell), current);
    }
    QCOMPARE(Background(Cell(form, 1, 1)), form.palette().color(QPalette::Button));
    QCOMPARE(Background(Marker(form, 1)), form.palette().color(QPalette::Button));
    QCOMPARE(In(form, 1)->palette().color(QPalette::Base), form.palette().color(QPalette::Base));

    ClickMenu(form, "mnuSet");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
    QCOMPARE(project.NValueCount, 1);
    QCOMPARE(project.NValues[1], NValuePoint{});
    QCOMPARE(project.NValues[2], (NValuePoint{7.0, 9}));
    QVERIFY(boxes_.seen().empty());
}

void NFormTest::fiftyRowsByKeyboardAndNoMore() {
    ProjectData project = Project(0);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    for (int i = 1; i <= 50; ++i) {
        Enter(QStringLiteral("%1.5").arg(i));
        Enter(QStringLiteral("%1").arg(2 * i));
    }
    // The Enter on row 50 appended nothing: row 50 is still in the edit row.
    QCOMPARE(Row(form), QStringLiteral("50"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("50.500"));
    QCOMPARE(Focused(), In(form, 0));
    auto* scroll = Child<QScrollBar>(form, "VSB_Grid");
    QVERIFY(scroll->isEnabled());
    QCOMPARE(scroll->maximum(), 40);
    QCOMPARE(scroll->value(), 40);
    QCOMPARE(MarkedLine(form), 9);
    QCOMPARE(Cell(form, 0, 0)->text(), QStringLiteral("41"));
    QCOMPARE(Cell(form, 2, 9)->text(), QStringLiteral("100"));

    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, 50);
    for (int i = 1; i <= 50; ++i) {
        QCOMPARE(project.NValues[i], (NValuePoint{i + 0.5, static_cast<std::int16_t>(2 * i)}));
    }
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void NFormTest::appendTwiceSelectsTheSecondRow() {
    ProjectData project = Project(0);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    Type("4");
    ClickMenu(form, "mnuAdd");
    ClickMenu(form, "mnuAdd");
    QCOMPARE(ColumnTexts(form, 0).mid(0, 4), (QStringList{"1", "2", "3", ""}));
    QCOMPARE(ColumnTexts(form, 1).mid(0, 3), (QStringList{"4.000", "0.000", "0.000"}));
    QCOMPARE(MarkedLine(form), 2);
    QCOMPARE(Row(form), QStringLiteral("3"));
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(state.EntryMode, Entry::Edit);
}

void NFormTest::fullTableRefusesAppendAndInsert() {
    ProjectData project = Project(50);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    for (const char* command : {"mnuAdd", "mnuAdd", "mnuIns", "mnuIns"}) {
        ClickMenu(form, command);
        QCOMPARE(Child<QScrollBar>(form, "VSB_Grid")->maximum(), 40);
    }
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, 50);
    QCOMPARE(project.NValues[1], Project(50).NValues[1]);
    QCOMPARE(project.NValues[50], Project(50).NValues[50]);
}

void NFormTest::insertCopiesTheCurrentRow() {
    ProjectData project = Project(2);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    ClickMenu(form, "mnuIns");
    QCOMPARE(ColumnTexts(form, 0).mid(0, 4), (QStringList{"1", "2", "3", ""}));
    QCOMPARE(ColumnTexts(form, 1).mid(0, 3), (QStringList{"1.000", "1.000", "2.000"}));
    QCOMPARE(ColumnTexts(form, 2).mid(0, 3), (QStringList{"11", "11", "12"}));
    QCOMPARE(MarkedLine(form), 0);
    QCOMPARE(Row(form), QStringLiteral("1"));
    // Every press inserts another copy.
    ClickMenu(form, "mnuIns");
    QCOMPARE(ColumnTexts(form, 1).mid(0, 5), (QStringList{"1.000", "1.000", "1.000", "2.000", ""}));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, 4);
    QCOMPARE(project.NValues[3], (NValuePoint{1.0, 11}));
    QCOMPARE(project.NValues[4], (NValuePoint{2.0, 12}));
}

void NFormTest::deletingTheOnlyRowDisablesTheEditRow() {
    ProjectData project = Project(1);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));

    boxes_.Answer(QMessageBox::No);
    ClickMenu(form, "mnuDel");
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    const MessageBoxAnswerer::Seen question = boxes_.seen().front();
    QCOMPARE(question.title, QStringLiteral("液状化判定プログラム"));
    QCOMPARE(question.text, QStringLiteral("対象データを削除します。\r\nよろしいですか？"));
    QCOMPARE(question.icon, QMessageBox::Information);
    QCOMPARE(Row(form), QStringLiteral("1"));

    boxes_.Answer(QMessageBox::Yes);
    ClickMenu(form, "mnuDel");
    QCOMPARE(ColumnTexts(form, 1), QStringList(10, QString()));
    QCOMPARE(MarkedLine(form), -1);
    QCOMPARE(Row(form), QString());
    const QColor light = form.palette().color(QPalette::Midlight);
    for (int box : {0, 1}) {
        QVERIFY(!In(form, box)->isEnabled());
        QCOMPARE(In(form, box)->text(), QString());
        QCOMPARE(In(form, box)->palette().color(QPalette::Base), light);
    }
    QVERIFY(!Child(form, "CMD_Set")->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // With no row, delete and insert do nothing.
    boxes_.Forget();
    ClickMenu(form, "mnuDel");
    ClickMenu(form, "mnuIns");
    QVERIFY(boxes_.seen().empty());
    QCOMPARE(Row(form), QString());

    ClickMenu(form, "mnuAdd");
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("0.000"));
    QVERIFY(In(form, 0)->isEnabled());
    QVERIFY(Child(form, "CMD_Set")->isEnabled());
    QCOMPARE(In(form, 0)->palette().color(QPalette::Base), form.palette().color(QPalette::Base));
    QCOMPARE(MarkedLine(form), 0);
    QCOMPARE(Focused(), In(form, 0));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, 1);
    QCOMPARE(project.NValues[1], NValuePoint{});
}

void NFormTest::deleteKeepsTheFollowingRowCurrent_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("scrollTo");  // -1: leave the scroll bar alone
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("row");  // the row now current, by its depth

    QTest::newRow("short table") << 5 << 2 << 0 << -1 << 2 << 0 << "4.000";
    QTest::newRow("last of a short table") << 5 << 4 << 0 << -1 << 3 << 0 << "4.000";
    QTest::newRow("ten left after scrolling") << 11 << 10 << 6 << -1 << 4 << 0 << "6.000";
    QTest::newRow("scrolled to the end") << 21 << 20 << 6 << -1 << 4 << 10 << "16.000";
    QTest::newRow("last row scrolled away") << 21 << 20 << 0 << 0 << 9 << 10 << "20.000";
}

void NFormTest::deleteKeepsTheFollowingRowCurrent() {
    QFETCH(int, rows);
    QFETCH(int, downs);
    QFETCH(int, ups);
    QFETCH(int, scrollTo);
    QFETCH(int, line);
    QFETCH(int, top);
    QFETCH(QString, row);

    ProjectData project = Project(rows);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    for (int i = 0; i < downs; ++i) {
        Press(Qt::Key_Down);
    }
    for (int i = 0; i < ups; ++i) {
        Press(Qt::Key_Up);
    }
    auto* scroll = Child<QScrollBar>(form, "VSB_Grid");
    if (scrollTo >= 0) {
        scroll->setValue(scrollTo);
    }
    boxes_.Answer(QMessageBox::Yes);
    ClickMenu(form, "mnuDel");

    QCOMPARE(MarkedLine(form), line);
    QCOMPARE(scroll->value(), top);
    QCOMPARE(In(form, 0)->text(), row);
    QCOMPARE(Cell(form, 1, line)->text(), row);
    QCOMPARE(Row(form), Cell(form, 0, line)->text());
    QCOMPARE(Focused(), In(form, 0));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, rows - 1);
}

void NFormTest::upOnFirstAndDownOnLastDoNothing() {
    ProjectData project = Project(2);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    // Not even a confirmation: the invalid text raises no message.
    Type("1..2");
    Press(Qt::Key_Up);
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1..2"));
    QCOMPARE(Cell(form, 1, 0)->text(), QStringLiteral("1.000"));

    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Down);
    QCOMPARE(Row(form), QStringLiteral("2"));
    Type("8");
    Press(Qt::Key_Down);
    QCOMPARE(Row(form), QStringLiteral("2"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("8"));
    QCOMPARE(Cell(form, 1, 1)->text(), QStringLiteral("2.000"));
    QCOMPARE(MarkedLine(form), 1);
    QVERIFY(boxes_.seen().empty());
}

void NFormTest::arrowsConfirmAndKeepTheBox() {
    ProjectData project = Project(3);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    Press(Qt::Key_Return);
    QCOMPARE(Focused(), In(form, 1));
    Type("25");
    Press(Qt::Key_Down);
    QCOMPARE(Cell(form, 2, 0)->text(), QStringLiteral("25"));
    QCOMPARE(Row(form), QStringLiteral("2"));
    QCOMPARE(Focused(), In(form, 1));
    QCOMPARE(In(form, 1)->selectedText(), QStringLiteral("12"));
    Type("7");
    Press(Qt::Key_Up);
    QCOMPARE(Cell(form, 2, 1)->text(), QStringLiteral("7"));
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 1)->text(), QStringLiteral("25"));
    QCOMPARE(Focused(), In(form, 1));

    // A click on another line stores what was typed first, as the arrows do.
    Type("99");
    ClickLine(form, 2);
    QCOMPARE(Row(form), QStringLiteral("3"));
    QCOMPARE(MarkedLine(form), 2);
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(Cell(form, 2, 0)->text(), QStringLiteral("99"));

    // "確定" stores the edit row and stays on it.
    Type("3.25");
    QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    QCOMPARE(Cell(form, 1, 2)->text(), QStringLiteral("3.250"));
    QCOMPARE(Row(form), QStringLiteral("3"));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValues[1], (NValuePoint{1.0, 99}));
    QCOMPARE(project.NValues[2], (NValuePoint{2.0, 7}));
    QCOMPARE(project.NValues[3], (NValuePoint{3.25, 13}));
}

void NFormTest::scrollingKeepsTheCurrentRowHighlighted() {
    ProjectData project = Project(15);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    auto* scroll = Child<QScrollBar>(form, "VSB_Grid");
    QVERIFY(scroll->isEnabled());
    QCOMPARE(scroll->maximum(), 5);

    for (int i = 0; i < 10; ++i) {
        Press(Qt::Key_Down);
    }
    QCOMPARE(Row(form), QStringLiteral("11"));
    QCOMPARE(scroll->value(), 1);
    QCOMPARE(MarkedLine(form), 9);
    QCOMPARE(Cell(form, 0, 0)->text(), QStringLiteral("2"));

    // Enter through the row on line 9 moves on by scrolling.
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    QCOMPARE(Row(form), QStringLiteral("12"));
    QCOMPARE(scroll->value(), 2);
    QCOMPARE(MarkedLine(form), 9);
    QCOMPARE(In(form, 0)->text(), QStringLiteral("12.000"));

    // Scrolling the current row away and back; the edit row stays.
    Type("6");
    scroll->setValue(0);
    QCOMPARE(MarkedLine(form), -1);
    QCOMPARE(Cell(form, 0, 0)->text(), QStringLiteral("1"));
    scroll->setValue(4);
    QCOMPARE(MarkedLine(form), 7);
    QCOMPARE(Row(form), QStringLiteral("12"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("6"));

    // Up from a row scrolled out of sight brings it back first.
    scroll->setValue(0);
    Press(Qt::Key_Up);
    QCOMPARE(scroll->value(), 5);
    QCOMPARE(Cell(form, 1, 6)->text(), QStringLiteral("6.000"));
    QCOMPARE(Row(form), QStringLiteral("11"));
    QCOMPARE(MarkedLine(form), 5);
    for (int i = 0; i < 5; ++i) {
        Press(Qt::Key_Up);
    }
    QCOMPARE(MarkedLine(form), 0);
    QCOMPARE(Row(form), QStringLiteral("6"));
    Press(Qt::Key_Up);
    QCOMPARE(scroll->value(), 4);
    QCOMPARE(MarkedLine(form), 0);
    QCOMPARE(Row(form), QStringLiteral("5"));
    QCOMPARE(Background(Cell(form, 1, 0)), QColor(192, 255, 255));
    QCOMPARE(Background(Cell(form, 1, 1)), form.palette().color(QPalette::Button));

    // A click on a line of the scrolled grid selects the row it shows.
    ClickLine(form, 9);
    QCOMPARE(Row(form), QStringLiteral("14"));
}

void NFormTest::keysOfTheBoxes() {
    ProjectData project = Project(0);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    Type("1.5x-");
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1.5"));
    Press(Qt::Key_Return);
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1.500"));
    QCOMPARE(Focused(), In(form, 1));
    Type("2.5a");
    QCOMPARE(In(form, 1)->text(), QStringLiteral("25"));
    Press(Qt::Key_Backspace);
    QCOMPARE(In(form, 1)->text(), QStringLiteral("2"));
    // Escape does not close the editor.
    Press(Qt::Key_Escape);
    QVERIFY(form.isVisible());
    // Leaving a box reformats it; a text with no leading number becomes 0.
    In(form, 1)->setText(QStringLiteral("abc"));
    QTest::mouseClick(In(form, 0), Qt::LeftButton);
    QCOMPARE(In(form, 1)->text(), QStringLiteral("0"));
}

void NFormTest::invalidInputIsReportedAndKept() {
    ProjectData project = Project(12);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    auto* scroll = Child<QScrollBar>(form, "VSB_Grid");
    Type("1..2");
    ClickMenu(form, "mnuAdd");
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
    QCOMPARE(boxes_.seen()[0].title, QStringLiteral("液状化判定プログラム"));
    QCOMPARE(boxes_.seen()[0].icon, QMessageBox::Warning);
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1..2"));
    QCOMPARE(scroll->maximum(), 2);

    // Down stays on the row the message is about.
    Press(Qt::Key_Down);
    QCOMPARE(boxes_.seen().size(), std::size_t{2});
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1..2"));
    QCOMPARE(Focused(), In(form, 0));

    // The scroll bar still scrolls the grid, and the typing stays.
    scroll->setValue(2);
    QCOMPARE(Cell(form, 0, 0)->text(), QStringLiteral("3"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1..2"));
    // Leaving the box with the mouse reformats it.
    QTest::mouseClick(In(form, 1), Qt::LeftButton);
    QCOMPARE(In(form, 0)->text(), QStringLiteral("1.000"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Storing the N value used to fail beyond 16 bits, closing the editor and
// dropping every edit.
void NFormTest::nAbove32767IsReportedNotDiscarded() {
    ProjectData project = Project(1);
    const ProjectData before = project;
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    Enter("2.5");
    Enter("40000");
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
    QVERIFY(form.isVisible());
    QCOMPARE(Focused(), In(form, 1));
    QCOMPARE(In(form, 1)->text(), QStringLiteral("40000"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("2.500"));
    QCOMPARE(project, before);

    Enter("32767");
    QCOMPARE(Row(form), QStringLiteral("2"));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValueCount, 2);
    QCOMPARE(project.NValues[1], (NValuePoint{2.5, 32767}));
}

// "設定" used to write the table without the edit row, losing what was typed
// in it.
void NFormTest::setConfirmsTheEditRowFirst() {
    {
        ProjectData project = Project(1);
        GridEditorState state;
        NForm form(project, info_, state);
        QVERIFY(Open(form));
        Enter("3.5");
        Type("12");
        ClickMenu(form, "mnuSet");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(project.NValueCount, 1);
        QCOMPARE(project.NValues[1], (NValuePoint{3.5, 12}));
    }
    {
        ProjectData project = Project(1);
        const ProjectData before = project;
        GridEditorState state;
        NForm form(project, info_, state);
        QVERIFY(Open(form));
        Press(Qt::Key_Return);
        Type("99999");
        ClickMenu(form, "mnuSet");
        QCOMPARE(boxes_.seen().size(), std::size_t{1});
        QVERIFY(form.isVisible());
        QCOMPARE(Focused(), In(form, 1));
        QCOMPARE(project, before);
        ClickMenu(form, "mnuStop");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(project, before);
    }
}

void NFormTest::stateIsKeptAcrossOpenings() {
    ProjectData project = Project(5);
    GridEditorState state;
    {
        NForm form(project, info_, state);
        QVERIFY(Open(form));
        ClickLine(form, 3);
        QCOMPARE(Row(form), QStringLiteral("4"));
        form.close();
    }
    QCOMPARE(state.CurrentRow, 0);
    QCOMPARE(state.CurrentLine, 3);
    {
        NForm form(project, info_, state);
        QVERIFY(Open(form));
        QCOMPARE(MarkedLine(form), 3);
        QCOMPARE(Row(form), QStringLiteral("4"));
        QCOMPARE(In(form, 0)->text(), QStringLiteral("4.000"));
        Press(Qt::Key_Down);
        QCOMPARE(Row(form), QStringLiteral("5"));
        ClickMenu(form, "mnuStop");
    }
    // On a table too short for that line the first row is selected, and the
    // keys go on from there.
    project = Project(2);
    {
        NForm form(project, info_, state);
        QVERIFY(Open(form));
        QCOMPARE(MarkedLine(form), 0);
        QCOMPARE(Row(form), QStringLiteral("1"));
        Press(Qt::Key_Down);
        QCOMPARE(Row(form), QStringLiteral("2"));
        QCOMPARE(MarkedLine(form), 1);
    }
}

// Typing after a click used to go in where the click put the caret: "5"
// into "10.000" gave "150.000".
void NFormTest::clickIntoABoxSelectsItsText() {
    ProjectData project = Project(2);
    project.NValues[1] = {10.0, 12};
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    ClickInto(In(form, 1));
    QCOMPARE(Focused(), In(form, 1));
    QCOMPARE(In(form, 1)->selectedText(), QStringLiteral("12"));
    QTest::keyClicks(In(form, 1), QStringLiteral("8"));
    QCOMPARE(In(form, 1)->text(), QStringLiteral("8"));
    ClickInto(In(form, 0));
    QCOMPARE(In(form, 0)->selectedText(), QStringLiteral("10.000"));
    QTest::keyClicks(In(form, 0), QStringLiteral("5"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("5"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    QCOMPARE(Cell(form, 1, 0)->text(), QStringLiteral("5.000"));
    QCOMPARE(Cell(form, 2, 0)->text(), QStringLiteral("8"));

    // Back on the first row by a click; the box of the new row selects too.
    ClickLine(form, 0);
    ClickInto(In(form, 1));
    QTest::keyClicks(In(form, 1), QStringLiteral("3"));
    QCOMPARE(In(form, 1)->text(), QStringLiteral("3"));
}

void NFormTest::lineClickStoresTheTypingFirst_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::newRow("depth") << 0 << "7.5" << true;
    QTest::newRow("N") << 1 << "30" << true;
    QTest::newRow("depth 1..2") << 0 << "1..2" << false;
    QTest::newRow("N emptied") << 1 << "" << false;
    QTest::newRow("N 40000") << 1 << "40000" << false;
}

// A click on another line used to drop what was typed without a word.
void NFormTest::lineClickStoresTheTypingFirst() {
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    ProjectData project = Project(3);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    ClickLine(form, 1);
    if (box != 0) {
        ClickInto(In(form, box));  // the line click put the focus into the depth box
    }
    QTest::keyClick(In(form, box), Qt::Key_Backspace);
    QTest::keyClicks(In(form, box), typed);
    ClickLine(form, 2);
    if (valid) {
        QVERIFY(boxes_.seen().empty());
        QCOMPARE(Row(form), QStringLiteral("3"));
        QCOMPARE(MarkedLine(form), 2);
        QCOMPARE(Cell(form, 1 + box, 1)->text(), box == 0 ? QStringLiteral("7.500") : typed);
        ClickMenu(form, "mnuSet");
        QCOMPARE(project.NValues[2], box == 0 ? (NValuePoint{7.5, 12}) : (NValuePoint{2.0, 30}));
        return;
    }
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
    QCOMPARE(boxes_.seen()[0].icon, QMessageBox::Warning);
    QCOMPARE(Row(form), QStringLiteral("2"));
    QCOMPARE(MarkedLine(form), 1);
    QCOMPARE(Focused(), In(form, box));
    QCOMPARE(In(form, box)->text(), typed);
    QCOMPARE(Cell(form, 1, 1)->text(), QStringLiteral("2.000"));
    QCOMPARE(Cell(form, 2, 1)->text(), QStringLiteral("12"));

    // Unchanged typing is no reason to stop: a click moves at once. The box
    // at fault has the focus with its text selected.
    QTest::keyClicks(In(form, box), box == 0 ? QStringLiteral("2") : QStringLiteral("12"));
    ClickLine(form, 2);
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(Row(form), QStringLiteral("3"));
}

// Storing a row scrolled out of sight brings it back into view; the click
// still selects the row it was made on.
void NFormTest::lineClickOnAScrolledGridStoresTheRowOutOfSight() {
    ProjectData project = Project(15);
    GridEditorState state;
    NForm form(project, info_, state);
    QVERIFY(Open(form));
    Type("0.5");
    auto* scroll = Child<QScrollBar>(form, "VSB_Grid");
    scroll->setValue(5);
    ClickLine(form, 8);
    QCOMPARE(scroll->value(), 5);
    QCOMPARE(Row(form), QStringLiteral("14"));
    QCOMPARE(MarkedLine(form), 8);
    QCOMPARE(In(form, 0)->text(), QStringLiteral("14.000"));
    scroll->setValue(0);
    QCOMPARE(Cell(form, 1, 0)->text(), QStringLiteral("0.500"));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.NValues[1].Depth, 0.5);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::NFormTest)
#include "n_form_test.moc"
