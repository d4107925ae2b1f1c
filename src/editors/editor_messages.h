#pragma once

#include <QString>

class QWidget;

namespace fljudge {

// Caption of the editors' message boxes: the application title.
inline constexpr char kApplicationTitle[] = "液状化判定プログラム";

// "入力値に誤りがあります。" with the exclamation icon and an OK button.
void ShowInputError(QWidget* parent);

// Asks whether the current row may be deleted; true on Yes.
bool ConfirmRowDeletion(QWidget* parent);

}  // namespace fljudge
