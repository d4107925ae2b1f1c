#include "shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>

#include "modal_answer.h"
#include "project/project_file.h"
#include "shell/app_state.h"
#include "shell/application_setup.h"
#include "shell/basic_info_form.h"
#include "shell/build_info.h"
#include "shell/design_form.h"
#include "shell/fs_path.h"
#include "shell/title_form.h"

namespace fljudge {
namespace {

using test::MessageBoxAnswer;
using test::NextModal;

// A project that differs from a new one in every part.
void MakeProjectDistinct(ProjectData& project) {
    project.RegionArea = 3;
    project.RegionFactors[1] = 0.85;
    project.GroundType = 2;
    project.DesignKhLv1 = 0.128;
    project.WaterDepth = 1.5;
    project.LayerCount = 1;
    project.SoilLayers[1].Depth = 4.25;
    project.SoilLayers[1].Thickness = 4.25;
    project.SoilLayers[1].SoilClass = kClayey;
    project.NValueCount = 1;
    project.NValues[1].Depth = 2;
    project.NValues[1].N = 7;
}

QString QuestionText(const char* statement) {
    return QString::fromUtf8(statement) + "\r\nよろしいですか？";
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ButtonsInTheirOrderAndTabOrder();
    void MenusHoldTheirItems();
    void NewAsksFirst_data();
    void NewAsksFirst();
    void ExitAsksFirst_data();
    void ExitAsksFirst();
    void CloseBoxEndsWithoutAsking();
    void FileDialogIsSetUpForProjectFiles();
    void CancelledDialogChangesNothing();
    void FailedLoadKeepsTheProjectAndSaysWhy();
    void FailedSaveSaysWhy();
    void SavedProjectLoadsBack();
    void ACutFileLoadsAndSaysItMayBeCut();
    void HelpOpensTheLocalManual();
    void HelpPageIsTheLocalCopyWhenThereIsOne();
    void HelpWithoutBrowserSaysSo();
    void VersionWindowIsModelessWithCloseButton();
    void ConditionButtonsOpenTheirEditorsModal_data();
    void ConditionButtonsOpenTheirEditorsModal();

  private:
    QPushButton* Button(const char* name) { return form_->findChild<QPushButton*>(name); }
    QAction* Action(const char* name) { return form_->findChild<QAction*>(name); }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<MainForm> form_;
    QTemporaryDir folder_;
};

void MainFormTest::initTestCase() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(SetUpApplication(*app));
}

void MainFormTest::init() {
    state_ = std::make_unique<AppState>();
    state_->ProgramFolder = ToFsPath(folder_.path());
    state_->SettingsFolder = state_->ProgramFolder;
    state_->StartupDone = 1;
    NewProject(state_->Project, state_->Basic);
    MakeProjectDistinct(state_->Project);
    form_ = std::make_unique<MainForm>(*state_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void MainFormTest::cleanup() {
    form_.reset();
}

void MainFormTest::ButtonsInTheirOrderAndTabOrder() {
    QList<QPushButton*> buttons = form_->centralWidget()->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    QStringList captions;
    for (QPushButton* button : buttons) {
        captions << button->text();
        QCOMPARE(button->width(), buttons.first()->width());
        QVERIFY(button->isEnabled());
    }
    QCOMPARE(captions, QStringList({"基本情報設定", "設計条件設定", "土層情報設定", "Ｎ値情報設定",
                                    "計算結果", "終了"}));

    Button("Command1")->setFocus();
    QStringList tabOrder;
    for (int i = 0; i < 6; ++i) {
        tabOrder << QApplication::focusWidget()->property("text").toString();
        QTest::keyClick(form_->windowHandle(), Qt::Key_Tab);
    }
    QCOMPARE(tabOrder, QStringList({"基本情報設定", "土層情報設定", "Ｎ値情報設定", "設計条件設定",
                                    "計算結果", "終了"}));
}

void MainFormTest::MenusHoldTheirItems() {
    const QList<QAction*> menus = form_->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    const auto items = [](QAction* menu) {
        QStringList texts;
        for (QAction* item : menu->menu()->actions()) {
            texts << (item->isSeparator() ? QString("-") : item->text());
            if (!item->isEnabled()) {
                texts << "(disabled)";
            }
        }
        return texts;
    };
    QCOMPARE(menus[0]->text(), QString("ファイル"));
    QCOMPARE(items(menus[0]), QStringList({"新規作成", "データ読込", "ボーリングデータ読込",
                                           "データ保存", "-", "終了"}));
    QCOMPARE(menus[1]->text(), QString("ヘルプ"));
    QCOMPARE(items(menus[1]), QStringList({"ヘルプ", "ﾊﾞｰｼﾞｮﾝ情報"}));
}

void MainFormTest::NewAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the project") << false;
    QTest::newRow("Yes starts a new one") << true;
}

void MainFormTest::NewAsksFirst() {
    QFETCH(bool, yes);
    const ProjectData before = state_->Project;
    state_->Basic.RegionFactorTable[1][1] = 1.1;  // the new project takes row 1 as it is now

    MessageBoxAnswer answer(yes ? QMessageBox::Yes : QMessageBox::No);
    Action("mnuNew")->trigger();

    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().title, QString("液状化判定プログラム"));
    QCOMPARE(answer.Seen().text, QuestionText("データを初期化します"));
    QCOMPARE(answer.Seen().icon, QMessageBox::NoIcon);
    QCOMPARE(answer.Seen().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(answer.Seen().yesText, QString("はい(&Y)"));
    if (yes) {
        ProjectData fresh;
        NewProject(fresh, state_->Basic);
        QVERIFY(state_->Project == fresh);
        QCOMPARE(state_->Project.RegionFactors[1], 1.1);
        QCOMPARE(state_->Project.LayerCount, 0);
    } else {
        QVERIFY(state_->Project == before);
    }
}

void MainFormTest::ExitAsksFirst_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("yes");
    QTest::newRow("button, No") << false << false;
    QTest::newRow("button, Yes") << false << true;
    QTest::newRow("menu, No") << true << false;
    QTest::newRow("menu, Yes") << true << true;
}

void MainFormTest::ExitAsksFirst() {
    QFETCH(bool, fromMenu);
    QFETCH(bool, yes);
    const ProjectData before = state_->Project;

    MessageBoxAnswer answer(yes ? QMessageBox::Yes : QMessageBox::No);
    if (fromMenu) {
        Action("mnuExit")->trigger();
    } else {
        QTest::mouseClick(Button("Command6"), Qt::LeftButton);
    }

    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().text, QuestionText("液状化判定プログラムを終了します"));
    QCOMPARE(answer.Seen().icon, QMessageBox::NoIcon);
    QCOMPARE(answer.Seen().title, QString("液状化判定プログラム"));
    QCOMPARE(form_->isVisible(), !yes);
    QVERIFY(state_->Project == before);
}

