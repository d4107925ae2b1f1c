#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "modal_answer.h"
#include "project/project_file.h"
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
    void FileToOpenIsTheFirstArgument_data();
    void FileToOpenIsTheFirstArgument();
    void FileGivenAtStartIsLoadedAsDataLoadDoes();
    void MissingFileGivenAtStartSaysWhyAsDataLoadDoes();
    void FileGivenAtStartOpensAfterTheBaseIniMessage();
    void WithoutAFileNothingIsLoaded();
    void BoringFileGivenAtStartIsImportedAsTheMenuDoes();

  private:
    // Start-up without the pause, asked to open `file`.
    std::unique_ptr<MainForm> StartWith(const QString& file);

    std::unique_ptr<AppState> state_;
    QTemporaryDir folder_;
};

void StartupTest::init() {
    state_ = std::make_unique<AppState>();
    state_->ProgramFolder = ToFsPath(folder_.path());
    state_->SettingsFolder = state_->ProgramFolder;
    QFile::remove(folder_.filePath("Base.ini"));  // left by an earlier test
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

std::unique_ptr<MainForm> StartupTest::StartWith(const QString& file) {
    StartupHooks hooks;
    hooks.Pause = [](std::chrono::milliseconds) {};
    return RunStartup(*state_, hooks, file);
}

void StartupTest::FileToOpenIsTheFirstArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList{"fljudge"} << QString();
    QTest::newRow("one") << QStringList{"fljudge", "/data/現場.KORV"} << QString("/data/現場.KORV");
    QTest::newRow("several") << QStringList{"fljudge", "/a.KORV", "/b.KORV"} << QString("/a.KORV");
    // Relative to the folder the program was started in, whatever happens later.
    QTest::newRow("relative") << QStringList{"fljudge", "site/a.KORV"}
                              << QDir::current().absoluteFilePath("site/a.KORV");
    QTest::newRow("empty") << QStringList{"fljudge", ""} << QString();
}

void StartupTest::FileToOpenIsTheFirstArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(FileToOpenAtStart(arguments), file);
}

void StartupTest::FileGivenAtStartIsLoadedAsDataLoadDoes() {
    const QString example = QStringLiteral(FLJUDGE_SOURCE_DIR "/examples/example.KORV");
    ProjectData expected;
    NewProject(expected, DefaultBasicInfo());
    QVERIFY(LoadProject(ToFsPath(example), DefaultBasicInfo(), expected));

    test::NextModal anyModal([](QWidget* modal) { modal->close(); });
    const std::unique_ptr<MainForm> main = StartWith(example);
    QTRY_VERIFY(state_->Project == expected);
    QVERIFY2(!anyModal.Seen(), "opening the file showed a message");
    QVERIFY(state_->Project.LayerCount > 0);

    // "データ保存" then offers the opened file.
    QStringList offered;
    main->FileDialog().SetRunner([&](QFileDialog& dialog) {
        offered = dialog.selectedFiles();
        return std::optional<QString>();
    });
    main->findChild<QAction*>("mnuSave")->trigger();
    QCOMPARE(offered, QStringList{example});
}

void StartupTest::MissingFileGivenAtStartSaysWhyAsDataLoadDoes() {
    const QString missing = folder_.filePath("missing.KORV");
    test::MessageBoxAnswer answer(QMessageBox::Ok);
    const std::unique_ptr<MainForm> main = StartWith(missing);

    QTRY_VERIFY(answer.Seen().seen);
    test::VerifyLoadFailure(answer.Seen(), missing);
    if (QTest::currentTestFailed()) {
        return;
    }
    ProjectData fresh;
    NewProject(fresh, DefaultBasicInfo());
    QVERIFY(state_->Project == fresh);
    QVERIFY(main->isVisible());
}

void StartupTest::FileGivenAtStartOpensAfterTheBaseIniMessage() {
    {
        QFile file(folder_.filePath("Base.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("20,20,10\r\n");
    }
    QStringList shown;  // first lines of the messages, in the order they came
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            shown << box->text().section("\r\n", 0, 0);
            box->button(QMessageBox::Ok)->click();
        }
    });
    answerer.start();
    const std::unique_ptr<MainForm> main = StartWith(folder_.filePath("missing.KORV"));
    QTRY_COMPARE(shown.size(), 2);
    QCOMPARE(shown, QStringList({"基本情報ファイルを読み込めませんでした",
                                 "データを読み込めませんでした"}));
}

void StartupTest::WithoutAFileNothingIsLoaded() {
    test::NextModal anyModal([](QWidget* modal) { modal->close(); });
    const std::unique_ptr<MainForm> main = StartWith(QString());
    QTest::qWait(50);
    QVERIFY(!anyModal.Seen());
    ProjectData fresh;
    NewProject(fresh, DefaultBasicInfo());
    QVERIFY(state_->Project == fresh);
}

void StartupTest::BoringFileGivenAtStartIsImportedAsTheMenuDoes() {
    // Named .KORV on purpose: the content decides, not the extension.
    const QString boring = folder_.filePath("B-4.KORV");
    QVERIFY(
        QFile::copy(QStringLiteral(FLJUDGE_SOURCE_DIR "/tests/boring/data/BED0400.XML"), boring));
    const ProjectData before = state_->Project;
    QString shown;
    test::NextModal reader([&shown](QWidget* modal) {
        shown = QString::fromLatin1(modal->metaObject()->className());
        auto* read = modal->findChild<QPushButton*>("CMD_Read");
        if (read != nullptr) {
            read->click();
        } else {
            modal->close();
        }
    });
    const std::unique_ptr<MainForm> main = StartWith(boring);
    QTRY_VERIFY(reader.Seen());
    QCOMPARE(shown, QString("fljudge::BoringImportForm"));
    QTRY_COMPARE(state_->Project.LayerCount, std::int16_t{5});
    QCOMPARE(state_->Project.NValueCount, std::int16_t{6});
    QCOMPARE(state_->Project.RegionArea, before.RegionArea);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::StartupTest)
#include "startup_test.moc"
