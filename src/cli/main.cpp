#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli/calc_command.h"
#include "cli/command_support.h"
#include "cli/import_command.h"
#include "cli/new_command.h"
#include "cli/resave_command.h"
#ifdef FLJUDGE_HAS_REPORT_COMMAND
#include "cli/batch_command.h"
#include "cli/report_command.h"
#endif

int main(int argc, char** argv) try {
    CLI::App app{
        "fljudge-cli: the command-line companion of 液状化判定プログラム (fljudge).\n"
        "Judges whether the soil of one boring liquefies (simplified FL method) under the\n"
        "design motions Lv1, Lv2-1 and Lv2-2, from a project file (.KORV) of the desktop\n"
        "program or a boring exchange file (ボーリング交換用データ, .XML), and creates,\n"
        "imports or rewrites project files for batch work.",
        "fljudge-cli"};
    app.set_version_flag("--version", std::string(FLJUDGE_VERSION));
    app.require_subcommand(1);
    app.footer(
        "Exit codes:\n"
        "  0  success\n"
        "  1  the command line could not be understood (unknown option, missing argument)\n"
        "  2  a file could not be read or written; the reason is on standard error\n"
        "  3  the project failed the checks before the calculation; the message is on\n"
        "     standard error\n"
        "  4  batch: at least one input failed (its reason is in summary.csv); the others\n"
        "     were calculated and written\n"
        "Messages are UTF-8. Run \"fljudge-cli SUBCOMMAND --help\" for the options of one\n"
        "subcommand.\n"
        "Examples:\n"
        "  fljudge-cli calc examples/example.KORV\n"
        "  fljudge-cli calc boring.KORV --base Base.ini --format csv > boring.csv\n"
        "  fljudge-cli import BED0001.XML -o boring1.KORV --design-from site.KORV\n"
        "  fljudge-cli calc BED0001.XML --design-from site.KORV\n"
        "  fljudge-cli new empty.KORV\n"
        "  fljudge-cli resave old.KORV tidy.KORV\n"
        "  fljudge-cli batch site/ -o site-results --pdf");

    fljudge::AddCalcCommand(app);
    fljudge::AddImportCommand(app);
    fljudge::AddNewCommand(app);
    fljudge::AddResaveCommand(app);
#ifdef FLJUDGE_HAS_REPORT_COMMAND
    fljudge::AddReportCommand(app);
    fljudge::AddBatchCommand(app);
#endif

    return fljudge::RunCommandLine(app, argc, argv);
} catch (const std::exception& e) {
    // Anything unforeseen (no memory, a failing stream) ends with its reason, not an abort.
    std::cerr << "fljudge-cli: " << e.what() << '\n';
    return fljudge::kExitFile;
}