void MainFormTest::CloseBoxEndsWithoutAsking() {
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    form_->close();
    QTest::qWait(50);
    QVERIFY(!anyModal.Seen());
    QVERIFY(!form_->isVisible());
}

void MainFormTest::FileDialogIsSetUpForProjectFiles() {
    const QString chosen = folder_.filePath("site-a");  // typed without the extension
    QString openTitle;
    QString saveTitle;
    bool openSetUp = false;
    bool saveSetUp = false;
    QStringList offeredAgain;
    form_->FileDialog().SetRunner([&](QFileDialog& dialog) -> std::optional<QString> {
        const bool common = dialog.nameFilters() == QStringList{"すべてのﾌｧｲﾙ (*.KORV)"} &&
                            dialog.defaultSuffix().isEmpty() &&
                            dialog.fileMode() == QFileDialog::AnyFile &&
                            dialog.proxyModel() != nullptr;  // sizes and dates in Japanese
        if (dialog.acceptMode() == QFileDialog::AcceptOpen) {
            openTitle = dialog.windowTitle();
            openSetUp = common;
            return chosen;
        }
        saveTitle = dialog.windowTitle();
        saveSetUp = common && !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        offeredAgain = dialog.selectedFiles();
        return std::nullopt;
    });

    MessageBoxAnswer loadError(QMessageBox::Ok);  // the stub or a missing file: it fails
    Action("mnuLoad")->trigger();
    QTRY_VERIFY(loadError.Seen().seen);
    Action("mnuSave")->trigger();

    QCOMPARE(openTitle, QString("開く"));
    QVERIFY(openSetUp);
    QCOMPARE(saveTitle, QString("名前を付けて保存"));
    QVERIFY(saveSetUp);
    QCOMPARE(offeredAgain, QStringList{chosen});
}

