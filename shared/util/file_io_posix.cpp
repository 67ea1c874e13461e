// The POSIX side of file_io.h, used by the native build: agenda and the unit tests.
#include "shared/util/file_io.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace util {
namespace {

std::string SystemReason(int error) { return std::strerror(error); }

FileKind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::File;
    if (S_ISDIR(mode)) return FileKind::Folder;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    return FileKind::Pipe; // a FIFO or a socket
}

std::string FolderOf(const std::string &path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// Flushes the folder holding path, so the rename itself survives a crash; best effort.
void SyncParentFolder(const std::string &path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteAll(int fd, const std::vector<uint8_t> &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes the file at path path + ".bak" too, replacing an older one, so that the rename that
// follows leaves the old content there: a second link to it, so path names a whole file at
// every moment. Where links cannot be made the file is renamed, and path is missing until that
// rename. 0, or the error.
int KeepAsBackup(const std::string &path) {
    const std::string backup = BackupPathFor(path);
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (::link(path.c_str(), backup.c_str()) == 0 || errno == ENOENT) return 0;
    return ::rename(path.c_str(), backup.c_str()) == 0 ? 0 : errno;
}

// A new, empty temporary file (a stale one, or a link left in its name, goes first), with the
// permissions of the file it will replace. The descriptor, or -1 with errno set.
int CreateTemporary(const std::string &temporary, const struct stat *old) {
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 && old != nullptr) static_cast<void>(::fchmod(fd, old->st_mode & 07777)); // best effort
    return fd;
}

} // namespace

SystemPath FinalPath(const SystemPath &path) {
    // Followed one link at a time, so that a link whose file is yet to be made still leads there.
    std::string at = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return at;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(at.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<size_t>(length) == sizeof target) return at;
        std::string next(target, static_cast<size_t>(length));
        at = next.front() == '/' ? next : FolderOf(at).append("/").append(next);
    }
    return at;
}

std::optional<FileIdentity> IdentityOf(const SystemPath &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

WriteResult WriteInPlace(const SystemPath &path, const std::vector<uint8_t> &bytes) {
    // A pipe's open waits for its reader, as any writer into a pipe does.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {false, FileKind::File, SystemReason(errno)};
    int error = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return {false, FileKind::File, SystemReason(error)};
    return {true, FileKind::File, {}};
}

ReadResult ReadWholeFile(const SystemPath &path) {
    ReadResult result;
    // Without waiting: a pipe in the file's place would hold the open until someone writes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        // A missing file or folder means "nothing stored yet"; anything else is a real fault.
        result.status = error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
        if (result.status == ReadStatus::Unreadable) result.reason = SystemReason(error);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = ReadStatus::NotAFile;
        result.kind = KindOf(info.st_mode);
        return result;
    }
    // Straight into the result, sized by the file's length; a file that grows meanwhile is read to its end.
    std::vector<uint8_t> &bytes = result.bytes;
    bytes.resize(info.st_size > 0 ? static_cast<size_t>(info.st_size) + 1 : 1);
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            bytes.clear();
            result.status = ReadStatus::Unreadable;
            result.reason = SystemReason(error);
            return result;
        }
        used += static_cast<size_t>(n);
    }
    bytes.resize(used);
    ::close(fd);
    result.status = ReadStatus::Read;
    return result;
}

WriteResult WriteFileSafely(const SystemPath &path, const std::vector<uint8_t> &bytes, OldFile old) {
    const std::string target = FinalPath(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) return {false, KindOf(info.st_mode), {}};

    const std::string temporary = TemporaryPathFor(target);
    const int fd = CreateTemporary(temporary, exists ? &info : nullptr);
    if (fd < 0) return {false, FileKind::File, SystemReason(errno)};
    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && old == OldFile::KeepAsBackup) error = KeepAsBackup(target);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {false, FileKind::File, SystemReason(error)};
    }
    SyncParentFolder(target);
    return {true, FileKind::File, {}};
}

} // namespace util
