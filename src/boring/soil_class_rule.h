#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fljudge {

struct SoilClassChoice {
    std::int16_t SoilClass = 0;  // kSandy, kClayey or kGravelly
    std::string Warning;         // why the name alone did not decide; empty when it did
};

// The soil class of a layer from its soil name (blanks removed first): the
// part in parentheses after 埋土/盛土; 互層 is sandy when it names 砂; else
// the noun of the list that ends last in the name; else 岩 is gravelly; else
// the first 9-digit code; else sandy. Every choice not made by a noun of the
// name alone carries a warning.
SoilClassChoice ClassifySoil(std::string_view name, bool interbedded,
                             const std::vector<std::string>& codes);

}  // namespace fljudge
