#pragma once

class QApplication;

namespace fljudge {

// What every run needs before the first window: the "ＭＳ 明朝" substitute as
// the font of every window, Japanese as the default locale, and Qt's own texts
// (message-box buttons, file and print dialogs) in Japanese. False when the
// Japanese texts are missing; the program still runs, with English buttons.
bool SetUpApplication(QApplication& app);

}  // namespace fljudge
