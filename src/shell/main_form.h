#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <functional>

#include "editors/grid_editor_state.h"
#include "shell/project_file_dialog.h"

class QAction;
class QPushButton;

namespace fljudge {

struct AppState;
class TitleForm;

// The manual: the local copy that the build and the installation put beside
// the program (<folder of the executable>/../share/fljudge/help), or the help
// server's page when there is none.
QUrl HelpPageUrl(const QString& programFolder);

// "液状化判定プログラム": the launcher. Six buttons open the editors, run the
// calculation and end the program; the menus hold New, Load, Save, Exit, the
// help page and the version window. Closing it ends the program.
class MainForm : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainForm(AppState& state, QWidget* parent = nullptr);

    ProjectFileDialog& FileDialog() { return fileDialog_; }

    // Opens a file named from outside the program (the command line, a
    // double-click in the desktop) as its own menu command would: a project
    // file as "データ読込" loads it, with the same message when it fails (the
    // name is then offered by the file dialog as if chosen there), a boring
    // exchange file as "ボーリングデータ読込" imports it.
    void OpenFile(const QString& name);

    // Opens a web page in the system's browser; false when none could be started.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener);

  private slots:
    void OnBasicInfoSettings();
    void OnDesignConditionSettings();
    void OnSoilLayerSettings();
    void OnNValueSettings();
    void OnCalculationResults();
    void OnExit();
    void OnNew();
    void OnLoad();
    void OnLoadBoring();
    void OnSave();
    void OnHelp();
    void OnVersionInfo();

  private:
    void LoadProjectFile(const QString& name);
    void ImportBoringFile(const QString& name);

    AppState& state_;
    ProjectFileDialog fileDialog_;
    UrlOpener openUrl_;
    QPointer<TitleForm> versionForm_;
    // Each grid editor's state lives as long as the program (kept across openings).
    GridEditorState soilLayerEditorState_;
    GridEditorState nValueEditorState_;

    // From top to bottom: 基本情報設定, 設計条件設定, 土層情報設定, Ｎ値情報設定,
    // 計算結果, 終了.
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
};

}  // namespace fljudge
