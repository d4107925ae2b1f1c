#pragma once

namespace CLI {
class App;
}

namespace fljudge {

// The subcommand
//   report PROJECT.KORV [-o OUT.pdf] [--view report|list] [--page N] [--png DIR [--dpi D]]
// which calculates the project and renders the pages of the results window
// without a screen: all pages of the view (or page N, counted as the results
// window counts it) as one PDF file, and as one PNG file per page named
// report-01.png, report-02.png, ... (list-01.png, ...). At least one of -o and
// --png is needed. Exit codes: 0 done; 1 a page that does not exist or a file
// that could not be written; 2 the project file could not be read (the reason
// on stderr); 3 a check before calculating stopped (its message on stderr).
// A notice of the checks goes to stderr and the command goes on.
void AddReportCommand(CLI::App& app);

}  // namespace fljudge
