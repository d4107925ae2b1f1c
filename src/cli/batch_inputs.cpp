#include "cli/batch_inputs.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace fljudge {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Lowercase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool IsBatchFile(const std::filesystem::path& file) {
    const std::string extension = Lowercase(file.extension().string());
    return extension == ".korv" || extension == ".xml";
}

// The files of a folder that a batch reads, in name order.
std::vector<std::filesystem::path> FolderInputs(const std::filesystem::path& folder,
                                                std::error_code& error) {
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && IsBatchFile(it->path())) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return NaturalLess(a.filename().string(), b.filename().string());
    });
    return files;
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && IsDigit(a[endA])) {
                ++endA;
            }
            while (endB < b.size() && IsDigit(b[endB])) {
                ++endB;
            }
            // Leading zeros aside, the longer run is the larger number.
            std::size_t startA = i;
            std::size_t startB = j;
            while (startA + 1 < endA && a[startA] == '0') {
                ++startA;
            }
            while (startB + 1 < endB && b[startB] == '0') {
                ++startB;
            }
            const std::string_view digitsA(a.data() + startA, endA - startA);
            const std::string_view digitsB(b.data() + startB, endB - startB);
            if (digitsA.size() != digitsB.size()) {
                return digitsA.size() < digitsB.size();
            }
            if (digitsA != digitsB) {
                return digitsA < digitsB;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return j < b.size() && i >= a.size();
    }
    return a < b;  // equal but for leading zeros
}

std::vector<BatchInput> ListBatchInputs(const std::vector<std::filesystem::path>& arguments) {
    std::vector<BatchInput> inputs;
    for (const std::filesystem::path& argument : arguments) {
        std::error_code error;
        if (!std::filesystem::is_directory(argument, error)) {
            inputs.push_back({argument, {}, {}});
            continue;
        }
        const std::vector<std::filesystem::path> files = FolderInputs(argument, error);
        if (error) {
            inputs.push_back({argument, {}, "フォルダを読み込めません"});
            continue;
        }
        for (const std::filesystem::path& file : files) {
            inputs.push_back({file, {}, {}});
        }
    }
    std::set<std::string> taken;
    for (BatchInput& input : inputs) {
        std::string stem = input.File.stem().string();
        if (stem.empty()) {
            stem = "input";
        }
        std::string name = stem;
        for (int k = 2; taken.count(Lowercase(name)) != 0; ++k) {
            name = stem + "_" + std::to_string(k);
        }
        taken.insert(Lowercase(name));
        input.OutputName = name;
    }
    return inputs;
}

}  // namespace fljudge
