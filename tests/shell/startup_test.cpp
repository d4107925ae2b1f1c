#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "modal_answer.h"
#include "shell/app_state.h"
#include "shell/fs_path.h"
#include "shell/main_form.h"
#include "shell/title_form.h"

namespace fljudge {
namespace {

TitleForm* VisibleTitle() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* title = qobject_cast<TitleForm*>(widget);
            title != nullptr && title->isVisible()) {
            return title;
        }
    }
    return nullptr;
}

bool AnyMainForm() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MainForm*>(widget) != nullptr) {
            return true;
        }
    }
    return false;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void RunsTheStepsInOrder();
    void TitleStaysOnScreenForTheWholePause();
    void UnreadableBaseIniIsReportedOnceTheMainWindowIsUp();

  private:
    std::unique_ptr<AppState> state_;
    QTemporaryDir folder_;
};

void StartupTest::init() {
    state_ = std::make_unique<AppState>();
    state_->ProgramFolder = ToFsPath(folder_.path());
    // Whatever the records held before start-up must not survive it.
    state_->StartupDone = 7;
    state_->Project.LayerCount = 3;
    state_->Basic.SeismicCoefTable[1][1] = 9;
}

void StartupTest::RunsTheStepsInOrder() {
    std::vector<StartupStep> steps;
    bool titleWithoutButton = false;
    bool mainFormDuringPause = true;
    std::chrono::milliseconds pause{};
    StartupHooks hooks;
    hooks.Pause = [&](std::chrono::milliseconds time) {
        pause = time;
        TitleForm* title = VisibleTitle();
        titleWithoutButton =
            title != nullptr && !title->findChild<QPushButton*>("Command1")->isVisible();
        mainFormDuringPause = AnyMainForm();
    };
    hooks.Observe = [&](StartupStep step) {
        steps.push_back(step);
        switch (step) {
            case StartupStep::FlagCleared:
                QCOMPARE(state_->StartupDone, 0);
                break;
            case StartupStep::ProjectCreated: {
                ProjectData fresh;
                NewProject(fresh, DefaultBasicInfo());
                QVERIFY(state_->Basic == DefaultBasicInfo());
                QVERIFY(state_->Project == fresh);
                break;
            }
            case StartupStep::MainFormCreated:
                QVERIFY(VisibleTitle() != nullptr);
                QCOMPARE(state_->StartupDone, 0);
                break;
            case StartupStep::TitleClosed:
                QCOMPARE(VisibleTitle(), nullptr);
                break;
            default:
                break;
        }
    };

    const std::unique_ptr<MainForm> main = RunStartup(*state_, hooks);

    const std::vector<StartupStep> expected = {
        StartupStep::FlagCleared, StartupStep::BasicInfoRead, StartupStep::ProjectCreated,
        StartupStep::TitleShown,  StartupStep::Paused,        StartupStep::MainFormCreated,
        StartupStep::TitleClosed, StartupStep::FlagSet,       StartupStep::MainFormShown,
    };
    QVERIFY(steps == expected);
    QCOMPARE(pause, std::chrono::milliseconds(1500));
    QVERIFY(titleWithoutButton);
    QVERIFY(!mainFormDuringPause);
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QString("液状化判定プログラム"));
    QCOMPARE(state_->StartupDone, 1);
}

void StartupTest::TitleStaysOnScreenForTheWholePause() {
    QElapsedTimer clock;
    bool titleShownAtEnd = false;
    StartupHooks hooks;
    hooks.Observe = [&](StartupStep step) {
        if (step == StartupStep::TitleShown) {
            clock.start();
        } else if (step == StartupStep::Paused) {
            titleShownAtEnd = VisibleTitle() != nullptr;
        }
    };
    const std::unique_ptr<MainForm> main = RunStartup(*state_, hooks);
    QVERIFY(clock.elapsed() >= 1500);
    QVERIFY(titleShownAtEnd);
    QVERIFY(main->isVisible());
}

void StartupTest::UnreadableBaseIniIsReportedOnceTheMainWindowIsUp() {
    {
        QFile file(folder_.filePath("Base.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("20,20,10\r\n");  // ends after 3 of its 33 numbers
    }
    test::MessageBoxAnswer answer(QMessageBox::Ok);
    StartupHooks hooks;
    hooks.Pause = [](std::chrono::milliseconds) {};
    const std::unique_ptr<MainForm> main = RunStartup(*state_, hooks);

    QTRY_VERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    QVERIFY(answer.Seen().text.contains(folder_.filePath("Base.ini")));
    QVERIFY(main->isVisible());
    QCOMPARE(state_->StartupDone, 1);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::StartupTest)
#include "startup_test.moc"
