#include "shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

#include "boring/boring_file.h"
#include "editors/doso_form.h"
#include "editors/n_form.h"
#include "project/project_file.h"
#include "project/whole_file.h"
#include "shell/app_state.h"
#include "shell/basic_info_form.h"
#include "shell/boring_import_form.h"
#include "shell/build_info.h"
#include "shell/calculation_command.h"
#include "shell/design_form.h"
#include "shell/fs_path.h"
#include "shell/title_form.h"
#include "widgets/app_title.h"
#include "widgets/message_boxes.h"
#include "widgets/wait_cursor.h"

namespace fljudge {
namespace {

constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 36;

}  // namespace

QUrl HelpPageUrl(const QString& programFolder) {
    const QString pagePath = QStringLiteral("download/kr_tansa/help/FlHelpMain.html");
    const QFileInfo local(
        QDir(programFolder).filePath(QStringLiteral("../share/fljudge/help/") + pagePath));
    if (local.isFile()) {
        return QUrl::fromLocalFile(local.canonicalFilePath());
    }
    return QUrl(QStringLiteral("https://") + QString::fromUtf8(kHelpHost) + QStringLiteral("/") +
                pagePath);
}

MainForm::MainForm(AppState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      fileDialog_(this),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(AppTitle());

    struct ButtonEntry {
        QPushButton** button;
        const char* name;
        const char* caption;
        void (MainForm::*slot)();
    };
    const ButtonEntry buttons[] = {
        {&Command1, "Command1", "基本情報設定", &MainForm::OnBasicInfoSettings},
        {&Command2, "Command2", "設計条件設定", &MainForm::OnDesignConditionSettings},
        {&Command3, "Command3", "土層情報設定", &MainForm::OnSoilLayerSettings},
        {&Command4, "Command4", "Ｎ値情報設定", &MainForm::OnNValueSettings},
        {&Command5, "Command5", "計算結果", &MainForm::OnCalculationResults},
        {&Command6, "Command6", "終了", &MainForm::OnExit},
    };
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(28, 20, 28, 24);
    column->setSpacing(10);
    for (const ButtonEntry& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), central);
        button->setObjectName(QLatin1String(entry.name));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, entry.slot);
        column->addWidget(button);
        *entry.button = button;
    }
    setCentralWidget(central);
    // Keyboard order: basic information, soil layers, N values, design
    // conditions, results, exit.
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command2);
    setTabOrder(Command2, Command5);
    setTabOrder(Command5, Command6);

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                                void (MainForm::*slot)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    addItem(file, "mnuNew", "新規作成", &MainForm::OnNew);
    addItem(file, "mnuLoad", "データ読込", &MainForm::OnLoad);
    addItem(file, "mnuLoadBoring", "ボーリングデータ読込", &MainForm::OnLoadBoring);
    addItem(file, "mnuSave", "データ保存", &MainForm::OnSave);
    file->addSeparator();
    addItem(file, "mnuExit", "終了", &MainForm::OnExit);
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    addItem(help, "mnuHelp", "ヘルプ", &MainForm::OnHelp);
    addItem(help, "mnuVersion", "ﾊﾞｰｼﾞｮﾝ情報", &MainForm::OnVersionInfo);

    Command1->setFocus();
}

void MainForm::SetUrlOpener(UrlOpener opener) {
    openUrl_ = std::move(opener);
}

void MainForm::OnBasicInfoSettings() {
    BasicInfoForm form(state_.Basic, state_.SettingsFolder, this);
    form.exec();
}

void MainForm::OnDesignConditionSettings() {
    DesignForm form(state_.Project, state_.Basic, this);
    form.exec();
}

void MainForm::OnSoilLayerSettings() {
    DosoForm form(state_.Project, state_.Basic, soilLayerEditorState_, this);
    form.exec();
}

void MainForm::OnNValueSettings() {
    NForm form(state_.Project, state_.Basic, nValueEditorState_, this);
    form.exec();
}

