#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

namespace fljudge {

struct AppState;
class MainForm;

// The steps of start-up, in the order they run.
enum class StartupStep {
    FlagCleared,     // StartupDone = 0
    BasicInfoRead,   // Base.ini or the built-in defaults
    ProjectCreated,  // NewProject
    TitleShown,      // painted, before the pause
    Paused,
    MainFormCreated,  // not shown yet
    TitleClosed,
    FlagSet,  // StartupDone = 1
    MainFormShown,
};

inline constexpr std::chrono::milliseconds kTitlePause{1500};

struct StartupHooks {
    // Waits while the title is on screen. By default the title keeps being
    // painted and user input waits until the main window is there.
    std::function<void(std::chrono::milliseconds)> Pause;
    // Told after each step; lets tests look at the windows on the way.
    std::function<void(StartupStep)> Observe;
};

// The file the program is asked to open: the first argument after the
// program's name (the others are ignored) as an absolute name, relative to
// the folder the program was started in; empty when there is none.
QString FileToOpenAtStart(const QStringList& arguments);

// Runs start-up and returns the shown main window; the program then runs
// until it is closed. Once the event loop runs, a Base.ini that could not be
// read is reported, then `fileToOpen`, when given, is opened as the main
// window opens a file (MainForm::OpenFile).
std::unique_ptr<MainForm> RunStartup(AppState& state, const StartupHooks& hooks = {},
                                     const QString& fileToOpen = {});

}  // namespace fljudge
