#include "boring/soil_class_rule.h"

#include <array>
#include <optional>
#include <utility>

#include "boring/boring_text.h"
#include "project/project_data.h"

namespace fljudge {
namespace {

constexpr std::array<std::pair<std::string_view, std::int16_t>, 10> kNouns = {{
    {"礫", kGravelly},
    {"砂", kSandy},
    {"シルト", kClayey},
    {"粘土", kClayey},
    {"粘性土", kClayey},
    {"ローム", kClayey},
    {"有機質土", kClayey},
    {"泥炭", kClayey},
    {"腐植土", kClayey},
    {"火山灰", kClayey},
}};

constexpr std::array<std::string_view, 2> kFills = {"埋土", "盛土"};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kParentheses = {{
    {"（", "）"},
    {"(", ")"},
}};

// The class of the list noun whose last occurrence ends last in the name.
std::optional<std::int16_t> ClassOfLastNoun(std::string_view name) {
    std::optional<std::int16_t> soilClass;
    std::size_t lastEnd = 0;
    for (const auto& [noun, nounClass] : kNouns) {
        const std::size_t at = name.rfind(noun);
        if (at == std::string_view::npos) {
            continue;
        }
        const std::size_t end = at + noun.size();
        if (!soilClass || end > lastEnd) {
            soilClass = nounClass;
            lastEnd = end;
        }
    }
    return soilClass;
}

// "埋土（砂）" names its material in parentheses: "砂".
std::string_view FillMaterial(std::string_view name) {
    for (std::string_view fill : kFills) {
        const std::size_t at = name.find(fill);
        if (at == std::string_view::npos) {
            continue;
        }
        const std::string_view rest = name.substr(at + fill.size());
        for (const auto& [open, close] : kParentheses) {
            if (rest.substr(0, open.size()) == open) {
                const std::string_view inside = rest.substr(open.size());
                const std::size_t end = inside.find(close);
                const std::string_view material = inside.substr(0, end);
                if (!material.empty()) {
                    return material;
                }
            }
        }
    }
    return name;
}

std::optional<std::int16_t> ClassOfCode(std::string_view code) {
    if (code.size() != 9) {
        return std::nullopt;
    }
    if (code.starts_with("5311") || code.starts_with("510") || code.starts_with("521")) {
        return kGravelly;
    }
    if (code.starts_with("5312")) {
        return kSandy;
    }
    if (code.starts_with("532") || code.starts_with("533")) {
        return kClayey;
    }
    return std::nullopt;
}

std::string_view ClassName(std::int16_t soilClass) {
    switch (soilClass) {
        case kClayey:
            return "粘性土";
        case kGravelly:
            return "礫質土";
        default:
            return "砂質土";
    }
}

SoilClassChoice Warned(std::int16_t soilClass, std::string_view why) {
    return {soilClass, std::string(why) + std::string(ClassName(soilClass)) + "としました"};
}

}  // namespace

SoilClassChoice ClassifySoil(std::string_view name, bool interbedded,
                             const std::vector<std::string>& codes) {
    const std::string plain = WithoutBlanks(name);
    const std::string_view material = FillMaterial(plain);
    const std::optional<std::int16_t> noun = ClassOfLastNoun(material);
    if (interbedded || material.find("互層") != std::string_view::npos) {
        if (material.find("砂") != std::string_view::npos) {
            return Warned(kSandy, "互層のため");
        }
        if (noun) {
            return Warned(*noun, "互層のため");
        }
    } else if (noun) {
        return {*noun, {}};
    }
    if (material.find("岩") != std::string_view::npos) {
        return Warned(kGravelly, "岩のため");
    }
    for (const std::string& code : codes) {
        if (code.size() == 9) {
            if (const auto codeClass = ClassOfCode(code)) {
                return Warned(*codeClass, "分類コード " + code + " から");
            }
            break;
        }
    }
    return Warned(kSandy, "土質を判定できません。");
}

}  // namespace fljudge
