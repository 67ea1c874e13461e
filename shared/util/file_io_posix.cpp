// The POSIX side of file_io.h, used by the native build that runs the unit tests.
#include "shared/util/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace util {
namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Flushes the folder holding path, so the rename itself survives a crash; best effort.
void SyncParentFolder(const std::string &path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

// Makes an existing path's file path + ".bak" too, replacing an older one, so that the rename that
// follows leaves the old content there: a second link to it, so path names a whole file at every
// moment. Where links cannot be made the file is renamed, and path is missing until that rename.
// 0, or the error.
int KeepAsBackup(const std::string &path) {
    const std::string backup = BackupPathFor(path);
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (::link(path.c_str(), backup.c_str()) == 0 || errno == ENOENT) return 0;
    return ::rename(path.c_str(), backup.c_str()) == 0 ? 0 : errno;
}

} // namespace

ReadResult ReadWholeFile(const std::string &path) {
    ReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A missing file or folder means "nothing stored yet"; anything else is a real fault.
        if (errno == ENOENT || errno == ENOTDIR) {
            result.status = ReadStatus::Missing;
        } else {
            result.status = ReadStatus::Unreadable;
            result.reason = SystemReason(errno);
        }
        return result;
    }
    // Straight into the result, sized by the file's length; a file that grows meanwhile is read to its end.
    struct stat info {};
    const size_t expected =
        ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
    std::vector<uint8_t> &bytes = result.bytes;
    bytes.resize(expected + 1);
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

WriteResult WriteFileSafely(const std::string &path, const std::vector<uint8_t> &bytes, OldFile old) {
    const std::string temporary = TemporaryPathFor(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return {false, SystemReason(errno)};

    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && old == OldFile::KeepAsBackup) error = KeepAsBackup(path);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {false, SystemReason(error)};
    }
    SyncParentFolder(path);
    return {true, {}};
}

} // namespace util
