#pragma once

class QKeyEvent;

namespace fljudge {

// Enter or the keypad's Enter.
bool IsEnterKey(int key);
bool IsEnterKey(const QKeyEvent& event);

// The key policy of every number box: a key that types a character passes
// only when the character is a digit, "." (where the box holds decimals) or
// Backspace. Every other character is swallowed, control characters such as
// Ctrl+V, Ctrl+C and Escape included, so that no text other than a number can
// be typed or pasted from the keyboard. Keys that type no character (arrows,
// Home, End), Delete, Tab and Backtab pass, to edit and move as usual. Enter
// is the box's own business and is not judged here.
bool NumberBoxTakes(const QKeyEvent& event, bool decimals);

}  // namespace fljudge
