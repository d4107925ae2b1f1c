#include "shell/startup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "project/basic_info_file.h"
#include "shell/app_state.h"
#include "shell/fs_path.h"
#include "shell/main_form.h"
#include "shell/title_form.h"
#include "widgets/message_boxes.h"

namespace fljudge {
namespace {

void PauseWithTitle(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void CentreOnScreen(QWidget& window) {
    window.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

}  // namespace

QString FileToOpenAtStart(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty()) {
        return {};
    }
    return QFileInfo(arguments[1]).absoluteFilePath();
}

std::unique_ptr<MainForm> RunStartup(AppState& state, const StartupHooks& hooks,
                                     const QString& fileToOpen) {
    const auto observe = [&hooks](StartupStep step) {
        if (hooks.Observe) {
            hooks.Observe(step);
        }
    };

    state.StartupDone = 0;
    observe(StartupStep::FlagCleared);

    const FileStatus basicRead = LoadBasicInfo(state.Basic, state.SettingsFolder);
    observe(StartupStep::BasicInfoRead);

    NewProject(state.Project, state.Basic);
    observe(StartupStep::ProjectCreated);

    QPointer<TitleForm> title = new TitleForm(state.StartupDone);
    title->setAttribute(Qt::WA_DeleteOnClose);
    CentreOnScreen(*title);
    title->show();
    QCoreApplication::processEvents();
    title->repaint();
    observe(StartupStep::TitleShown);

    if (hooks.Pause) {
        hooks.Pause(kTitlePause);
    } else {
        PauseWithTitle(kTitlePause);
    }
    observe(StartupStep::Paused);

    auto main = std::make_unique<MainForm>(state);
    CentreOnScreen(*main);
    observe(StartupStep::MainFormCreated);

    if (title != nullptr) {
        title->close();
    }
    observe(StartupStep::TitleClosed);

    state.StartupDone = 1;
    observe(StartupStep::FlagSet);

    main->show();
    observe(StartupStep::MainFormShown);

    if (!basicRead || !fileToOpen.isEmpty()) {
        // One after the other: the file's own message, if any, follows the
        // Base.ini message instead of opening on top of it.
        QTimer::singleShot(0, main.get(), [window = main.get(), &state, basicRead, fileToOpen] {
            if (!basicRead) {
                ShowFileError(window, QStringLiteral("基本情報ファイルを読み込めませんでした"),
                              FromFsPath(state.SettingsFolder / kBasicInfoFileName),
                              QString::fromStdString(basicRead.reason));
            }
            if (!fileToOpen.isEmpty()) {
                window->OpenFile(fileToOpen);
            }
        });
    }
    return main;
}

}  // namespace fljudge
