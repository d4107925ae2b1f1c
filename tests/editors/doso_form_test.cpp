// The soil-layer editor: its columns, options, thickness, water depth and
// Enter order, on top of the grid mechanism.
#include "editors/doso_form.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "editor_test_support.h"

namespace fljudge {

using namespace fljudge::test;

class DosoFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { boxes_.Reset(); }
    void emptyProjectShowsTheDefaultRow();
    void depthsEnteredByKeyboardGiveThicknesses();
    void insertAndDeleteRecomputeThicknesses();
    void optionsByKeyboardAndTheInputWeights();
    void soilClassSetsTheBasicWeightsOnly();
    void typedUnitWeightIsStored_data();
    void typedUnitWeightIsStored();
    void unvalidatedBoxWithNoNumberIsReported_data();
    void unvalidatedBoxWithNoNumberIsReported();
    void waterDepth();
    void fullTableRefusesAppendAndInsert();
    void arrowsSkipHiddenBoxesAndRefreshTheThickness();
    void storingARowRecomputesEveryThickness_data();
    void storingARowRecomputesEveryThickness();
    void clickIntoABoxSelectsItsText();
    void lineClickStoresTheTypingFirst();
    void currentLineIsKeptAcrossAnEmptyTable();

  private:
    // Layers with these bottom depths: sandy, basic weights, FC 10, D50 0.2.
    ProjectData Project(std::initializer_list<double> depths) const {
        ProjectData project;
        NewProject(project, info_);
        double previous = 0;
        for (double depth : depths) {
            const int i = ++project.LayerCount;
            project.SoilLayers[i] = {
                depth, depth - previous, kSandy, kWeightBasic, 18, 18, 8, 10, 0, 0.2, 0};
            previous = depth;
        }
        return project;
    }

    static QString Row(const QWidget& form) { return Child<QLabel>(form, "No")->text(); }
    static QRadioButton* Option(const QWidget& form, const char* array, int element) {
        return Child<QRadioButton>(form, QStringLiteral("%1_%2").arg(array).arg(element));
    }
    static QStringList WeightLabels(const QWidget& form) {
        QStringList texts;
        for (int j = 0; j < 3; ++j) {
            texts << Child<QLabel>(form, QStringLiteral("Lab1_%1").arg(j))->text();
        }
        return texts;
    }
    static QStringList WeightBoxes(const QWidget& form) {
        return {In(form, 1)->text(), In(form, 2)->text(), In(form, 3)->text()};
    }
    static QStringList Thicknesses(const QWidget& form, int rows) {
        return ColumnTexts(form, 2).mid(0, rows);
    }
    // Through one row by Enter from the depth box: soil class and weight
    // source as chosen, the boxes as they are; the last Enter confirms.
    static void EnterRow(const QString& depth) {
        Enter(depth);
        for (int i = 0; i < 6; ++i) {
            Press(Qt::Key_Return);
        }
    }

    const BasicInfo info_ = DefaultBasicInfo();
    MessageBoxAnswerer boxes_;
};

void DosoFormTest::emptyProjectShowsTheDefaultRow() {
    ProjectData project = Project({});
    project.WaterDepth = 0;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));

    QCOMPARE(form.windowTitle(), QStringLiteral("土層情報"));
    auto* rwl = Child<QLineEdit>(form, "RWL");
    QCOMPARE(Focused(), rwl);
    QCOMPARE(rwl->selectedText(), QStringLiteral("0.000"));
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("0.000"));
    QCOMPARE(Child<QLabel>(form, "atu")->text(), QStringLiteral("0.000"));
    QVERIFY(Option(form, "Opt", 0)->isChecked());
    QVERIFY(Option(form, "Opt2", 0)->isChecked());
    QCOMPARE(WeightLabels(form), (QStringList{"18.000", "18.000", "8.000"}));
    for (int j = 0; j < 3; ++j) {
        QVERIFY(Child(form, QStringLiteral("Lab1_%1").arg(j))->isVisible());
        QVERIFY(!In(form, 1 + j)->isVisible());
    }
    const QStringList line0 = {"1",      "0.000", "0.000", "砂質土", "1",     "18.000",
                               "18.000", "8.000", "0.000", "0.000",  "0.000", "0.000"};
    for (int c = 0; c < 12; ++c) {
        QCOMPARE(Cell(form, c, 0)->text(), line0[c]);
    }
    QCOMPARE(MarkedLine(form), 0);

    ClickMenu(form, "mnuSet");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(project.LayerCount, 1);
    QCOMPARE(project.SoilLayers[1], (SoilLayer{0, 0, kSandy, kWeightBasic, 18, 18, 8, 0, 0, 0, 0}));
    QCOMPARE(project.WaterDepth, 0.0);
}

