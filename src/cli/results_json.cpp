#include "cli/results_json.h"

#include <string>
#include <variant>

#include "cli/point_fields.h"

namespace fljudge {
namespace {

using Json = nlohmann::ordered_json;

struct ToJson {
    Json operator()(std::int16_t v) const { return v; }
    Json operator()(double v) const { return v; }
    Json operator()(const MaybeReal& v) const { return v ? Json(*v) : Json(nullptr); }
    Json operator()(std::string_view v) const { return std::string(v); }
};

Json PointJson(const CalcPoint& point) {
    Json object = Json::object();
    for (const PointField& field : kPointFields) {
        if (field.perMotion) {
            Json values = Json::array();
            for (int m = 1; m <= kMotionCount; ++m) {
                values.push_back(std::visit(ToJson{}, field.value(point, m)));
            }
            object[std::string(field.name)] = std::move(values);
        } else {
            object[std::string(field.name)] = std::visit(ToJson{}, field.value(point, 1));
        }
    }
    return object;
}

Json PointsJson(const OneBased<CalcPoint, kMaxCalcPoints>& points, int count) {
    Json array = Json::array();
    for (int i = 1; i <= count && i <= kMaxCalcPoints; ++i) {
        array.push_back(PointJson(points[i]));
    }
    return array;
}

}  // namespace

nlohmann::ordered_json ResultsJson(const CalcResults& results) {
    Json json = Json::object();
    json["PL"] = Json::array({results.PL[1], results.PL[2], results.PL[3]});
    json["points"] = PointsJson(results.CalcPoints, results.CalcPointCount);
    json["npoints"] = PointsJson(results.NPoints, results.NPointCount);
    return json;
}

void WriteResultsJson(const CalcResults& results, std::ostream& out) {
    out << ResultsJson(results).dump(2) << '\n';
}

}  // namespace fljudge
