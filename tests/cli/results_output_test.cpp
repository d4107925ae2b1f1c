#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/results_csv.h"
#include "cli/results_json.h"
#include "support/comma_decimal_locale.h"

namespace fljudge {
namespace {

const std::vector<std::string> kFieldNames = {"Depth",
                                              "N",
                                              "Thickness",
                                              "SoilClass",
                                              "FinesContent",
                                              "PlasticityIndex",
                                              "D50",
                                              "D10",
                                              "GammaT1",
                                              "GammaT2",
                                              "GammaE2",
                                              "Khg",
                                              "Cond1",
                                              "Cond2",
                                              "Cond3",
                                              "Target",
                                              "SigmaV",
                                              "SigmaVE",
                                              "Rd",
                                              "L",
                                              "N1",
                                              "Na",
                                              "C1",
                                              "C2",
                                              "RL",
                                              "Cw",
                                              "R",
                                              "FL",
                                              "Pli",
                                              "DEText",
                                              "DE",
                                              "AdoptedDEText",
                                              "AdoptedDE"};

// Two points: one with an N value, one without, with undefined values in both.
CalcResults HandMade() {
    CalcResults r;
    CalcPoint a;
    a.Depth = 2.45;
    a.N = 4;
    a.Thickness = 0.45;
    a.SoilClass = kSandy;
    a.FinesContent = 18;
    a.Khg[1] = 0.128;
    a.Khg[2] = 0.54;
    a.Khg[3] = 0.595;
    a.Cond1 = 1;
    a.Target = 1;
    a.SigmaV = 44.1;
    a.L[2] = std::nullopt;
    a.FL[1] = 0.1 + 0.2;  // needs all 17 digits to read back
    a.DEText[1] = "1/3";
    a.DEText[2] = "2/3";
    a.DEText[3] = "1";
    a.AdoptedDEText = "1/3";
    a.AdoptedDE = 1.0 / 3;
    CalcPoint b;
    b.Depth = 3;
    b.Thickness = 0.55;
    b.N1 = std::nullopt;
    b.RL = std::nullopt;
    r.CalcPointCount = 2;
    r.CalcPoints[1] = a;
    r.CalcPoints[2] = b;
    r.NPointCount = 1;
    r.NPoints[1] = a;
    r.PL[1] = 1.5;
    r.PL[2] = 12.25;
    r.PL[3] = 1e-5;
    return r;
}

std::string Json(const CalcResults& results) {
    std::ostringstream out;
    WriteResultsJson(results, out);
    return out.str();
}

std::string Csv(const CalcResults& results) {
    std::ostringstream out;
    WriteResultsCsv(results, out);
    return out.str();
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

TEST(ResultsJson, HasEveryFieldUnderItsNameAndNullForUndefined) {
    const auto json = nlohmann::ordered_json::parse(Json(HandMade()));
    std::vector<std::string> top;
    for (const auto& [key, value] : json.items()) {
        top.push_back(key);
    }
    EXPECT_EQ(top, (std::vector<std::string>{"PL", "points", "npoints"}));
    EXPECT_EQ(json["PL"], nlohmann::ordered_json::parse("[1.5, 12.25, 1e-05]"));
    ASSERT_EQ(json["points"].size(), 2u);
    ASSERT_EQ(json["npoints"].size(), 1u);

    const auto& a = json["points"][0];
    std::vector<std::string> names;
    for (const auto& [key, value] : a.items()) {
        names.push_back(key);
    }
    EXPECT_EQ(names, kFieldNames);
    EXPECT_TRUE(a["N"].is_number_integer());
    EXPECT_EQ(a["N"], 4);
    EXPECT_EQ(a["Depth"].get<double>(), 2.45);
    EXPECT_EQ(a["Khg"], nlohmann::ordered_json::parse("[0.128, 0.54, 0.595]"));
    EXPECT_EQ(a["L"], nlohmann::ordered_json::parse("[0.0, null, 0.0]"));
    EXPECT_EQ(a["FL"][0].get<double>(), 0.1 + 0.2);
    EXPECT_EQ(a["DEText"], nlohmann::ordered_json::parse(R"(["1/3", "2/3", "1"])"));
    EXPECT_EQ(a["AdoptedDE"].get<double>(), 1.0 / 3);
    EXPECT_EQ(json["npoints"][0], a);

    const auto& b = json["points"][1];
    EXPECT_TRUE(b["N1"].is_null());
    EXPECT_TRUE(b["RL"].is_null());
    EXPECT_EQ(b["Na"], 0.0);
    EXPECT_EQ(b["AdoptedDEText"], "");
}

TEST(ResultsJson, EmptyResultsGiveEmptyArrays) {
    const auto json = nlohmann::json::parse(Json(CalcResults{}));
    EXPECT_EQ(json,
              nlohmann::json::parse(R"({"PL": [0.0, 0.0, 0.0], "points": [], "npoints": []})"));
}

TEST(ResultsCsv, OneColumnPerValueAndEmptyCellsForUndefined) {
    const std::vector<std::string> lines = Split(Csv(HandMade()), '\n');
    // The header, two points (the npoints are not repeated), the final line end.
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[0],
              "Depth,N,Thickness,SoilClass,FinesContent,PlasticityIndex,D50,D10,GammaT1,GammaT2,"
              "GammaE2,Khg_1,Khg_2,Khg_3,Cond1,Cond2,Cond3,Target,SigmaV,SigmaVE,Rd,L_1,L_2,L_3,"
              "N1,Na,C1,C2,RL,Cw_1,Cw_2,Cw_3,R_1,R_2,R_3,FL_1,FL_2,FL_3,Pli_1,Pli_2,Pli_3,"
              "DEText_1,DEText_2,DEText_3,DE_1,DE_2,DE_3,AdoptedDEText,AdoptedDE");
    const std::vector<std::string> header = Split(lines[0], ',');
    const auto cell = [&header](const std::string& line, const std::string& name) {
        const std::vector<std::string> cells = Split(line, ',');
        EXPECT_EQ(cells.size(), header.size()) << line;
        const auto at = std::find(header.begin(), header.end(), name) - header.begin();
        return cells.at(static_cast<std::size_t>(at));
    };
    EXPECT_EQ(cell(lines[1], "Depth"), "2.45");
    EXPECT_EQ(cell(lines[1], "N"), "4");
    EXPECT_EQ(cell(lines[1], "Khg_3"), "0.595");
    EXPECT_EQ(cell(lines[1], "L_1"), "0");
    EXPECT_EQ(cell(lines[1], "L_2"), "");
    EXPECT_EQ(std::stod(cell(lines[1], "FL_1")), 0.1 + 0.2);
    EXPECT_EQ(cell(lines[1], "DEText_2"), "2/3");
    EXPECT_EQ(cell(lines[1], "AdoptedDEText"), "1/3");
    EXPECT_EQ(cell(lines[2], "N1"), "");
    EXPECT_EQ(cell(lines[2], "RL"), "");
    EXPECT_EQ(cell(lines[2], "AdoptedDEText"), "");
}

TEST(ResultsOutput, IgnoresTheLocale) {
    const std::string json = Json(HandMade());
    const std::string csv = Csv(HandMade());
    testing::CommaDecimalLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "no German locale";
    }
    EXPECT_EQ(Json(HandMade()), json);
    EXPECT_EQ(Csv(HandMade()), csv);
}

}  // namespace
}  // namespace fljudge
