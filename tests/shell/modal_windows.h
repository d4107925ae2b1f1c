#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace fljudge::test {

// What a modal window showed before a handler closed it.
struct ModalSeen {
    QString className;
    QString title;
    QString text;  // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs `action`, which opens modal windows one after the other, and hands
// each to the next handler, which must close it. A modal window beyond the
// handlers is recorded and closed, so that a test fails instead of hanging.
inline std::vector<ModalSeen> RunWithModalHandlers(
    const std::function<void()>& action, std::vector<std::function<void(QWidget*)>> handlers) {
    std::vector<ModalSeen> seen;
    QPointer<QWidget> last;  // null once it is gone, so a new window at its address counts
    std::size_t next = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last || !modal->isVisible()) {
            return;
        }
        last = modal;
        ModalSeen entry{QString::fromLatin1(modal->metaObject()->className()),
                        modal->windowTitle(),
                        {},
                        QMessageBox::NoIcon,
                        {}};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            entry.text = box->text();
            entry.icon = box->icon();
            entry.buttons = box->standardButtons();
        }
        seen.push_back(entry);
        if (next < handlers.size()) {
            handlers[next++](modal);
        } else {
            modal->close();
        }
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

// A handler that closes the window as its close box would.
inline void CloseIt(QWidget* window) {
    window->close();
}

}  // namespace fljudge::test
