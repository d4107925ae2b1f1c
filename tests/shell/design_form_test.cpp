#include "shell/design_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "widgets/number_field.h"

namespace fljudge {

class DesignFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void NewProjectShowsA1AndGroundTypeI();
    void TableOptionsGiveThreeDecimalProducts();
    void InputShowsTheFieldsInPlaceOfTheLabels();
    void EntryFieldsTakeOnlyDigitsAndPoint_data();
    void EntryFieldsTakeOnlyDigitsAndPoint();
    void EmptyOrNonNumericFieldBecomesZero_data();
    void EmptyOrNonNumericFieldBecomesZero();
    void SetTakesTheValueStillBeingTyped();
    void OptionsSwallowTypedCharacters();
    void EnterFollowsTheCycle();
    void CancelChangesNothing();
    void OutOfRangeCodesOpenAsInput();

  private:
    void Open();
    QRadioButton* Option(const char* group, int index);
    QLabel* Label(const char* group, int k);
    NumberField* Field(const char* group, int k);
    QStringList Texts(const char* group);
    void Choose(const char* group, int index);
    void ChooseMenu(const char* name);
    void TypeInto(NumberField* field, const QString& text);

    BasicInfo info_;
    ProjectData project_;
    std::unique_ptr<DesignForm> form_;
};

void DesignFormTest::init() {
    info_ = DefaultBasicInfo();
    NewProject(project_, info_);
    Open();
}

void DesignFormTest::cleanup() {
    form_.reset();
}

void DesignFormTest::Open() {
    form_ = std::make_unique<DesignForm>(project_, info_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

QRadioButton* DesignFormTest::Option(const char* group, int index) {
    return form_->findChild<QRadioButton*>(QString("Opt%1_%2").arg(group).arg(index));
}

QLabel* DesignFormTest::Label(const char* group, int k) {
    return form_->findChild<QLabel*>(QString("Lab%1_%2").arg(group).arg(k));
}

NumberField* DesignFormTest::Field(const char* group, int k) {
    return form_->findChild<NumberField*>(QString("Txt%1_%2").arg(group).arg(k));
}

// The three values of a row as the user sees them: labels or fields.
QStringList DesignFormTest::Texts(const char* group) {
    QStringList texts;
    for (int k = 0; k < 3; ++k) {
        NumberField* field = Field(group, k);
        texts << (field != nullptr && field->isVisible() ? field->text() : Label(group, k)->text());
    }
    return texts;
}

void DesignFormTest::Choose(const char* group, int index) {
    QTest::mouseClick(Option(group, index), Qt::LeftButton);
}

void DesignFormTest::ChooseMenu(const char* name) {
    QMenuBar* bar = form_->findChild<QMenuBar*>();
    QAction* action = form_->findChild<QAction*>(name);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// Types character by character, also characters QTest has no key for.
void DesignFormTest::TypeInto(NumberField* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::KeyAction::Click, QApplication::focusWidget(),
                                Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void DesignFormTest::NewProjectShowsA1AndGroundTypeI() {
    QCOMPARE(form_->windowTitle(), QString("設計条件設定"));
    QVERIFY(Option("Region", 0)->isChecked());
    QCOMPARE(Option("Region", 0)->text(), QString("A1"));
    QCOMPARE(Option("Region", 5)->text(), QString("入力"));
    QVERIFY(Option("Ground", 0)->isChecked());
    QCOMPARE(Option("Ground", 2)->text(), QString("Ⅲ種"));
    QCOMPARE(Texts("Region"), QStringList({"1.000", "1.200", "1.000"}));
    QCOMPARE(Texts("Ground"), QStringList({"0.120", "0.500", "0.800"}));
    QCOMPARE(Texts("Design"), QStringList({"0.120", "0.600", "0.800"}));
    for (int k = 0; k < 3; ++k) {
        QVERIFY(!Field("Region", k)->isVisible());
        QVERIFY(Label("Region", k)->isVisible());
    }
}

void DesignFormTest::TableOptionsGiveThreeDecimalProducts() {
    Choose("Region", 2);  // B1
    Choose("Ground", 2);  // III種
    QCOMPARE(Texts("Region"), QStringList({"0.850", "1.200", "0.850"}));
    QCOMPARE(Texts("Ground"), QStringList({"0.180", "0.400", "0.600"}));
    QCOMPARE(Texts("Design"), QStringList({"0.153", "0.480", "0.510"}));

    ChooseMenu("mnuSet");
    QVERIFY(!form_->isVisible());
    QCOMPARE(project_.RegionArea, 3);
    QCOMPARE(project_.GroundType, 3);
    QCOMPARE(project_.RegionFactors[1], 0.85);
    QCOMPARE(project_.StdSeismicCoefs[3], 0.6);
    // Exactly the values shown, not the full-precision products.
    QVERIFY(project_.DesignKhLv1 == 0.153);
    QVERIFY(project_.DesignKhLv2T1 == 0.48);
    QVERIFY(project_.DesignKhLv2T2 == 0.51);
}

void DesignFormTest::InputShowsTheFieldsInPlaceOfTheLabels() {
    Choose("Region", 5);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(Field("Region", k)->isVisible());
        QVERIFY(!Label("Region", k)->isVisible());
        QCOMPARE(Field("Region", k)->geometry(), Label("Region", k)->geometry());
    }
    QCOMPARE(Texts("Region"), QStringList({"1.000", "1.200", "1.000"}));

    TypeInto(Field("Region", 0), "1.1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(Field("Region", 0)->text(), QString("1.100"));
    QCOMPARE(Texts("Design"), QStringList({"0.132", "0.600", "0.800"}));

    // Input stays with its typed values; a table row replaces them.
    Choose("Region", 1);  // A2
    QCOMPARE(Texts("Region"), QStringList({"1.000", "1.000", "1.000"}));
    QCOMPARE(Texts("Design"), QStringList({"0.120", "0.500", "0.800"}));
    Choose("Region", 5);
    QCOMPARE(Field("Region", 0)->text(), QString("1.000"));
}

void DesignFormTest::EntryFieldsTakeOnlyDigitsAndPoint_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // before leaving the field
    QTest::newRow("digits and point") << "0.25"
                                      << "0.25";
    QTest::newRow("letters") << "1a2b"
                             << "12";
    QTest::newRow("minus sign") << "-3"
                                << "3";
    QTest::newRow("plus, comma, blank, exponent") << "+4, 5e1"
                                                  << "451";
    QTest::newRow("full-width digit") << "１2"
                                      << "2";
}

void DesignFormTest::EntryFieldsTakeOnlyDigitsAndPoint() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Choose("Ground", 3);
    TypeInto(Field("Ground", 1), typed);
    QCOMPARE(Field("Ground", 1)->text(), shown);

    // Backspace still edits; Ctrl+V is a typed character like the others.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(Field("Ground", 1)->text(), shown.chopped(1));
    QApplication::clipboard()->setText("-9x");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Field("Ground", 1)->text(), shown.chopped(1));
}

void DesignFormTest::EmptyOrNonNumericFieldBecomesZero_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("design");  // x Lv2-2 0.800
    QTest::newRow("empty") << ""
                           << "0.000"
                           << "0.000";
    QTest::newRow("lone point") << "."
                                << "0.000"
                                << "0.000";
    QTest::newRow("two points") << "1.2.5"
                                << "1.200"
                                << "0.960";
}

