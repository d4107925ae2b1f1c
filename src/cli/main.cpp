#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"fljudge-cli: liquefaction judgement (FL method) from the command line"};
    app.set_version_flag("--version", std::string(FLJUDGE_VERSION));
    CLI11_PARSE(app, argc, argv);
    return 0;
}