void DosoFormTest::depthsEnteredByKeyboardGiveThicknesses() {
    ProjectData project = Project({});
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    Enter("1.5");
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(Child<QLineEdit>(form, "RWL")->text(), QStringLiteral("1.500"));

    // Depth, soil class, weight source, then FC .. D10 with the basic values.
    Enter("2");
    QCOMPARE(Focused(), Option(form, "Opt", 0));
    Press(Qt::Key_Return);
    QCOMPARE(Focused(), Option(form, "Opt2", 0));
    Press(Qt::Key_Return);
    for (int box = 4; box <= 7; ++box) {
        QCOMPARE(Focused(), In(form, box));
        Press(Qt::Key_Return);
    }
    QCOMPARE(Row(form), QStringLiteral("2"));
    QCOMPARE(Focused(), In(form, 0));
    EnterRow("5");
    Enter("9");
    QCOMPARE(Child<QLabel>(form, "atu")->text(), QStringLiteral("4.000"));
    QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    QCOMPARE(Thicknesses(form, 4), (QStringList{"2.000", "3.000", "4.000", ""}));

    // The second depth changed: its own thickness and the third's follow.
    ClickLine(form, 1);
    Enter("4");
    QCOMPARE(Child<QLabel>(form, "atu")->text(), QStringLiteral("2.000"));
    QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    QCOMPARE(Thicknesses(form, 3), (QStringList{"2.000", "2.000", "5.000"}));

    // Inserting above the third row copies it, with thickness 0.
    ClickLine(form, 2);
    ClickMenu(form, "mnuIns");
    QCOMPARE(Thicknesses(form, 5), (QStringList{"2.000", "2.000", "5.000", "0.000", ""}));
    QCOMPARE(Child<QLabel>(form, "atu")->text(), QStringLiteral("5.000"));

    ClickMenu(form, "mnuSet");
    QCOMPARE(project.WaterDepth, 1.5);
    QCOMPARE(project.LayerCount, 4);
    const double depths[] = {2, 4, 9, 9};
    const double thicknesses[] = {2, 2, 5, 0};
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(project.SoilLayers[i].Depth, depths[i - 1]);
        QCOMPARE(project.SoilLayers[i].Thickness, thicknesses[i - 1]);
        QCOMPARE(project.SoilLayers[i].GammaT1, 18.0);
    }
}

void DosoFormTest::insertAndDeleteRecomputeThicknesses() {
    ProjectData project = Project({2, 5, 9});
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    ClickLine(form, 1);
    ClickMenu(form, "mnuIns");
    QCOMPARE(ColumnTexts(form, 0).mid(0, 5), (QStringList{"1", "2", "3", "4", ""}));
    QCOMPARE(ColumnTexts(form, 1).mid(0, 4), (QStringList{"2.000", "5.000", "5.000", "9.000"}));
    QCOMPARE(Thicknesses(form, 4), (QStringList{"2.000", "3.000", "0.000", "4.000"}));
    for (int c = 3; c < 12; ++c) {
        QCOMPARE(Cell(form, c, 2)->text(), Cell(form, c, 1)->text());
    }
    QCOMPARE(MarkedLine(form), 1);

    boxes_.Answer(QMessageBox::Yes);
    ClickMenu(form, "mnuDel");
    boxes_.Answer(QMessageBox::Yes);
    ClickMenu(form, "mnuDel");
    QCOMPARE(ColumnTexts(form, 1).mid(0, 3), (QStringList{"2.000", "9.000", ""}));
    QCOMPARE(Thicknesses(form, 2), (QStringList{"2.000", "7.000"}));
    QCOMPARE(Child<QLabel>(form, "atu")->text(), QStringLiteral("7.000"));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.LayerCount, 2);
    QCOMPARE(project.SoilLayers[2].Thickness, 7.0);
}

