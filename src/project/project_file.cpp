#include "project/project_file.h"

#include <algorithm>
#include <cstdint>

#include "project/cp932.h"
#include "project/cp932_text_check.h"
#include "project/item_reader.h"
#include "project/number_text.h"
#include "project/whole_file.h"

namespace fljudge {
namespace {

constexpr std::string_view kDesignSection = "1:設計条件";
constexpr std::string_view kLayerSection = "2:土層情報";
constexpr std::string_view kNValueSection = "3:Ｎ値情報";

// One line of values separated by single commas, ended by CR LF.
class LineWriter {
  public:
    explicit LineWriter(std::string& text) : text_(text) {}
    ~LineWriter() { text_ += "\r\n"; }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& operator<<(double value) {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
        text_ += FormatFileNumber(value);
        return *this;
    }

  private:
    std::string& text_;
    bool first_ = true;
};

void WriteSectionLine(std::string& text, std::string_view section) {
    text += section;
    text += "\r\n";
}

// Reads the items into the fields in file order; the first failure ends it.
class ProjectReader {
  public:
    explicit ProjectReader(std::string_view bytes) : items_(bytes) {}

    const FileStatus& status() const { return status_; }

    // `what` names the part being read, for the reason when the file ends.
    void Skip(std::string_view what) { (void)Take(what); }

    void Real(double& field, std::string_view what) {
        const auto item = Take(what);
        if (!item) {
            return;
        }
        const LeadingNumber number = ParseLeadingNumber(*item);
        if (!number.inRange) {
            FailOutOfRange(what);
            return;
        }
        field = number.value;
    }

    void Int16(std::int16_t& field, std::string_view what) {
        double value = 0;
        Real(value, what);
        if (!status_) {
            return;
        }
        const auto whole = ToInt16HalfEven(value);
        if (!whole) {
            FailOutOfRange(what);
            return;
        }
        field = *whole;
    }

    void Count(std::int16_t& field, int capacity, std::string_view what) {
        Int16(field, what);
        if (!status_) {
            return;
        }
        if (field < 0) {
            Fail(std::string(what) + "が負の値です（" + FormatWhole(field) + "）");
        } else if (field > capacity) {
            Fail(std::string(what) + "（" + FormatWhole(field) + "）が上限の" +
                 FormatWhole(capacity) + "を超えています");
        }
    }

  private:
    std::optional<std::string_view> Take(std::string_view what) {
        if (!status_) {
            return std::nullopt;
        }
        const auto item = items_.Next();
        if (!item) {
            Fail("ファイルが途中で終わっています（" + std::string(what) + "がありません）");
        }
        return item;
    }

    void FailOutOfRange(std::string_view what) {
        Fail(FormatWhole(items_.Line()) + "行目の値が範囲外です（" + std::string(what) + "）");
    }

    void Fail(std::string reason) {
        if (status_) {
            status_ = FileStatus::Failed(std::move(reason));
        }
    }

    ItemReader items_;
    FileStatus status_;
};

}  // namespace

std::optional<std::string> ProjectFileBytes(const ProjectData& p) {
    std::string text;
    WriteSectionLine(text, kDesignSection);
    LineWriter(text) << p.RegionArea << p.RegionFactors[1] << p.RegionFactors[2]
                     << p.RegionFactors[3] << p.GroundType << p.StdSeismicCoefs[1]
                     << p.StdSeismicCoefs[2] << p.StdSeismicCoefs[3] << p.DesignKhLv1
                     << p.DesignKhLv2T1 << p.DesignKhLv2T2;
    WriteSectionLine(text, kLayerSection);
    // Counts kept within capacity, so that the file always reads back aligned.
    const int layerCount = std::clamp<int>(p.LayerCount, 0, kMaxLayers);
    const int nValueCount = std::clamp<int>(p.NValueCount, 0, kMaxNValues);
    LineWriter(text) << p.WaterDepth << layerCount;
    for (int i = 1; i <= layerCount; ++i) {
        const SoilLayer& l = p.SoilLayers[i];
        LineWriter(text) << l.Depth << l.Thickness << l.SoilClass << l.WeightSource << l.GammaT1
                         << l.GammaT2 << l.GammaE2 << l.FinesContent << l.PlasticityIndex << l.D50
                         << l.D10;
    }
    WriteSectionLine(text, kNValueSection);
    LineWriter(text) << nValueCount;
    for (int i = 1; i <= nValueCount; ++i) {
        LineWriter(text) << p.NValues[i].Depth << p.NValues[i].N;
    }
    return Utf8ToCp932(text);
}

FileStatus SaveProject(const std::filesystem::path& path, const ProjectData& project) {
    const auto bytes = ProjectFileBytes(project);
    if (!bytes) {
        return FileStatus::Failed("文字コードを変換できません");
    }
    return ReplaceWholeFile(path, *bytes);
}

FileStatus ParseProjectFile(std::string_view bytes, const BasicInfo& basicInfo,
                            ProjectData& project) {
    if (FileStatus text = CheckCp932Text(bytes); !text) {
        return text;
    }
    ProjectData p;
    NewProject(p, basicInfo);
    ProjectReader r(bytes);
    // The section lines are read as items and discarded unchecked.
    r.Skip("見出し「1:設計条件」");
    const std::string_view design = "設計条件";
    r.Int16(p.RegionArea, design);
    for (double& f : p.RegionFactors) {
        r.Real(f, design);
    }
    r.Int16(p.GroundType, design);
    for (double& c : p.StdSeismicCoefs) {
        r.Real(c, design);
    }
    r.Real(p.DesignKhLv1, design);
    r.Real(p.DesignKhLv2T1, design);
    r.Real(p.DesignKhLv2T2, design);
    r.Skip("見出し「2:土層情報」");
    r.Real(p.WaterDepth, "水位深度");
    r.Count(p.LayerCount, kMaxLayers, "土層数");
    for (int i = 1; r.status() && i <= p.LayerCount; ++i) {
        const std::string what = "土層" + FormatWhole(i) + "のデータ";
        SoilLayer& l = p.SoilLayers[i];
        r.Real(l.Depth, what);
        r.Real(l.Thickness, what);
        r.Int16(l.SoilClass, what);
        r.Int16(l.WeightSource, what);
        r.Real(l.GammaT1, what);
        r.Real(l.GammaT2, what);
        r.Real(l.GammaE2, what);
        r.Real(l.FinesContent, what);
        r.Real(l.PlasticityIndex, what);
        r.Real(l.D50, what);
        r.Real(l.D10, what);
    }
    r.Skip("見出し「3:Ｎ値情報」");
    r.Count(p.NValueCount, kMaxNValues, "Ｎ値数");
    for (int i = 1; r.status() && i <= p.NValueCount; ++i) {
        const std::string what = "Ｎ値" + FormatWhole(i) + "のデータ";
        r.Real(p.NValues[i].Depth, what);
        r.Int16(p.NValues[i].N, what);
    }
    if (!r.status()) {
        return r.status();
    }
    project = p;
    FileStatus loaded = FileStatus::Ok();
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        loaded.warning = kNoFinalLineEndWarning;
    }
    return loaded;
}

FileStatus LoadProject(const std::filesystem::path& path, const BasicInfo& basicInfo,
                       ProjectData& project) {
    const FileBytes content = ReadWholeFile(path);
    if (!content.status) {
        return content.status;
    }
    return ParseProjectFile(content.bytes, basicInfo, project);
}

}  // namespace fljudge
