#pragma once

namespace fljudge {

// What Enter on the last box of the edit row does once the row is confirmed.
enum class Entry { Edit = 1, Insert = 2, Append = 3 };

// The state of one grid editor that outlives its window. The caller keeps one
// per editor for the whole run and hands it to every opening, so that the line
// that was current when the window closed is selected again.
struct GridEditorState {
    int CurrentRow = 0;   // 0-based row shown in the edit row; 0 again whenever the window closes
    int CurrentLine = 0;  // visible grid line 0..9 that shows CurrentRow
    Entry EntryMode = Entry::Edit;
};

}  // namespace fljudge
