#include "shell/number_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "editors/select_all_text.h"
#include "project/number_text.h"

namespace fljudge {

bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool IsForbiddenCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        // Keys that edit or move without typing a character.
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.')) {
            return true;  // also control characters such as Ctrl+V
        }
    }
    return false;
}

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
    return LeadingNumberOrZero(text().toStdString());
}

void NumberField::SetValue(double value) {
    setText(QString::fromStdString(FormatFixed(value, 3)));
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
    if (digitsOnly_ && IsForbiddenCharacter(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace fljudge
