#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <deque>
#include <vector>

#include "project/project_data.h"
#include "widgets/text_click.h"

namespace fljudge::test {

// Answers the modal message boxes a test provokes, so that no test waits on
// one. Each box met takes the next queued answer; a box with no answer queued
// is closed with its escape button and still recorded, so the test sees it.
class MessageBoxAnswerer {
  public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageBoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    void Answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    const std::vector<Seen>& seen() const { return seen_; }
    void Forget() { seen_.clear(); }
    void Reset() {
        seen_.clear();
        answers_.clear();
    }

  private:
    void Poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) {
                continue;
            }
            seen_.push_back({box->windowTitle(), box->text(), box->icon()});
            QAbstractButton* button = nullptr;
            if (!answers_.empty()) {
                button = box->button(answers_.front());
                answers_.pop_front();
            }
            if (button == nullptr) {
                button =
                    box->escapeButton() != nullptr ? box->escapeButton() : box->buttons().value(0);
            }
            button->click();
            return;
        }
    }

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<Seen> seen_;
};

template <class T = QWidget>
T* Child(const QWidget& parent, const QString& name) {
    return parent.findChild<T*>(name);
}

inline QLineEdit* In(const QWidget& form, int box) {
    return Child<QLineEdit>(form, QStringLiteral("IN_%1").arg(box));
}

inline QLabel* Cell(const QWidget& form, int column, int line) {
    return Child<QLabel>(form, QStringLiteral("LBL_Grid%1_%2").arg(column).arg(line));
}

inline QLabel* Marker(const QWidget& form, int line) {
    return Child<QLabel>(form, QStringLiteral("COL_%1").arg(line));
}

// Texts of one grid column on lines 0..9.
inline QStringList ColumnTexts(const QWidget& form, int column) {
    QStringList texts;
    for (int k = 0; k < 10; ++k) {
        texts << Cell(form, column, k)->text();
    }
    return texts;
}

// The line with the marker, -1 when none.
inline int MarkedLine(const QWidget& form) {
    int marked = -1;
    for (int k = 0; k < 10; ++k) {
        if (Marker(form, k)->text() == QStringLiteral("→")) {
            if (marked >= 0) {
                return -2;  // two markers
            }
            marked = k;
        }
    }
    return marked;
}

inline QColor Background(const QWidget* widget) {
    return widget->palette().color(widget->backgroundRole());
}

// Keys go to whatever has the focus, as they do for a user. After a message
// box the editor's window becomes active again on the next pass of the event
// loop, so this waits a little for it.
inline QWidget* Focused() {
    (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000);
    return QApplication::focusWidget();
}

inline void Press(Qt::Key key) {
    QTest::keyClick(Focused(), key);
}

inline void Type(const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(Focused(), c.toLatin1());
    }
}

// Types into the focused box, then presses Enter. A box selects its text when
// it receives the focus, so the typing replaces it.
inline void Enter(const QString& text) {
    Type(text);
    Press(Qt::Key_Return);
}

// Clicks a command of the window's menu bar with the mouse.
inline void ClickMenu(const QWidget& form, const char* name) {
    auto* bar = form.findChild<QMenuBar*>();
    auto* action = form.findChild<QAction*>(QString::fromLatin1(name));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// Clicks into an edit box with the mouse, pressing and releasing on the
// middle of its right-aligned text, where a plain click would put the caret
// inside the number.
inline void ClickInto(QLineEdit* box) {
    const QPoint at = PointOnText(box);
    QTest::mousePress(box, Qt::LeftButton, {}, at);
    QTest::mouseRelease(box, Qt::LeftButton, {}, at);
}

inline void ClickLine(const QWidget& form, int line) {
    QTest::mouseClick(Cell(form, 1, line), Qt::LeftButton);
}

// Shows the editor as the main window would, and waits until it has the focus.
inline bool Open(QDialog& form) {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

}  // namespace fljudge::test
