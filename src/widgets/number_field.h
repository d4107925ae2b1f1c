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

    // Only digits, "." and Backspace may be typed (the number box key policy,
    // widgets/number_keys.h); text arrives through no other way.
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

}  // namespace fljudge
