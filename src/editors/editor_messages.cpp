#include "editors/editor_messages.h"

#include <QMessageBox>

namespace fljudge {
namespace {

// Hands the keyboard back to the editor once the box has gone; without a
// window manager nothing else makes its window active again.
int Run(QMessageBox& box, QWidget* parent) {
    const int answer = box.exec();
    if (parent != nullptr) {
        parent->window()->activateWindow();
    }
    return answer;
}

}  // namespace

void ShowInputError(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                    QStringLiteral("入力値に誤りがあります。"), QMessageBox::Ok, parent);
    Run(box, parent);
}

bool ConfirmRowDeletion(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kApplicationTitle),
                    QStringLiteral("対象データを削除します。\r\nよろしいですか？"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return Run(box, parent) == QMessageBox::Yes;
}

}  // namespace fljudge