void MainForm::OnCalculationResults() {
    RunCalculationCommand(this, state_.Project, state_.Basic, state_.Results);
}

void MainForm::OnExit() {
    if (AskYesNo(this, QStringLiteral("液状化判定プログラムを終了します"))) {
        close();
    }
}

void MainForm::OnNew() {
    if (AskYesNo(this, QStringLiteral("データを初期化します"))) {
        NewProject(state_.Project, state_.Basic);
    }
}

void MainForm::OnLoad() {
    const std::optional<QString> name = fileDialog_.ChooseToOpen();
    if (!name || name->isEmpty()) {
        return;
    }
    LoadProjectFile(*name);
}

void MainForm::OpenFile(const QString& name) {
    const QString absolute = QFileInfo(name).absoluteFilePath();
    // Told apart by content, as fljudge-cli does; a file that cannot be read
    // is reported as the project file it was meant to be.
    if (const FileBytes content = ReadWholeFile(ToFsPath(absolute));
        content.status && LooksLikeXml(content.bytes)) {
        ImportBoringFile(absolute);
        return;
    }
    fileDialog_.Remember(absolute);
    LoadProjectFile(absolute);
}

void MainForm::LoadProjectFile(const QString& name) {
    FileStatus status;
    {
        WaitCursor wait;
        // The project is replaced only when the whole file could be read.
        status = LoadProject(ToFsPath(name), state_.Basic, state_.Project);
        QCoreApplication::processEvents();
    }
    if (!status) {
        ShowFileError(this, QStringLiteral("データを読み込めませんでした"), name,
                      QString::fromStdString(status.reason));
    } else if (!status.warning.empty()) {
        ShowWarning(this, {name, QString::fromStdString(status.warning)});
    }
}

void MainForm::OnLoadBoring() {
    const std::optional<QString> name = fileDialog_.ChooseBoringToOpen();
    if (!name || name->isEmpty()) {
        return;
    }
    ImportBoringFile(*name);
}

void MainForm::ImportBoringFile(const QString& name) {
    BoringFile file;
    {
        WaitCursor wait;
        file = ReadBoringFile(ToFsPath(name));
        QCoreApplication::processEvents();
    }
    if (!file.status) {
        ShowFileError(this, QStringLiteral("ボーリングデータを読み込めませんでした"), name,
                      QString::fromStdString(file.status.reason));
        return;
    }
    const BoringImport imported = ImportBoring(file.column, state_.Basic);
    BoringImportForm form(imported, this);
    if (form.exec() == QDialog::Accepted) {
        // Soil layers, N values and water depth; the design conditions stay.
        ApplyBoringImport(imported, form.WaterChoice(), state_.Project);
    }
}

void MainForm::OnSave() {
    const std::optional<QString> name = fileDialog_.ChooseToSave();
    if (!name || name->isEmpty()) {
        return;
    }
    FileStatus status;
    {
        WaitCursor wait;
        // An existing file is replaced only by a completely written one.
        status = SaveProject(ToFsPath(*name), state_.Project);
    }
    if (!status) {
        ShowFileError(this, QStringLiteral("データを保存できませんでした"), *name,
                      QString::fromStdString(status.reason));
    }
}

void MainForm::OnHelp() {
    const QUrl url = HelpPageUrl(QCoreApplication::applicationDirPath());
    if (!openUrl_(url)) {
        ShowWarning(this, {QStringLiteral("ヘルプを表示するWebブラウザを起動できませんでした"),
                           url.toString()});
    }
}

void MainForm::OnVersionInfo() {
    if (versionForm_ == nullptr) {
        versionForm_ = new TitleForm(state_.StartupDone, this);
        versionForm_->setAttribute(Qt::WA_DeleteOnClose);
        versionForm_->adjustSize();
        versionForm_->move(geometry().center() - versionForm_->rect().center());
    }
    versionForm_->show();
    versionForm_->raise();
    versionForm_->activateWindow();
    versionForm_->setFocus();
}

}  // namespace fljudge
