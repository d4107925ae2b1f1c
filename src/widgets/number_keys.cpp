#include "widgets/number_keys.h"

#include <QKeyEvent>

namespace fljudge {

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsEnterKey(const QKeyEvent& event) {
    return IsEnterKey(event.key());
}

bool NumberBoxTakes(const QKeyEvent& event, bool decimals) {
    switch (event.key()) {
        // Keys that edit or move; some of them carry a control character.
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return true;
    }
    if (text.size() != 1) {
        return false;
    }
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (decimals && c == QLatin1Char('.'));
}

}  // namespace fljudge
