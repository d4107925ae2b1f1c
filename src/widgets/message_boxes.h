#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace fljudge {

// The confirmation every destructive command asks: Yes and No, no icon, the
// statement and "よろしいですか？" on two lines. True on Yes.
bool AskYesNo(QWidget* parent, const QString& statement);

// A failure the user must know of: the lines one under the other, with the
// warning icon and an OK button.
void ShowWarning(QWidget* parent, const QStringList& lines);

// A file operation that failed: what failed, the file name and the reason.
void ShowFileError(QWidget* parent, const QString& statement, const QString& fileName,
                   const QString& reason);

// A message box of the program: the text (lines joined by CR LF or LF), the
// OK button, no icon, the program's title as caption.
void ShowProgramMessage(QWidget* parent, const QString& text);

// The grid editors' boxes give the keyboard back to the editor once they have
// gone.

// "入力値に誤りがあります。" with the exclamation icon and an OK button.
void ShowInputError(QWidget* parent);

// Asks whether the current row may be deleted; true on Yes.
bool ConfirmRowDeletion(QWidget* parent);

}  // namespace fljudge
