#include "shell/calculation_command.h"

#include <QLabel>
#include <QtTest>

#include "report/qt/mincho_font.h"
#include "shell/calc_form.h"
#include "shell/modal_windows.h"

namespace fljudge {
namespace {

// What the stand-in steps report; the command takes plain function pointers.
CheckResult gCheck;
int gCalculations = 0;

CheckResult FakeCheck(const ProjectData&) {
    return gCheck;
}

void FakeCalculation(const ProjectData&, const BasicInfo&, CalcResults& results) {
    ++gCalculations;
    results.CalcPointCount = 45;
}

constexpr CalculationSteps kFakeSteps = {FakeCheck, FakeCalculation};

}  // namespace

class CalculationCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterMinchoSubstitute(); }
    void init() { gCalculations = 0; }

    void aStopIsToldAndNothingIsCalculated() {
        gCheck = {CheckOutcome::Stop, "Ｎ値情報がありません"};
        const auto seen = test::RunWithModalHandlers(
            [&] { RunCalculationCommand(nullptr, project_, basicInfo_, results_, kFakeSteps); },
            {test::CloseIt});
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].className, QStringLiteral("QMessageBox"));
        QCOMPARE(seen[0].text, QStringLiteral("Ｎ値情報がありません"));
        QCOMPARE(seen[0].title, QStringLiteral("液状化判定プログラム"));
        QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(gCalculations, 0);
    }

    void aNoticeIsToldThenTheResultsWindowOpensOnTheNewResults() {
        gCheck = {CheckOutcome::Notice,
                  "土層情報の深度が昇順になってません\r\nソートを行い計算を行います"};
        QString label;
        int calculationsBeforeWindow = -1;
        const auto seen = test::RunWithModalHandlers(
            [&] { RunCalculationCommand(nullptr, project_, basicInfo_, results_, kFakeSteps); },
            {[](QWidget* box) { box->close(); },
             [&](QWidget* window) {
                 calculationsBeforeWindow = gCalculations;
                 label = window->findChild<QLabel*>(QStringLiteral("LabP"))->text();
                 window->close();
             }});
        QCOMPARE(seen.size(), std::size_t{2});
        QCOMPARE(seen[0].text,
                 QStringLiteral("土層情報の深度が昇順になってません\nソートを行い計算を行います"));
        QCOMPARE(seen[1].className, QStringLiteral("fljudge::CalcForm"));
        QCOMPARE(seen[1].title, QStringLiteral("計算結果"));
        QCOMPARE(calculationsBeforeWindow, 1);
        QCOMPARE(label, QStringLiteral("1/14"));  // 45 points from the calculation
    }

    void passingChecksOpenTheWindowWithoutAMessage() {
        gCheck = {};
        const auto seen = test::RunWithModalHandlers(
            [&] { RunCalculationCommand(nullptr, project_, basicInfo_, results_, kFakeSteps); },
            {test::CloseIt});
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].className, QStringLiteral("fljudge::CalcForm"));
        QCOMPARE(gCalculations, 1);
    }

  private:
    ProjectData project_;
    BasicInfo basicInfo_;
    CalcResults results_;
};

}  // namespace fljudge

QTEST_MAIN(fljudge::CalculationCommandTest)
#include "calculation_command_test.moc"
