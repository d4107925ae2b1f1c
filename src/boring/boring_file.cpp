#include "boring/boring_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <pugixml.hpp>

#include "boring/boring_text.h"
#include "boring/boring_versions.h"
#include "project/cp932.h"
#include "project/whole_file.h"

namespace fljudge {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// One boring is some ten kilobytes and a few thousand elements. Far beyond
// that the file is no boring log, and its tree would take memory out of all
// proportion (pugixml spends some 50 bytes per node).
constexpr std::size_t kMaxBoringBytes = 16u << 20;
constexpr std::size_t kMaxMarkup = 1'000'000;  // "<" characters: elements, comments, ...

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The encoding the XML declaration names, lower case; empty without one.
std::string DeclaredEncoding(std::string_view text) {
    if (text.substr(0, 5) != "<?xml") {
        return {};
    }
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) {
        return {};
    }
    const std::size_t open = declaration.find_first_of("\"'", key);
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) {
        return {};
    }
    return AsciiLower(declaration.substr(open + 1, close - open - 1));
}

bool NamesCp932(std::string_view encoding) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "shift_jis", "shift-jis", "sjis", "x-sjis", "windows-31j", "cp932", "ms932"};
    return std::find(kNames.begin(), kNames.end(), encoding) != kNames.end();
}

// Strict UTF-8: no overlong forms, surrogates or values beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned char lead = byte(i);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

struct DocumentText {
    bool ok = false;
    std::string utf8;
    std::string reason;
};

DocumentText DecodeDocument(std::string_view bytes, std::vector<std::string>& warnings) {
    const bool bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::string_view start = bytes;
    while (!start.empty() && IsAsciiBlank(start.front())) {
        start.remove_prefix(1);
    }
    const std::string encoding = DeclaredEncoding(start);
    // Without a declared encoding XML means UTF-8; a delivered file that
    // omits it is still Shift_JIS, which is seldom valid UTF-8.
    if (bom || encoding == "utf-8" || encoding == "utf8" || (encoding.empty() && IsUtf8(bytes))) {
        return {true, std::string(bytes), {}};
    }
    // Re-saved by a tool that kept the declaration but wrote UTF-8: the root's
    // name in UTF-8 never occurs in Shift_JIS text.
    if (bytes.find(kBoringRoot) != std::string_view::npos && IsUtf8(bytes)) {
        warnings.push_back("文字コードの宣言は「" + encoding + "」ですが、UTF-8として読みます");
        return {true, std::string(bytes), {}};
    }
    if (!encoding.empty() && !NamesCp932(encoding)) {
        warnings.push_back("宣言された文字コード「" + encoding +
                           "」ではなくシフトJISとして読みます");
    }
    const auto decoded = Cp932ToUtf8(bytes);
    if (!decoded) {
        return {false, {}, "シフトJISの文字変換を利用できません"};
    }
    if (decoded->replaced) {
        warnings.emplace_back("シフトJISとして読めない文字を「\uFFFD」に置き換えました");
    }
    return {true, decoded->utf8, {}};
}

// The element's name with stray blanks (full-width included) around it
// removed; a view into the document.
std::string_view NameOf(const pugi::xml_node& node) {
    constexpr std::string_view kWideBlank = "\u3000";
    std::string_view name = node.name();
    for (;;) {
        if (!name.empty() && IsAsciiBlank(name.front())) {
            name.remove_prefix(1);
        } else if (!name.empty() && IsAsciiBlank(name.back())) {
            name.remove_suffix(1);
        } else if (name.starts_with(kWideBlank)) {
            name.remove_prefix(kWideBlank.size());
        } else if (name.ends_with(kWideBlank)) {
            name.remove_suffix(kWideBlank.size());
        } else {
            return name;
        }
    }
}

bool EndsWith(std::string_view text, std::string_view ending) {
    return !ending.empty() && text.size() >= ending.size() &&
           text.substr(text.size() - ending.size()) == ending;
}

// All text directly inside the element (character data and CDATA).
std::string OwnText(const pugi::xml_node& node) {
    std::string text;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
        }
    }
    return text;
}

pugi::xml_node ChildNamed(const pugi::xml_node& node, std::string_view name) {
    if (name.empty()) {
        return {};
    }
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element && NameOf(child) == name) {
            return child;
        }
    }
    return {};
}

std::string ChildText(const pugi::xml_node& node, std::string_view name) {
    return CleanText(OwnText(ChildNamed(node, name)));
}

