#pragma once

namespace CLI {
class App;
}

namespace fljudge {

// The subcommand
//   batch FILE... -o OUTDIR [--jobs N] [--pdf] [--base BASE_INI] [--design-from PROJECT.KORV]
// which calculates many borings at once and writes OUTDIR/summary.csv,
// OUTDIR/summary.pdf and OUTDIR/NAME.json per input (with --pdf also
// NAME-report.pdf and NAME-list.pdf). Exit codes: 0 every input succeeded;
// 4 at least one input failed (its reason is in summary.csv); 2 OUTDIR or
// the --base file could not be used, or an output could not be written.
void AddBatchCommand(CLI::App& app);

}  // namespace fljudge
