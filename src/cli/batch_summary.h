#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_support.h"
#include "report/site_summary.h"

namespace fljudge {

// The summary of a calculated input.
BoringSummary SummarizeBoring(const std::filesystem::path& file,
                              const CalculatedProject& calculated);

// The summary of an input that failed, with its reason on one line.
BoringSummary FailedBoring(const std::filesystem::path& file, std::string name,
                           std::string_view reason);

// The smallest FL of a motion (1..3) among the judgement targets (Target 1,
// N > 0) that have one; nothing when there is none.
MaybeReal SmallestTargetFL(const CalcResults& results, int motion);

// summary.csv: UTF-8 with a byte-order mark and CR LF line ends (as Excel
// reads Japanese text), a header row, then one row per boring in order.
// Numbers as the report prints them, without thousands separators; a failed
// boring leaves its number cells empty.
std::string SummaryCsv(std::span<const BoringSummary> borings);

}  // namespace fljudge