void MainFormTest::CancelledDialogChangesNothing() {
    const ProjectData before = state_->Project;
    form_->FileDialog().SetRunner([](QFileDialog&) { return std::optional<QString>(); });
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    Action("mnuLoad")->trigger();
    Action("mnuSave")->trigger();
    QTest::qWait(50);
    QVERIFY(!anyModal.Seen());
    QVERIFY(state_->Project == before);
    QVERIFY(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
}

void MainFormTest::FailedLoadKeepsTheProjectAndSaysWhy() {
    const ProjectData before = state_->Project;
    const QString missing = folder_.filePath("missing.KORV");
    form_->FileDialog().SetRunner([&](QFileDialog&) { return std::optional<QString>(missing); });

    MessageBoxAnswer answer(QMessageBox::Ok);
    Action("mnuLoad")->trigger();

    QVERIFY(answer.Seen().seen);
    VerifyLoadFailure(answer.Seen(), missing);
    if (QTest::currentTestFailed()) {
        return;
    }
    QVERIFY(state_->Project == before);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void MainFormTest::FailedSaveSaysWhy() {
    const QString unreachable = folder_.filePath("no-such-folder/site.KORV");
    form_->FileDialog().SetRunner(
        [&](QFileDialog&) { return std::optional<QString>(unreachable); });

    MessageBoxAnswer answer(QMessageBox::Ok);
    Action("mnuSave")->trigger();

    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    const QStringList lines = answer.Seen().text.split("\r\n");
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("データを保存できませんでした"));
    QCOMPARE(lines[1], unreachable);
    QVERIFY(!QFile::exists(unreachable));
}

void MainFormTest::SavedProjectLoadsBack() {
    const QString path = folder_.filePath("現場.KORV");
    form_->FileDialog().SetRunner([&](QFileDialog&) { return std::optional<QString>(path); });
    const ProjectData saved = state_->Project;

    NextModal anyModal([](QWidget* modal) { modal->close(); });
    Action("mnuSave")->trigger();
    QVERIFY2(!anyModal.Seen(), "saving showed a message");
    QVERIFY(QFile::exists(path));

    NewProject(state_->Project, state_->Basic);
    Action("mnuLoad")->trigger();
    QVERIFY2(!anyModal.Seen(), "loading showed a message");
    QVERIFY(state_->Project == saved);
}

void MainFormTest::ACutFileLoadsAndSaysItMayBeCut() {
    const QString path = folder_.filePath("cut.KORV");
    std::string bytes = ProjectFileBytes(state_->Project).value();
    bytes.resize(bytes.size() - 2);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    const ProjectData saved = state_->Project;
    NewProject(state_->Project, state_->Basic);
    form_->FileDialog().SetRunner([&](QFileDialog&) { return std::optional<QString>(path); });

    MessageBoxAnswer answer(QMessageBox::Ok);
    Action("mnuLoad")->trigger();

    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    QCOMPARE(
        answer.Seen().text.split("\r\n"),
        QStringList(
            {path, "ファイルの最後が改行で終わっていません。途中で切れている可能性があります。"}));
    QVERIFY(state_->Project == saved);
}

void MainFormTest::HelpOpensTheLocalManual() {
    QList<QUrl> opened;
    form_->SetUrlOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    Action("mnuHelp")->trigger();
    QTest::qWait(50);
    QVERIFY(!anyModal.Seen());
    QCOMPARE(opened.size(), 1);
    // The build copies the manual beside the program as the installation does.
    QVERIFY2(opened[0].isLocalFile(), qPrintable(opened[0].toString()));
    QVERIFY(
        opened[0].path().endsWith("/share/fljudge/help/download/kr_tansa/help/FlHelpMain.html"));
    QVERIFY(QFileInfo(opened[0].toLocalFile()).isFile());
}

void MainFormTest::HelpPageIsTheLocalCopyWhenThereIsOne() {
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    const QString programFolder = prefix.filePath("bin");

    const QUrl remote = HelpPageUrl(programFolder);
    QCOMPARE(remote.scheme(), QString("https"));
    QCOMPARE(remote.host(), QString::fromUtf8(kHelpHost));
    QCOMPARE(remote.path(), QString("/download/kr_tansa/help/FlHelpMain.html"));

    const QString pageFolder = prefix.filePath("share/fljudge/help/download/kr_tansa/help");
    QVERIFY(QDir().mkpath(pageFolder));
    QFile page(pageFolder + "/FlHelpMain.html");
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    QCOMPARE(HelpPageUrl(programFolder), QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()));
}

void MainFormTest::HelpWithoutBrowserSaysSo() {
    form_->SetUrlOpener([](const QUrl&) { return false; });
    MessageBoxAnswer answer(QMessageBox::Ok);
    Action("mnuHelp")->trigger();
    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    QVERIFY(answer.Seen().text.contains(
        HelpPageUrl(QCoreApplication::applicationDirPath()).toString()));
    QVERIFY(form_->isVisible());
}

void MainFormTest::VersionWindowIsModelessWithCloseButton() {
    Action("mnuVersion")->trigger();
    Action("mnuVersion")->trigger();  // the open window comes to the front, no second one
    const QList<TitleForm*> windows = form_->findChildren<TitleForm*>();
    QCOMPARE(windows.size(), 1);
    TitleForm* version = windows[0];
    QVERIFY(version->isVisible());
    QVERIFY(version->findChild<QPushButton*>("Command1")->isVisible());
    QVERIFY(!version->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // The main window still takes commands while the version window is open.
    MessageBoxAnswer answer(QMessageBox::No);
    QTest::mouseClick(Button("Command6"), Qt::LeftButton);
    QVERIFY(answer.Seen().seen);

    QTest::mouseClick(version->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(form_->findChildren<TitleForm*>().isEmpty());
}

void MainFormTest::ConditionButtonsOpenTheirEditorsModal_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("editor");
    QTest::newRow("基本情報設定") << "Command1"
                                  << "BasicInfoForm";
    QTest::newRow("設計条件設定") << "Command2"
                                  << "DesignForm";
}

void MainFormTest::ConditionButtonsOpenTheirEditorsModal() {
    QFETCH(QString, button);
    QFETCH(QString, editor);
    QString opened;
    bool modal = false;
    NextModal next([&](QWidget* window) {
        opened = window->objectName();
        modal = window->isModal();
        window->close();
    });
    QTest::mouseClick(Button(button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(opened, editor);
    QVERIFY(modal);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::MainFormTest)
#include "main_form_test.moc"
