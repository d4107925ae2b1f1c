#pragma once

class QLineEdit;

namespace fljudge {

// Selects the whole text of an edit field, so that typing replaces it.
void SelectAllText(QLineEdit* field);

// Makes the field select its whole text whenever it receives the focus, by the
// keyboard, by the program or by a click. The click that brings the focus
// leaves the selection as it is: it neither places the caret nor starts a
// drag selection, so that what is typed next replaces the whole value. Later
// clicks into the field place the caret as usual.
void SelectAllTextOnFocus(QLineEdit* field);

}  // namespace fljudge