// Arrow keys change the option that has the focus; choosing 入力値 shows the
// weight boxes with the values the row had.
void DosoFormTest::optionsByKeyboardAndTheInputWeights() {
    ProjectData project = Project({});
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    Press(Qt::Key_Return);
    Enter("3");
    Press(Qt::Key_Down);
    QCOMPARE(Focused(), Option(form, "Opt", 1));
    QVERIFY(Option(form, "Opt", 1)->isChecked());
    QCOMPARE(WeightLabels(form), (QStringList{"19.000", "19.000", "9.000"}));
    Press(Qt::Key_Return);
    QCOMPARE(Focused(), Option(form, "Opt2", 0));
    Press(Qt::Key_Right);
    QVERIFY(Option(form, "Opt2", 1)->isChecked());
    QCOMPARE(WeightBoxes(form), (QStringList{"19.000", "19.000", "9.000"}));
    for (int j = 0; j < 3; ++j) {
        QVERIFY(In(form, 1 + j)->isVisible());
        QVERIFY(!Child(form, QStringLiteral("Lab1_%1").arg(j))->isVisible());
    }
    Press(Qt::Key_Return);
    for (const char* value : {"19.5", "20", "10.25", "35", "12", "0.15", "0.01"}) {
        Enter(value);
    }
    QCOMPARE(Row(form), QStringLiteral("2"));
    const QStringList line0 = {"1",      "3.000",  "3.000",  "粘性土", "2",     "19.500",
                               "20.000", "10.250", "35.000", "12.000", "0.150", "0.010"};
    for (int c = 0; c < 12; ++c) {
        QCOMPARE(Cell(form, c, 0)->text(), line0[c]);
    }
    // The new row is a default row again.
    QVERIFY(Option(form, "Opt", 0)->isChecked());
    QVERIFY(Option(form, "Opt2", 0)->isChecked());
    QCOMPARE(WeightLabels(form), (QStringList{"18.000", "18.000", "8.000"}));

    ClickMenu(form, "mnuSet");
    QCOMPARE(project.LayerCount, 2);
    QCOMPARE(project.SoilLayers[1],
             (SoilLayer{3, 3, kClayey, kWeightInput, 19.5, 20, 10.25, 35, 12, 0.15, 0.01}));
}

void DosoFormTest::soilClassSetsTheBasicWeightsOnly() {
    ProjectData project = Project({});
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    QTest::mouseClick(Option(form, "Opt", 1), Qt::LeftButton);
    QCOMPARE(WeightLabels(form), (QStringList{"19.000", "19.000", "9.000"}));
    QTest::mouseClick(Option(form, "Opt2", 1), Qt::LeftButton);
    QCOMPARE(WeightBoxes(form), (QStringList{"19.000", "19.000", "9.000"}));

    // With 入力値 a soil class leaves the typed weights alone.
    QTest::mouseClick(In(form, 1), Qt::LeftButton);
    In(form, 1)->selectAll();
    Type("17.5");
    QTest::mouseClick(Option(form, "Opt", 2), Qt::LeftButton);
    QCOMPARE(WeightBoxes(form), (QStringList{"17.500", "19.000", "9.000"}));
    QCOMPARE(WeightLabels(form), (QStringList{"17.500", "19.000", "9.000"}));
    QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    QCOMPARE(Cell(form, 3, 0)->text(), QStringLiteral("礫質土"));
    QCOMPARE(Cell(form, 4, 0)->text(), QStringLiteral("2"));
    QCOMPARE(Cell(form, 5, 0)->text(), QStringLiteral("17.500"));

    // Back on 基本値 the typed weights stay until a soil class is chosen.
    QTest::mouseClick(Option(form, "Opt2", 0), Qt::LeftButton);
    QCOMPARE(WeightLabels(form), (QStringList{"17.500", "19.000", "9.000"}));
    QTest::mouseClick(Option(form, "Opt", 2), Qt::LeftButton);
    QCOMPARE(WeightLabels(form), (QStringList{"20.000", "20.000", "10.000"}));
}

void DosoFormTest::typedUnitWeightIsStored_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Down") << "Down";
    QTest::newRow("追加") << "mnuAdd";
    QTest::newRow("挿入") << "mnuIns";
    QTest::newRow("設定") << "mnuSet";
}

