#include "cli/calc_command.h"

#include <iostream>
#include <string>

#include "cli/command_support.h"
#include "cli/results_csv.h"
#include "cli/results_json.h"

namespace fljudge {

int RunCalcCommand(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    CalculatedProject calculated;
    if (const int code = LoadAndCalculate(options.project, {options.base, {}}, err, calculated);
        code != kExitOk) {
        return code;
    }
    const CalcResults& results = *calculated.results;
    if (options.format == ResultFormat::Csv) {
        WriteResultsCsv(results, out);
    } else {
        WriteResultsJson(results, out);
    }
    out.flush();
    if (!out) {
        err << "結果を出力できません\n";
        return kExitFile;
    }
    return kExitOk;
}

void AddCalcCommand(CLI::App& app) {
    struct Arguments {
        CalcOptions options;
        std::string format = "json";
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command =
        app.add_subcommand("calc", "Calculate a project and print the results (JSON or CSV)");
    command->add_option("PROJECT", arguments->options.project, "Project file (.KORV)")
        ->required()
        ->type_name("FILE");
    AddBaseOption(*command, arguments->options.base);
    command->add_option("--format", arguments->format, "Output format (default: json)")
        ->check(CLI::IsMember({"json", "csv"}))
        ->type_name("FORMAT");
    command->footer(
        "Loads PROJECT, runs the checks of the \"計算結果\" button, calculates and prints the\n"
        "results on standard output.\n"
        "JSON: one object {\"PL\": [Lv1, Lv2-1, Lv2-2], \"points\": [...], \"npoints\": [...]}.\n"
        "  \"points\" are all calculation points in depth order, \"npoints\" those with N >= 1.\n"
        "  Each point has every field under its name (Depth, N, Thickness, SoilClass, ..., FL,\n"
        "  DE, AdoptedDE); per-motion fields (Khg, L, Cw, R, FL, Pli, DEText, DE) are arrays\n"
        "  of three in the order Lv1, Lv2-1, Lv2-2; an undefined value is null.\n"
        "CSV: a header row and one row per calculation point (no PL, no npoints); a\n"
        "  per-motion field is three columns NAME_1, NAME_2, NAME_3 (Lv1, Lv2-1, Lv2-2),\n"
        "  e.g. L_1, L_2, L_3; an undefined value is an empty cell. UTF-8.\n"
        "A failed check (e.g. no N values) prints its message on standard error and exits\n"
        "with 3; a notice (depths out of order) is printed there and the calculation goes on.");
    command->callback([arguments] {
        arguments->options.format =
            arguments->format == "csv" ? ResultFormat::Csv : ResultFormat::Json;
        FinishCommand(RunCalcCommand(arguments->options, std::cout, std::cerr));
    });
}

}  // namespace fljudge
