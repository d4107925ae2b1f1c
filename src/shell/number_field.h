#pragma once

#include <QLineEdit>

namespace fljudge {

// An edit field holding one number shown "0.000": its whole text is selected
// when it gains the focus, Enter is taken from it (EnterPressed) and it shows
// its value again, "0.000", when it loses the focus (Committed).
class NumberField : public QLineEdit {
    Q_OBJECT

  public:
    explicit NumberField(QWidget* parent = nullptr);

    // Only digits, "." and Backspace may be typed; other characters are
    // swallowed. Keys without a character (arrows, Delete, Tab) work as usual.
    void SetDigitsOnly();

    // The leading number of the text, 0 when there is none.
    double Value() const;
    void SetValue(double value);

    // What losing the focus does: the text becomes its value "0.000", then
    // Committed. Also for commands that run while the field keeps the focus.
    void Commit();

  signals:
    void EnterPressed();
    void Committed();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool digitsOnly_ = false;
};

// True for a key event that types a character other than a digit, "." or
// Backspace: what the design-condition controls swallow.
bool IsForbiddenCharacter(const QKeyEvent& event);

// Enter or the keypad's Enter.
bool IsEnterKey(const QKeyEvent& event);

}  // namespace fljudge