// The weight stored used to be the one from before the typing, as the label
// it is read from was updated only when the box lost the focus.
void DosoFormTest::typedUnitWeightIsStored() {
    QFETCH(QString, command);
    ProjectData project = Project({2, 5});
    project.SoilLayers[1].WeightSource = kWeightInput;
    project.SoilLayers[1].GammaT1 = 17;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    Press(Qt::Key_Return);  // RWL
    Press(Qt::Key_Return);  // depth
    Press(Qt::Key_Return);  // soil class
    Press(Qt::Key_Return);  // 入力値
    QCOMPARE(Focused(), In(form, 1));
    QCOMPARE(In(form, 1)->selectedText(), QStringLiteral("17.000"));
    Type("21");
    if (command == QStringLiteral("Down")) {
        Press(Qt::Key_Down);
        QCOMPARE(Row(form), QStringLiteral("2"));
    } else {
        ClickMenu(form, command.toLatin1().constData());
    }
    QCOMPARE(Cell(form, 5, 0)->text(), QStringLiteral("21.000"));
    if (form.isVisible()) {
        ClickMenu(form, "mnuSet");
    }
    QCOMPARE(project.SoilLayers[1].GammaT1, 21.0);
    QCOMPARE(project.SoilLayers[1].WeightSource, kWeightInput);
}

void DosoFormTest::unvalidatedBoxWithNoNumberIsReported_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("command");
    QTest::newRow("塑性指数, Down") << 5 << "Down";
    QTest::newRow("D50, 追加") << 6 << "mnuAdd";
    QTest::newRow("D10, Enter") << 7 << "Enter";
    QTest::newRow("D10, 設定") << 7 << "mnuSet";
}

// Plasticity index, D50 and D10 are not checked like the other boxes; one
// holding no number used to close the editor and drop every edit.
void DosoFormTest::unvalidatedBoxWithNoNumberIsReported() {
    QFETCH(int, box);
    QFETCH(QString, command);
    ProjectData project = Project({2, 5});
    const ProjectData before = project;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    Press(Qt::Key_Return);
    Enter("3");
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    while (Focused() != In(form, box)) {
        Press(Qt::Key_Return);
    }
    const auto run = [&] {
        if (command == QStringLiteral("Down")) {
            Press(Qt::Key_Down);
        } else if (command == QStringLiteral("Enter")) {
            Press(Qt::Key_Return);
        } else {
            ClickMenu(form, command.toLatin1().constData());
        }
    };
    Type("1..2");
    run();
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
    QCOMPARE(boxes_.seen()[0].icon, QMessageBox::Warning);
    QVERIFY(form.isVisible());
    QCOMPARE(Focused(), In(form, box));
    QCOMPARE(In(form, box)->text(), QStringLiteral("1..2"));
    QCOMPARE(In(form, 0)->text(), QStringLiteral("3.000"));
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(project, before);

    Type("1.5");
    run();
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(Cell(form, 1, 0)->text(), QStringLiteral("3.000"));
    QCOMPARE(Cell(form, box + 4, 0)->text(), QStringLiteral("1.500"));
}

void DosoFormTest::waterDepth() {
    ProjectData project = Project({2});
    project.WaterDepth = 1.2;
    GridEditorState state;
    {
        DosoForm form(project, info_, state);
        QVERIFY(Open(form));
        auto* rwl = Child<QLineEdit>(form, "RWL");
        QCOMPARE(rwl->selectedText(), QStringLiteral("1.200"));
        Type("3.5x-");
        Press(Qt::Key_Backspace);
        Type("75");
        Press(Qt::Key_Return);
        QCOMPARE(rwl->text(), QStringLiteral("3.750"));
        QCOMPARE(Focused(), In(form, 0));
        ClickMenu(form, "mnuSet");
        QCOMPARE(project.WaterDepth, 3.75);
    }
    {
        const ProjectData before = project;
        DosoForm form(project, info_, state);
        QVERIFY(Open(form));
        auto* rwl = Child<QLineEdit>(form, "RWL");
        Type("1..2");
        Press(Qt::Key_Return);
        QCOMPARE(rwl->text(), QStringLiteral("1..2"));
        ClickMenu(form, "mnuSet");
        QCOMPARE(boxes_.seen().size(), std::size_t{1});
        QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
        QVERIFY(form.isVisible());
        QCOMPARE(Focused(), rwl);
        QCOMPARE(project, before);
        Type("4");
        ClickMenu(form, "mnuSet");
        QCOMPARE(project.WaterDepth, 4.0);
    }
}

void DosoFormTest::fullTableRefusesAppendAndInsert() {
    ProjectData project = Project({});
    for (int i = 1; i <= kMaxLayers; ++i) {
        project.SoilLayers[i] = {
            static_cast<double>(i), 1, kSandy, kWeightBasic, 18, 18, 8, 0, 0, 0, 0};
    }
    project.LayerCount = kMaxLayers;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    for (const char* command : {"mnuAdd", "mnuAdd", "mnuIns", "mnuIns"}) {
        ClickMenu(form, command);
        QCOMPARE(Child<QScrollBar>(form, "VSB_Grid")->maximum(), 20);
    }
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.LayerCount, kMaxLayers);
    QCOMPARE(project.SoilLayers[kMaxLayers].Depth, 30.0);
}

