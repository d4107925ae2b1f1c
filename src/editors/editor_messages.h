#pragma once

#include <QString>

#include "project/application_title.h"

class QWidget;

namespace fljudge {

// "入力値に誤りがあります。" with the exclamation icon and an OK button.
void ShowInputError(QWidget* parent);

// Asks whether the current row may be deleted; true on Yes.
bool ConfirmRowDeletion(QWidget* parent);

}  // namespace fljudge
