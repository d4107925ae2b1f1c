#include "file_code_probe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "project/basic_info_file.h"
#include "project/project_file.h"
#include "shell/fs_path.h"

namespace fljudge::test {

bool BasicInfoFileWrites() {
    QTemporaryDir folder;
    BasicInfo info = DefaultBasicInfo();
    BasicInfoFile(BasicInfoFileMode::Write, info, ToFsPath(folder.path()));
    return QFile::exists(folder.filePath("Base.ini"));
}

bool ProjectFileWrites() {
    QTemporaryDir folder;
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    const QString path = folder.filePath("probe.KORV");
    SaveProject(ToFsPath(path), project);
    return QFile::exists(path);
}

}  // namespace fljudge::test
