#pragma once

class QFileDialog;

namespace fljudge {

// Qt's own file dialog writes the sizes and dates of its detail view in the
// system locale, which is often C ("155 bytes", "10 Dec 2026"); this makes it
// write them in the program's default locale instead, as it already writes
// the file types. Call it once the dialog is set up to use Qt's own widgets.
void ShowDetailsInDefaultLocale(QFileDialog& dialog);

}  // namespace fljudge