void DosoFormTest::arrowsSkipHiddenBoxesAndRefreshTheThickness() {
    ProjectData project = Project({2, 5});
    project.SoilLayers[1].WeightSource = kWeightInput;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    QCOMPARE(Focused(), In(form, 2));
    // Row 2 uses the basic values: boxes 1 to 3 are hidden there.
    Press(Qt::Key_Down);
    QCOMPARE(Row(form), QStringLiteral("2"));
    QVERIFY(In(form, 2)->isHidden());
    QCOMPARE(Focused(), In(form, 0));

    Type("7");
    Press(Qt::Key_Up);
    QCOMPARE(Cell(form, 2, 1)->text(), QStringLiteral("5.000"));
    QCOMPARE(Cell(form, 1, 1)->text(), QStringLiteral("7.000"));
    QCOMPARE(Focused(), In(form, 0));
    QCOMPARE(Row(form), QStringLiteral("1"));
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.SoilLayers[2].Thickness, 5.0);
}

void DosoFormTest::storingARowRecomputesEveryThickness_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("確定") << "CMD_Set";
    QTest::newRow("Enter through the row") << "Enter";
    QTest::newRow("Down") << "Down";
    QTest::newRow("line click") << "click";
    QTest::newRow("設定") << "mnuSet";
}

// The third thickness used to stay 4.000 after the second depth changed from
// 5 to 4, and was saved, printed and charted so.
void DosoFormTest::storingARowRecomputesEveryThickness() {
    QFETCH(QString, how);
    ProjectData project = Project({2, 5, 9});
    project.SoilLayers[3].Thickness = 1;  // a file's own thickness is shown as it is
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    QCOMPARE(Thicknesses(form, 3), (QStringList{"2.000", "3.000", "1.000"}));
    ClickLine(form, 1);
    Type("4");
    if (how == QStringLiteral("CMD_Set")) {
        QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    } else if (how == QStringLiteral("Enter")) {
        for (int i = 0; i < 7; ++i) {
            Press(Qt::Key_Return);
        }
        QCOMPARE(Row(form), QStringLiteral("3"));
    } else if (how == QStringLiteral("Down")) {
        Press(Qt::Key_Down);
    } else if (how == QStringLiteral("click")) {
        ClickLine(form, 0);
    }
    if (how != QStringLiteral("mnuSet")) {
        QCOMPARE(Thicknesses(form, 4), (QStringList{"2.000", "2.000", "5.000", ""}));
        QCOMPARE(Child<QLabel>(form, "atu")->text(),
                 Cell(form, 2, form.findChild<QLabel*>("No")->text().toInt() - 1)->text());
    }
    ClickMenu(form, "mnuSet");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const double thicknesses[] = {2, 2, 5};
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(project.SoilLayers[i].Thickness, thicknesses[i - 1]);
    }
    QCOMPARE(project.SoilLayers[2].Depth, 4.0);
}

void DosoFormTest::clickIntoABoxSelectsItsText() {
    ProjectData project = Project({10});
    project.WaterDepth = 1.5;
    project.SoilLayers[1].FinesContent = 1;
    project.SoilLayers[1].WeightSource = kWeightInput;
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));
    auto* rwl = Child<QLineEdit>(form, "RWL");
    // Box, its text, what is typed after the click.
    const struct {
        QLineEdit* box;
        const char* shown;
        const char* typed;
    } clicks[] = {{In(form, 0), "10.000", "5"},
                  {In(form, 4), "1.000", "8"},
                  {In(form, 2), "18.000", "19"},
                  {rwl, "1.500", "2"}};
    for (const auto& click : clicks) {
        ClickInto(click.box);
        QCOMPARE(Focused(), click.box);
        QCOMPARE(click.box->selectedText(), QString::fromLatin1(click.shown));
        QTest::keyClicks(click.box, QString::fromLatin1(click.typed));
        QCOMPARE(click.box->text(), QString::fromLatin1(click.typed));
    }
    QCOMPARE(In(form, 2)->text(), QStringLiteral("19.000"));
    ClickInto(In(form, 0));
    QTest::keyClicks(In(form, 0), QStringLiteral("6"));
    Press(Qt::Key_Up);  // nothing above: the row stays, unstored
    QTest::mouseClick(Child<QPushButton>(form, "CMD_Set"), Qt::LeftButton);
    ClickMenu(form, "mnuSet");
    QCOMPARE(project.WaterDepth, 2.0);
    QCOMPARE(project.SoilLayers[1].Depth, 6.0);
    QCOMPARE(project.SoilLayers[1].Thickness, 6.0);
    QCOMPARE(project.SoilLayers[1].FinesContent, 8.0);
    QCOMPARE(project.SoilLayers[1].GammaT2, 19.0);
}

