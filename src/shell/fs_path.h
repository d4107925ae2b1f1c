#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace fljudge {

// File names cross between Qt and the core in the file system's own encoding.
inline std::filesystem::path ToFsPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

inline QString FromFsPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace fljudge
