#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fljudge {

// One layer of a boring log as the file gives it (top down).
struct BoringLayer {
    std::optional<double> BottomDepth;  // m; nothing when missing or not a number
    std::string DepthText;              // as written, for messages
    std::string Name;                   // soil or rock name, free text
    std::string Symbol;
    std::vector<std::string> Codes;  // classification codes, digits only (5 or 9 digits)
    bool Interbedded = false;        // rock-group code 2 (互層)
};

// One standard penetration test.
struct SptRecord {
    std::optional<double> StartDepth;   // m, start of the 30 cm main drive
    std::string DepthText;              // as written, for messages
    std::optional<double> Blows;        // total blows
    std::optional<double> Penetration;  // total penetration in cm
    std::string Remark;
};

// One groundwater measurement.
struct WaterLevel {
    std::string Date;             // "YYYY-MM-DD" where the file gives a whole date, else as written
    std::string Condition;        // drilling depth or drilling-state code, as written
    std::string Kind;             // water-level kind (code or text), as written
    std::optional<double> Depth;  // m below the ground; nothing when "no water level"
    std::string DepthText;        // as written
};

// What a boring exchange file holds for the judgement, in file order.
struct BoringColumn {
    std::string Version;  // the version read ("1.10" … "4.00")
    std::string BoringName;
    std::vector<BoringLayer> Layers;
    std::vector<SptRecord> SptRecords;
    std::vector<WaterLevel> WaterLevels;
    std::vector<std::string> Warnings;  // what the reading noticed, UTF-8, one per entry
};

}  // namespace fljudge
