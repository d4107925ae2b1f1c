#include "widgets/number_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "widgets/number_keys.h"
#include "widgets/number_texts.h"
#include "widgets/select_all_text.h"

namespace fljudge {

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SelectAllTextOnFocus(this);
}

void NumberField::SetDigitsOnly() {
    digitsOnly_ = true;
    // Typed characters only arrive as key events, where they are filtered.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
}

double NumberField::Value() const {
    return LeadingValue(text());
}

void NumberField::SetValue(double value) {
    setText(FixedText(value, 3));
}

void NumberField::Commit() {
    SetValue(Value());
    emit Committed();
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Opening a menu or switching to another program does not leave the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        Commit();
    }
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        event->accept();
        emit EnterPressed();
        return;
    }
    if (digitsOnly_ && !NumberBoxTakes(*event, true)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace fljudge
