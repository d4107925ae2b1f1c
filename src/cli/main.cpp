#include <CLI/CLI.hpp>

#ifdef FLJUDGE_HAS_REPORT_COMMAND
#include "cli/report_command.h"
#endif

int main(int argc, char** argv) {
    CLI::App app{"fljudge-cli: liquefaction judgement (FL method) from the command line"};
    app.set_version_flag("--version", std::string(FLJUDGE_VERSION));
#ifdef FLJUDGE_HAS_REPORT_COMMAND
    fljudge::AddReportCommand(app);
#endif
    CLI11_PARSE(app, argc, argv);
    return 0;
}
