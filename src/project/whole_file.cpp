#include "project/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <string>

namespace fljudge {
namespace {

// Closes a descriptor on every path out of a function.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, reporting the error a delayed write may surface only here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

FileStatus OpenFailure(int error) {
    switch (error) {
        case ENOENT:
            return FileStatus::Failed("ファイルが見つかりません");
        case EACCES:
        case EPERM:
            return FileStatus::Failed("ファイルを開く権限がありません");
        default:
            return FileStatus::Failed("ファイルを開けません");
    }
}

FileStatus WriteFailure(int error) {
    if (error == ENOSPC || error == EDQUOT) {
        return FileStatus::Failed("ディスクの空き容量が足りないため書き込めません");
    }
    return FileStatus::Failed("ファイルに書き込めません");
}

// Why a path that is not a regular file cannot be read as one, by what it is.
FileStatus NotARegularFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return FileStatus::Failed("ファイルではなくフォルダです");
    }
    if (S_ISFIFO(mode)) {
        return FileStatus::Failed("ファイルではなくパイプです");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return FileStatus::Failed("ファイルではなくデバイスです");
    }
    if (S_ISSOCK(mode)) {
        return FileStatus::Failed("ファイルではなくソケットです");
    }
    return FileStatus::Failed("通常のファイルではありません");
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

FileStatus ReadOnlyFileSystem() {
    return FileStatus::Failed("読み取り専用のファイルシステムのため保存できません");
}

// Why the new file could not be made in the folder.
FileStatus CreateFailure(int error) {
    switch (error) {
        case EROFS:
            return ReadOnlyFileSystem();
        case EACCES:
        case EPERM:
            return FileStatus::Failed("フォルダに書き込む権限がありません");
        case ENOSPC:
        case EDQUOT:
            return WriteFailure(error);
        case ENOENT:
            return FileStatus::Failed("保存先のフォルダがありません");
        default:
            return FileStatus::Failed("ファイルを作成できません");
    }
}

// The file that `path` names after following every link: a link to a link
// is followed on, a relative link is taken from the link's folder. The file
// itself need not exist; a missing folder shows when the file is made.
FileStatus ResolveLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    target = path;
    // As many as the system itself follows before it gives up (ELOOP).
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(target, error)) {
            return FileStatus::Ok();
        }
        const std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error) {
            return FileStatus::Failed("リンクをたどれません");
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
        if (!target.has_filename()) {
            return FileStatus::Failed("リンク先がファイル名ではありません");
        }
    }
    return FileStatus::Failed("リンクが循環しています");
}

// The hidden name the new file takes for the instant before the rename:
// .NAME.PID-N.tmp in the target's folder.
std::filesystem::path TemporaryName(const std::filesystem::path& target, int attempt) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
    std::string name(".");
    name.append(target.filename().string())
        .append(".")
        .append(std::to_string(::getpid()))
        .append("-")
        .append(std::to_string(attempt))
        .append(".tmp");
    return target.parent_path() / name;
}

// Removes the temporaries of saves of `name` killed before their rename: a
// name of ours whose process no longer runs.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& name) {
    std::string prefix(".");
    prefix.append(name).append(".");
    const std::string suffix = ".tmp";
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string entry = entries->path().filename().string();
        if (entry.size() <= prefix.size() + suffix.size() || entry.rfind(prefix, 0) != 0 ||
            entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        // PID-N between them, digits only.
        const std::string middle =
            entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
        const std::size_t dash = middle.find('-');
        if (dash == 0 || dash == std::string::npos || dash > 9 ||
            middle.find_first_not_of("0123456789", 0) != dash ||
            middle.find_first_not_of("0123456789", dash + 1) != std::string::npos ||
            dash + 1 == middle.size()) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(middle.substr(0, dash)));
        if (pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            std::filesystem::remove(entries->path(), ignored);
        }
    }
}

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never
    // come; for a regular file the flag changes nothing.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return {OpenFailure(errno), {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return {FileStatus::Failed("ファイルを読み込めません"), {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {NotARegularFile(info.st_mode), {}};
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {FileStatus::Failed("ファイルを読み込めません"), {}};
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
            return {FileStatus::Failed("ファイルが大きすぎます"), {}};
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {FileStatus::Ok(), std::move(bytes)};
}

FileStatus ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    if (!path.has_filename()) {
        return FileStatus::Failed("ファイル名がありません");
    }
    // Through a link, the file it points to is replaced, not the link; a
    // dangling link gets its file created.
    std::filesystem::path target;
    if (FileStatus resolved = ResolveLinks(path, target); !resolved) {
        return resolved;
    }
    // An existing file keeps its permissions, and a read-only one is not
    // replaced behind the user's back.
    std::optional<mode_t> keptMode;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::access(target.c_str(), W_OK) != 0) {
            return errno == EROFS ? ReadOnlyFileSystem()
                                  : FileStatus::Failed("読み取り専用のファイルには保存できません");
        }
        keptMode = old.st_mode & 07777;
    }
    // A hidden name of our own in the same folder, so the rename stays on one
    // file system and cannot be mistaken for a user's file.
    const std::filesystem::path folder = target.parent_path();
    RemoveStaleTemporaries(folder, target.filename().string());
    // Written unnamed where the file system allows it, so that a save killed
    // while writing leaves nothing; named only for the instant before the
    // rename (what a kill leaves then, the next save removes).
    // The unnamed file is named through /proc, so without it the name comes first.
    int fd = ::access("/proc/self/fd", F_OK) == 0 ? ::open(folder.empty() ? "." : folder.c_str(),
                                                           O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                                                  : -1;
    const bool unnamed = fd >= 0;
    std::filesystem::path temporary;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return CreateFailure(errno);
    }
    FileDescriptor file(fd);
    const auto discard = [&temporary](FileStatus status) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        return status;
    };
    if (keptMode && ::fchmod(file.get(), *keptMode) != 0) {
        file.Close();
        return discard(FileStatus::Failed("ファイルを作成できません"));
    }
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
        const int error = errno;
        file.Close();
        return discard(WriteFailure(error));
    }
    if (unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(file.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            temporary = TemporaryName(target, attempt);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                break;
            }
            const int error = errno;
            temporary.clear();
            if (error != EEXIST) {
                file.Close();
                return CreateFailure(error);
            }
        }
        if (temporary.empty()) {
            return FileStatus::Failed("ファイルを作成できません");
        }
    }
    if (!file.Close()) {
        return discard(WriteFailure(errno));
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        if (errno == EISDIR) {
            return discard(FileStatus::Failed("同じ名前のフォルダがあるため保存できません"));
        }
        return discard(FileStatus::Failed("ファイルを置き換えられません"));
    }
    return FileStatus::Ok();
}

FileStatus RemoveFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
        return FileStatus::Ok();
    }
    const std::string failed = "ファイルを削除できません";
    switch (errno) {
        case EISDIR:
            return FileStatus::Failed(failed + "（ファイルではなくフォルダです）");
        case EACCES:
        case EPERM:
            return FileStatus::Failed(failed + "（フォルダに書き込む権限がありません）");
        case EROFS:
            return FileStatus::Failed(failed + "（読み取り専用のファイルシステムです）");
        case EBUSY:
            return FileStatus::Failed(failed + "（使用中です）");
        default:
            return FileStatus::Failed(failed);
    }
}

}  // namespace fljudge
