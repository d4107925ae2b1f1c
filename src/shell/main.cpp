#include <QApplication>
#include <QIcon>
#include <memory>

#include "shell/app_state.h"
#include "shell/application_setup.h"
#include "shell/build_info.h"
#include "shell/fs_path.h"
#include "shell/main_form.h"
#include "shell/settings_folder.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    fljudge::SetUpApplication(app);
    // Lets the desktop match the windows with the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(fljudge::kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromUtf8(fljudge::kAppId)));

    // Large tables; they live as long as the program.
    auto state = std::make_unique<fljudge::AppState>();
    state->ProgramFolder = fljudge::ToFsPath(QCoreApplication::applicationDirPath());
    state->SettingsFolder =
        fljudge::ChooseSettingsFolder(state->ProgramFolder, fljudge::CurrentUserEnvironment());
    const std::unique_ptr<fljudge::MainForm> mainForm =
        fljudge::RunStartup(*state, {}, fljudge::FileToOpenAtStart(QCoreApplication::arguments()));
    return QApplication::exec();
}
