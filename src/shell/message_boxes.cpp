#include "shell/message_boxes.h"

#include <QMessageBox>

#include "shell/app_title.h"

namespace fljudge {
namespace {

// Line breaks as the program has always written them; a plain-text message
// box shows CR LF as one line break.
const QString kLineBreak = QStringLiteral("\r\n");

}  // namespace

bool AskYesNo(QWidget* parent, const QString& statement) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle(),
                    statement + kLineBreak + QStringLiteral("よろしいですか？"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void ShowWarning(QWidget* parent, const QStringList& lines) {
    QMessageBox box(QMessageBox::Warning, AppTitle(), lines.join(kLineBreak), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ShowFileError(QWidget* parent, const QString& statement, const QString& fileName,
                   const QString& reason) {
    ShowWarning(parent, {statement, fileName, reason});
}

}  // namespace fljudge
