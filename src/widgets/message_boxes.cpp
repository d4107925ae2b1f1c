#include "widgets/message_boxes.h"

#include <QMessageBox>

#include "widgets/app_title.h"

namespace fljudge {
namespace {

// Line breaks as the program has always written them; a plain-text message
// box shows CR LF as one line break.
const QString kLineBreak = QStringLiteral("\r\n");

// Hands the keyboard back to the editor once the box has gone; without a
// window manager nothing else makes its window active again.
int RunInEditor(QMessageBox& box, QWidget* parent) {
    const int answer = box.exec();
    if (parent != nullptr) {
        parent->window()->activateWindow();
    }
    return answer;
}

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

void ShowProgramMessage(QWidget* parent, const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, AppTitle(), lines, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ShowInputError(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, AppTitle(), QStringLiteral("入力値に誤りがあります。"),
                    QMessageBox::Ok, parent);
    RunInEditor(box, parent);
}

bool ConfirmRowDeletion(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, AppTitle(),
                    QStringLiteral("対象データを削除します。\r\nよろしいですか？"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return RunInEditor(box, parent) == QMessageBox::Yes;
}

}  // namespace fljudge