void DesignFormTest::EmptyOrNonNumericFieldBecomesZero() {
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(QString, design);
    Choose("Region", 5);
    TypeInto(Field("Region", 2), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::mouseClick(Field("Region", 0), Qt::LeftButton);
    QCOMPARE(Field("Region", 2)->text(), label);
    QCOMPARE(Label("Region", 2)->text(), label);
    QCOMPARE(Texts("Design")[2], design);
}

void DesignFormTest::SetTakesTheValueStillBeingTyped() {
    Choose("Region", 5);
    Choose("Ground", 3);
    TypeInto(Field("Ground", 0), "0.2");  // the focus stays in the field
    ChooseMenu("mnuSet");
    QCOMPARE(project_.RegionArea, 6);
    QCOMPARE(project_.GroundType, 4);
    QCOMPARE(project_.StdSeismicCoefs[1], 0.2);
    QVERIFY(project_.DesignKhLv1 == 0.2);
}

void DesignFormTest::OptionsSwallowTypedCharacters() {
    Option("Region", 0)->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "a1 ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(Option("Region", 0)->isChecked());
    QCOMPARE(QApplication::focusWidget(), Option("Region", 0));
    // Arrows still move between the options, choosing them.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(Option("Region", 1)->isChecked());
    QCOMPARE(Texts("Region"), QStringList({"1.000", "1.000", "1.000"}));
}

void DesignFormTest::EnterFollowsTheCycle() {
    const auto enterFrom = [](QWidget* widget) {
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return QApplication::focusWidget();
    };
    // Table options: Enter goes between the two chosen options.
    Choose("Region", 3);
    Choose("Ground", 1);
    QCOMPARE(enterFrom(Option("Region", 3)), Option("Ground", 1));
    QCOMPARE(enterFrom(Option("Ground", 1)), Option("Region", 3));

    // Input: region option, its three fields, ground option, its fields, back.
    Choose("Region", 5);
    Choose("Ground", 3);
    QCOMPARE(enterFrom(Option("Region", 5)), Field("Region", 0));
    QCOMPARE(enterFrom(Field("Region", 0)), Field("Region", 1));
    QCOMPARE(enterFrom(Field("Region", 1)), Field("Region", 2));
    QCOMPARE(enterFrom(Field("Region", 2)), Option("Ground", 3));
    QCOMPARE(enterFrom(Option("Ground", 3)), Field("Ground", 0));
    QCOMPARE(enterFrom(Field("Ground", 0)), Field("Ground", 1));
    QCOMPARE(enterFrom(Field("Ground", 1)), Field("Ground", 2));
    QCOMPARE(enterFrom(Field("Ground", 2)), Option("Region", 5));
    QVERIFY(form_->isVisible());
}

void DesignFormTest::CancelChangesNothing() {
    const ProjectData before = project_;
    Choose("Region", 4);
    Choose("Ground", 3);
    TypeInto(Field("Ground", 2), "9");
    ChooseMenu("mnuCancel");
    QVERIFY(!form_->isVisible());
    QVERIFY(project_ == before);

    Open();
    Choose("Region", 2);
    form_->close();
    QVERIFY(project_ == before);
}

// A project file may carry any code; the window must still open and show
// the project's own values.
void DesignFormTest::OutOfRangeCodesOpenAsInput() {
    project_.RegionArea = 9;
    project_.RegionFactors[1] = 1.25;
    project_.GroundType = 0;
    project_.StdSeismicCoefs[2] = 0.333;
    Open();
    QVERIFY(Option("Region", 5)->isChecked());
    QVERIFY(Option("Ground", 3)->isChecked());
    QCOMPARE(Texts("Region")[0], QString("1.250"));
    QCOMPARE(Texts("Ground")[1], QString("0.333"));
}

}  // namespace fljudge

QTEST_MAIN(fljudge::DesignFormTest)
#include "design_form_test.moc"
