#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "cli/batch_inputs.h"
#include "cli/command_support.h"
#include "report/site_summary.h"

namespace fljudge {

// What became of one input of a batch run.
struct BatchOutcome {
    BoringSummary Summary;
    std::unique_ptr<CalculatedProject> Calculated;  // only for an input that succeeded
    std::string Notices;                            // what the checks told, for a calculated input
    std::string WriteError;                         // NAME.json could not be written: why
};

struct BatchSettings {
    InputOptions Input;
    std::filesystem::path OutputFolder;
    int Jobs = 1;
    // Text the loading of every input tells alike (a short --base file), told
    // once by the caller and left out of each input's notices and reasons.
    std::string SharedMessage;
};

// Loads, checks and calculates every input exactly as `calc` does, on
// `settings.Jobs` threads, and writes OUTPUT/NAME.json (the `calc` JSON) for
// each input that succeeded. `finished` runs on the calling thread for each
// input as it ends, in the order they end; the outcome's Calculated may be
// taken. What is written does not depend on the number of threads.
void RunBatch(std::span<const BatchInput> inputs, const BatchSettings& settings,
              const std::function<void(std::size_t index, BatchOutcome& outcome)>& finished);

}  // namespace fljudge