// Calls `visit` for every element below `top`, in document order, without
// recursion (a deeply nested file must not exhaust the stack).
template <class Visit>
void ForEachElementBelow(const pugi::xml_node& top, Visit visit) {
    pugi::xml_node node = top.first_child();
    while (node && node != top) {
        if (node.type() == pugi::node_element) {
            visit(node);
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling()) {
            node = node.parent();
        }
        if (node == top) {
            break;
        }
        node = node.next_sibling();
    }
}

std::string WholeDate(std::string_view text) {
    const std::string digits = CodeDigits(text);
    if (digits.size() == 8) {
        return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2);
    }
    return std::string(text);
}

std::string DateOfParts(const std::string& year, const std::string& month, const std::string& day) {
    const std::string y = CodeDigits(year), m = CodeDigits(month), d = CodeDigits(day);
    if (!y.empty() && !m.empty() && !d.empty() && y.size() <= 4 && m.size() <= 2 && d.size() <= 2) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", std::stoi(y), std::stoi(m),
                      std::stoi(d));
        return text;
    }
    std::string joined;
    for (const std::string* part : {&year, &month, &day}) {
        if (!part->empty()) {
            joined += joined.empty() ? "" : "-";
            joined += *part;
        }
    }
    return joined;
}

BoringLayer ReadLayer(const pugi::xml_node& node, const BoringElementNames& names) {
    BoringLayer layer;
    layer.DepthText = ChildText(node, names.LayerDepth);
    layer.BottomDepth = ParseDecimalText(layer.DepthText);
    layer.Name = ChildText(node, names.LayerName);
    layer.Symbol = ChildText(node, names.LayerSymbol);
    ForEachElementBelow(node, [&](const pugi::xml_node& element) {
        const std::string_view name = NameOf(element);
        const std::string digits = CodeDigits(OwnText(element));
        if (digits.empty()) {
            return;
        }
        if (EndsWith(name, names.LayerGroupCodeEnding)) {
            layer.Interbedded = layer.Interbedded || digits == "2";
            return;
        }
        for (std::string_view ending : names.LayerCodeEndings) {
            if (EndsWith(name, ending)) {
                layer.Codes.push_back(digits);
                return;
            }
        }
    });
    return layer;
}

SptRecord ReadSpt(const pugi::xml_node& node, const BoringElementNames& names) {
    SptRecord record;
    record.DepthText = ChildText(node, names.SptDepth);
    record.StartDepth = ParseDecimalText(record.DepthText);
    record.Blows = ParseDecimalText(ChildText(node, names.SptBlows));
    if (const auto penetration = ParseDecimalText(ChildText(node, names.SptPenetration))) {
        record.Penetration = *penetration / names.PenetrationUnitsPerCm;
    }
    record.Remark = ChildText(node, names.SptRemark);
    return record;
}

WaterLevel ReadWater(const pugi::xml_node& node, const BoringElementNames& names) {
    WaterLevel level;
    level.Date = names.WaterDate.empty() ? DateOfParts(ChildText(node, names.WaterYear),
                                                       ChildText(node, names.WaterMonth),
                                                       ChildText(node, names.WaterDay))
                                         : WholeDate(ChildText(node, names.WaterDate));
    level.Condition = ChildText(node, names.WaterCondition);
    level.Kind = ChildText(node, names.WaterKind);
    level.DepthText = ChildText(node, names.WaterDepth);
    level.Depth = ParseDecimalText(level.DepthText);
    if (level.Depth && names.NegativeWaterMeansNone && *level.Depth < 0) {
        level.Depth.reset();
    }
    return level;
}

// The generation whose layer elements the document uses: `preferred` when
// it uses its names, else the first found in document order, else nothing.
const BoringElementNames* FormatOfLayerElements(const pugi::xml_node& root,
                                                const BoringElementNames* preferred) {
    const BoringElementNames* found = nullptr;
    ForEachElementBelow(root, [&](const pugi::xml_node& element) {
        if (found == preferred && found != nullptr) {
            return;
        }
        const std::string_view name = NameOf(element);
        for (const BoringElementNames& format : BoringFormats()) {
            if (name == format.Layer && (found == nullptr || &format == preferred)) {
                found = &format;
            }
        }
    });
    return found;
}

std::string VersionsText(const BoringElementNames& format) {
    std::string text(format.Versions.front());
    if (format.Versions.size() > 1) {
        text += "～";
        text += format.Versions.back();
    }
    return text;
}

