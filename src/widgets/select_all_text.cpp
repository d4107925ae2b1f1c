#include "widgets/select_all_text.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace fljudge {
namespace {

// Watches one field. A click gives the focus before the field sees the
// press, so the press (and what follows it up to the release) is kept from
// the field when it is the press that brought the focus.
class SelectOnFocus final : public QObject {
  public:
    explicit SelectOnFocus(QLineEdit* field) : QObject(field), field_(field) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_) {
            return false;
        }
        switch (event->type()) {
            case QEvent::FocusIn:
                SelectAllText(field_);
                focusClick_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
                break;
            case QEvent::FocusOut:
                focusClick_ = false;
                swallowing_ = false;
                clicked_ = false;
                break;
            case QEvent::KeyPress:
                focusClick_ = false;
                clicked_ = false;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
                // The second press of a double click that brought the focus
                // counts as part of it.
                const bool take =
                    swallowing_ || (left && focusClick_) ||
                    (left && clicked_ && event->type() == QEvent::MouseButtonDblClick);
                focusClick_ = false;
                clicked_ = false;
                if (take) {
                    swallowing_ = true;
                    return true;
                }
                break;
            }
            case QEvent::MouseMove:
                return swallowing_;
            case QEvent::MouseButtonRelease:
                if (swallowing_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    swallowing_ = false;
                    clicked_ = true;
                    return true;
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QLineEdit* field_;
    bool focusClick_ = false;  // the focus came with a click not yet seen by the field
    bool swallowing_ = false;  // between the press of that click and its release
    bool clicked_ = false;     // that click is over and nothing has happened since
};

}  // namespace

void SelectAllText(QLineEdit* field) {
    field->setSelection(0, static_cast<int>(field->text().length()));
}

void SelectAllTextOnFocus(QLineEdit* field) {
    field->installEventFilter(new SelectOnFocus(field));
}

}  // namespace fljudge
