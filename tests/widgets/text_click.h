#pragma once

#include <QLineEdit>
#include <QPoint>

namespace fljudge::test {

// A point on the middle of a right-aligned field's text, as the program's
// number fields are: a plain click there would put the caret inside the
// number.
inline QPoint PointOnText(const QLineEdit* field) {
    const int textWidth = field->fontMetrics().horizontalAdvance(field->text());
    return {field->width() - 6 - textWidth / 2, field->height() / 2};
}

}  // namespace fljudge::test
