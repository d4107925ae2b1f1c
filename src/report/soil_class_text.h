#pragma once

#include <cstdint>
#include <string_view>

#include "project/project_data.h"

namespace fljudge {

// The name of a soil class on the report pages; empty for an unknown class.
constexpr std::string_view SoilClassText(std::int16_t soilClass) {
    switch (soilClass) {
        case kSandy:
            return "砂質土";
        case kClayey:
            return "粘性土";
        case kGravelly:
            return "礫質土";
        default:
            return {};
    }
}

}  // namespace fljudge