// What was typed used to go when another line was clicked.
void DosoFormTest::lineClickStoresTheTypingFirst() {
    ProjectData project = Project({2, 5, 9});
    GridEditorState state;
    DosoForm form(project, info_, state);
    QVERIFY(Open(form));

    // A fines content with two decimal points stops the click.
    ClickLine(form, 1);
    ClickInto(In(form, 4));
    QTest::keyClicks(In(form, 4), QStringLiteral("1..2"));
    ClickLine(form, 2);
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(boxes_.seen()[0].text, QStringLiteral("入力値に誤りがあります。"));
    QCOMPARE(Focused(), In(form, 4));
    QCOMPARE(In(form, 4)->text(), QStringLiteral("1..2"));
    QCOMPARE(Row(form), QStringLiteral("2"));
    QCOMPARE(MarkedLine(form), 1);
    QCOMPARE(Cell(form, 8, 1)->text(), QStringLiteral("10.000"));

    // Mended, the same click stores the row and moves.
    QTest::keyClicks(In(form, 4), QStringLiteral("12"));
    ClickLine(form, 2);
    QCOMPARE(boxes_.seen().size(), std::size_t{1});
    QCOMPARE(Row(form), QStringLiteral("3"));
    QCOMPARE(Cell(form, 8, 1)->text(), QStringLiteral("12.000"));

    // A soil class chosen with the mouse is an edit of the row too.
    QTest::mouseClick(Option(form, "Opt", 1), Qt::LeftButton);
    ClickLine(form, 0);
    QCOMPARE(Row(form), QStringLiteral("1"));
    QCOMPARE(Cell(form, 3, 2)->text(), QStringLiteral("粘性土"));
    QCOMPARE(Cell(form, 5, 2)->text(), QStringLiteral("19.000"));

    ClickMenu(form, "mnuSet");
    QCOMPARE(project.SoilLayers[2].FinesContent, 12.0);
    QCOMPARE(project.SoilLayers[3].SoilClass, kClayey);
    QCOMPARE(project.SoilLayers[3].GammaT1, 19.0);
}

// The remembered line used to fall back to line 0 for good after one opening
// on a table too short to show it.
void DosoFormTest::currentLineIsKeptAcrossAnEmptyTable() {
    ProjectData project = Project({2, 5, 9, 12, 15});
    GridEditorState state;
    {
        DosoForm form(project, info_, state);
        QVERIFY(Open(form));
        ClickLine(form, 3);
        ClickMenu(form, "mnuStop");
    }
    QCOMPARE(state.CurrentLine, 3);
    for (const std::initializer_list<double>& depths :
         {std::initializer_list<double>{}, std::initializer_list<double>{2, 5}}) {
        ProjectData shorter = Project(depths);
        DosoForm form(shorter, info_, state);
        QVERIFY(Open(form));
        QCOMPARE(MarkedLine(form), 0);
        QCOMPARE(Row(form), QStringLiteral("1"));
        ClickMenu(form, "mnuSet");
    }
    QCOMPARE(state.CurrentLine, 3);
    {
        DosoForm form(project, info_, state);
        QVERIFY(Open(form));
        QCOMPARE(MarkedLine(form), 3);
        QCOMPARE(Row(form), QStringLiteral("4"));
        QCOMPARE(In(form, 0)->text(), QStringLiteral("12.000"));
        ClickMenu(form, "mnuStop");
    }

    // A line chosen on the short table is what the next opening selects.
    {
        ProjectData shorter = Project({2, 5});
        DosoForm form(shorter, info_, state);
        QVERIFY(Open(form));
        Press(Qt::Key_Return);  // RWL
        Press(Qt::Key_Down);
        QCOMPARE(MarkedLine(form), 1);
        ClickMenu(form, "mnuStop");
    }
    QCOMPARE(state.CurrentLine, 1);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::DosoFormTest)
#include "doso_form_test.moc"
