#include "report/qt/replace_file.h"

#include <QFile>
#include <filesystem>
#include <string_view>

#include "project/whole_file.h"

namespace fljudge {

RenderResult ReplaceFileWith(const QString& path, const QByteArray& bytes) {
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    const FileStatus status = ReplaceWholeFile(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!status) {
        return RenderResult::Failed(QString::fromStdString(status.reason));
    }
    return {};
}

}  // namespace fljudge
