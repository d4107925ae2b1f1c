#pragma once

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

// Runs start-up and returns the shown main window; the program then runs
// until it is closed. A Base.ini that could not be read is reported once the
// event loop runs.
std::unique_ptr<MainForm> RunStartup(AppState& state, const StartupHooks& hooks = {});

}  // namespace fljudge
