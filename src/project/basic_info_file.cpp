#include "project/basic_info_file.h"

#include <system_error>
#include <vector>

#include "project/cp932_text_check.h"
#include "project/item_reader.h"
#include "project/number_text.h"
#include "project/whole_file.h"

namespace fljudge {
namespace {

// The 33 values in file order: the tables one after the other, row by row.
std::vector<double*> ValuesInFileOrder(BasicInfo& info) {
    std::vector<double*> values;
    const auto add = [&values](auto& table) {
        for (Triple& row : table) {
            for (double& value : row) {
                values.push_back(&value);
            }
        }
    };
    add(info.UnitWeightTable);
    add(info.RegionFactorTable);
    add(info.SeismicCoefTable);
    return values;
}

}  // namespace

FileStatus ParseBasicInfo(std::string_view bytes, BasicInfo& info) {
    info = DefaultBasicInfo();
    if (FileStatus text = CheckCp932Text(bytes); !text) {
        return text;
    }
    FileStatus status;
    ItemReader reader(bytes);
    const std::vector<double*> values = ValuesInFileOrder(info);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto item = reader.Next();
        if (!item) {
            return FileStatus::Failed("ファイルが途中で終わっています（" +
                                      FormatWhole(static_cast<int>(i) + 1) +
                                      "個目の値がありません）");
        }
        const LeadingNumber number = ParseLeadingNumber(*item);
        if (!number.inRange) {
            // The default stays; the rest of the file is still worth reading.
            if (status) {
                status = FileStatus::Failed(FormatWhole(reader.Line()) + "行目の値が範囲外です");
            }
            continue;
        }
        *values[i] = number.value;
    }
    return status;
}

FileStatus ReadBasicInfoFile(const std::filesystem::path& file, BasicInfo& info) {
    FileBytes content = ReadWholeFile(file);
    if (!content.status) {
        info = DefaultBasicInfo();
        return content.status;
    }
    return ParseBasicInfo(content.bytes, info);
}

std::string BasicInfoFileText(const BasicInfo& info) {
    std::string text;
    const auto add = [&text](const auto& table) {
        for (const Triple& row : table) {
            text += FormatFileNumber(row[1]) + "," + FormatFileNumber(row[2]) + "," +
                    FormatFileNumber(row[3]) + "\r\n";
        }
    };
    add(info.UnitWeightTable);
    add(info.RegionFactorTable);
    add(info.SeismicCoefTable);
    return text;
}

FileStatus LoadBasicInfo(BasicInfo& info, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kBasicInfoFileName;
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        info = DefaultBasicInfo();
        return FileStatus::Ok();
    }
    FileStatus status = ReadBasicInfoFile(path, info);
    if (!status) {
        return FileStatus::Failed(status.reason + "。読めなかった値は初期値を使います");
    }
    return status;
}

FileStatus SaveBasicInfo(const BasicInfo& info, const std::filesystem::path& folder) {
    return ReplaceWholeFile(folder / kBasicInfoFileName, BasicInfoFileText(info));
}

FileStatus ResetBasicInfo(BasicInfo& info, const std::filesystem::path& folder) {
    info = DefaultBasicInfo();
    return RemoveFile(folder / kBasicInfoFileName);
}

}  // namespace fljudge