std::string BoringNameOf(const pugi::xml_node& root) {
    const pugi::xml_node name =
        ChildNamed(ChildNamed(ChildNamed(root, kBoringTitle), kBoringBasics), kBoringName);
    if (name) {
        return CleanText(OwnText(name));
    }
    std::string fallback;
    bool found = false;
    ForEachElementBelow(root, [&](const pugi::xml_node& element) {
        if (!found && NameOf(element) == kBoringName) {
            fallback = CleanText(OwnText(element));
            found = true;
        }
    });
    return fallback;
}

// The line of a byte offset in the decoded text, from 1.
std::size_t LineOf(std::string_view text, std::ptrdiff_t offset) {
    const std::size_t end = std::min<std::size_t>(
        static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), text.size());
    return 1 + static_cast<std::size_t>(
                   std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

BoringFile Refuse(std::string reason) {
    return {FileStatus::Failed(std::move(reason)), {}};
}

}  // namespace

bool LooksLikeXml(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty() && IsAsciiBlank(bytes.front())) {
        bytes.remove_prefix(1);
    }
    return !bytes.empty() && bytes.front() == '<';
}

BoringFile ParseBoringXml(std::string_view bytes) {
    BoringColumn column;
    if (!LooksLikeXml(bytes)) {
        return Refuse("ボーリング交換用データ（XML）ではありません");
    }
    if (bytes.size() > kMaxBoringBytes ||
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '<')) > kMaxMarkup) {
        return Refuse("ボーリング交換用データとしては大きすぎます");
    }
    DocumentText text = DecodeDocument(bytes, column.Warnings);
    if (!text.ok) {
        return Refuse(text.reason);
    }
    pugi::xml_document document;
    // Default parsing: the DOCTYPE is skipped and its external DTD never read.
    const pugi::xml_parse_result parsed = document.load_buffer(
        text.utf8.data(), text.utf8.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        return Refuse("XMLの形式が正しくありません（" +
                      std::to_string(LineOf(text.utf8, parsed.offset)) + "行目）");
    }
    const pugi::xml_node root = document.document_element();
    const std::string rootName(NameOf(root));
    if (rootName != kBoringRoot) {
        return Refuse("ボーリング交換用データではありません（ルート要素が「" + rootName +
                      "」です）");
    }
    const std::string version =
        CleanText(root.attribute(std::string(kBoringVersionAttribute).c_str()).value());
    const BoringElementNames* declared = BoringFormatOfVersion(version);
    const BoringElementNames* used = FormatOfLayerElements(root, declared);
    const BoringElementNames* format = declared;
    if (declared == nullptr) {
        if (used == nullptr) {
            return Refuse(version.empty() ? "ボーリング交換用データの版（DTD_version）がありません"
                                          : "ボーリング交換用データの版「" + version +
                                                "」には対応していません");
        }
        format = used;
        column.Warnings.push_back((version.empty()
                                       ? std::string("版（DTD_version）がないため")
                                       : "版「" + version + "」には対応していないため") +
                                  "、土層の要素名から " + VersionsText(*used) + " として読みます");
    } else if (used != nullptr && used != declared) {
        format = used;
        column.Warnings.push_back("版「" + version + "」の土層の要素がないため、要素名から " +
                                  VersionsText(*used) + " として読みます");
    }
    column.Version = format == declared ? version : std::string(format->Versions.front());
    column.BoringName = BoringNameOf(root);

    bool soilTests = false;
    ForEachElementBelow(root, [&](const pugi::xml_node& element) {
        const std::string_view name = NameOf(element);
        soilTests = soilTests || name == kBoringSoilTests;
        // A group holding records of its own name is no record itself.
        const auto isGroup = [&element, &name] { return ChildNamed(element, name); };
        if (name == format->Layer && !isGroup()) {
            column.Layers.push_back(ReadLayer(element, *format));
        } else if (name == format->Spt && !isGroup()) {
            column.SptRecords.push_back(ReadSpt(element, *format));
        } else if (name == format->Water && !isGroup()) {
            column.WaterLevels.push_back(ReadWater(element, *format));
        }
    });
    if (soilTests) {
        column.Warnings.emplace_back(
            "ファイルの土質試験結果は読み込んでいません。細粒分含有率などは入力してください");
    }
    return {FileStatus::Ok(), std::move(column)};
}

BoringFile ReadBoringFile(const std::filesystem::path& path) {
    FileBytes file = ReadWholeFile(path);
    if (!file.status) {
        return {file.status, {}};
    }
    return ParseBoringXml(file.bytes);
}

}  // namespace fljudge
