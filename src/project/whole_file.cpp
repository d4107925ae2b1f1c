#include "project/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

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

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return {OpenFailure(errno), {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return {FileStatus::Failed("ファイルを読み込めません"), {}};
    }
    if (S_ISDIR(info.st_mode)) {
        return {FileStatus::Failed("ファイルではなくフォルダです"), {}};
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
    // Through a link, the file it points to is replaced, not the link.
    std::filesystem::path target = path;
    std::error_code linkError;
    if (std::filesystem::is_symlink(path, linkError)) {
        target = std::filesystem::weakly_canonical(path, linkError);
        if (linkError) {
            return FileStatus::Failed("ファイルを作成できません");
        }
    }
    // An existing file keeps its permissions, and a read-only one is not
    // replaced behind the user's back.
    std::optional<mode_t> keptMode;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::access(target.c_str(), W_OK) != 0) {
            return FileStatus::Failed("読み取り専用のファイルには保存できません");
        }
        keptMode = old.st_mode & 07777;
    }
    // A hidden name of our own in the same folder, so the rename stays on one
    // file system and cannot be mistaken for a user's file.
    const std::filesystem::path folder = target.parent_path();
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
    std::string stem(".");
    stem.append(target.filename().string()).append(".").append(std::to_string(::getpid()));
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        std::string name = stem;
        temporary = folder / name.append("-").append(std::to_string(attempt)).append(".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return FileStatus::Failed("フォルダに書き込む権限がありません");
        }
        if (error == ENOSPC || error == EDQUOT) {
            return WriteFailure(error);
        }
        return FileStatus::Failed("ファイルを作成できません");
    }
    FileDescriptor file(fd);
    const auto discard = [&temporary](FileStatus status) {
        ::unlink(temporary.c_str());
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

}  // namespace fljudge
