#include "cli/offscreen_rendering.h"

#include <iostream>

#include "report/qt/mincho_font.h"

namespace fljudge {

std::unique_ptr<QGuiApplication> StartOffscreenRendering() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A missing XDG_RUNTIME_DIR or a font fallback is no business of the
    // command's user.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << message.toStdString() << '\n';
        }
    });
    static int argc = 1;
    static char programName[] = "fljudge-cli";
    static char* argv[] = {programName, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    RegisterMinchoSubstitute();
    return application;
}

}  // namespace fljudge
