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

}  // namespace fljudge
