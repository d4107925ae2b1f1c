#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace fljudge::test {

// Hands the next modal window that opens to `handle`, which must close it.
// Set it up before the action that opens the window.
class NextModal : public QObject {
  public:
    explicit NextModal(std::function<void(QWidget*)> handle);

    bool Seen() const { return seen_; }

  private:
    void Poll();

    std::function<void(QWidget*)> handle_;
    QTimer timer_;
    bool seen_ = false;
};

// What a message box showed.
struct BoxSeen {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString yesText;
};

// Answers the next message box by clicking `answer`, noting what it showed.
class MessageBoxAnswer {
  public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer);

    const BoxSeen& Seen() const { return seen_; }

  private:
    BoxSeen seen_;
    NextModal next_;
};

// Checks that `seen` is the warning about a project file that could not be
// read: the program's title, then the lines "データを読み込めませんでした",
// the path and the reason.
void VerifyLoadFailure(const BoxSeen& seen, const QString& path);

}  // namespace fljudge::test
