// Feeds arbitrary bytes to the Base.ini reader: whatever it reads, the basic
// information must come out complete, every value a finite number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/basic_info_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fljudge;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BasicInfo info;
    const FileStatus status = ParseBasicInfo(bytes, info);
    if (!status && status.reason.empty()) {
        std::abort();
    }
    const auto check = [](const auto& table) {
        for (const Triple& row : table) {
            for (double value : row) {
                if (!std::isfinite(value)) {
                    std::abort();
                }
            }
        }
    };
    check(info.UnitWeightTable);
    check(info.RegionFactorTable);
    check(info.SeismicCoefTable);
    return 0;
}
