#pragma once

#include <QLineEdit>

namespace fljudge {

// Selects the whole text of an edit field, so that typing replaces it; done
// whenever a field receives the focus.
inline void SelectAllText(QLineEdit* field) {
    field->setSelection(0, static_cast<int>(field->text().length()));
}

}  // namespace fljudge
