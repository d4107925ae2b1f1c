#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fljudge {

// One input of a batch run and the name its output files take.
struct BatchInput {
    std::filesystem::path File;  // as given, or found in a folder that was given
    std::string OutputName;      // NAME of NAME.json, NAME-report.pdf and NAME-list.pdf
    std::string ListingError;    // a folder that could not be read; the input then fails
};

// The inputs of the arguments in order: a file as it is, a folder as its
// project files (*.KORV) and boring files (*.XML), in any letter case, in
// name order (runs of digits by their value, so B-2 comes before B-10).
// The output name is the file's name without its extension; a name taken
// before (in any letter case) gets "_2", "_3", ... so that no output is
// overwritten.
std::vector<BatchInput> ListBatchInputs(const std::vector<std::filesystem::path>& arguments);

// Name order with runs of digits compared by their value.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace fljudge
