#include "storage/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vornel {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

// A path with a NUL inside names no file: the system would read it only up
// to the NUL, which is another file.
bool namesAFile(const std::filesystem::path& file)
{
    return file.native().find('\0') == std::string::npos;
}

// 0, or the error that stopped the write.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return n < 0 ? errno : EIO;
    }
    return 0;
}

// The temporary files of a replace are ".<name>." and six characters from
// mkstemp; only these are ever taken for orphans.
bool isTemporaryOf(const std::string& entry, const std::string& prefix)
{
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A write killed before its rename leaves its temporary file behind. A
// writer holds a lock on its file until the rename, so a temporary file we
// can lock belongs to nobody and goes; one in use by a running save stays.
void removeOrphans(const std::filesystem::path& folder, const std::string& prefix)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::filesystem::path& entry = it->path();
        if (!isTemporaryOf(entry.filename().string(), prefix))
            continue;
        Descriptor fd(::open(entry.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st { };
        if (fd.ok() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry.c_str());
    }
}

std::string temporaryPrefix(const std::filesystem::path& file)
{
    return "." + file.filename().string() + ".";
}

std::filesystem::path folderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : ".";
}

// The player marks a file read-only by taking away its write permission; the
// mode bits decide even for root, whom the system lets write anything.
bool isReadOnly(const std::filesystem::path& file, const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0;
}

SaveResult replace(const std::filesystem::path& file, std::string_view bytes)
{
    if (!file.has_filename())
        return SaveResult::failed(SaveFailure::NotARegularFile);

    // Only a regular file is ever replaced; a missing one is created, and a
    // link is replaced by a file of its own.
    mode_t mode = 0644;
    struct stat st { };
    if (::lstat(file.c_str(), &st) == 0) {
        if (S_ISREG(st.st_mode)) {
            if (isReadOnly(file, st))
                return SaveResult::failed(SaveFailure::ReadOnly);
            mode = st.st_mode & 07777;
        } else if (!S_ISLNK(st.st_mode)) {
            return SaveResult::failed(SaveFailure::NotARegularFile);
        }
    } else if (errno != ENOENT) {
        return SaveResult::failedWith(errno);
    }

    const std::filesystem::path folder = folderOf(file);
    const std::string prefix = temporaryPrefix(file);
    removeOrphans(folder, prefix);

    std::string temporary = (folder / (prefix + "XXXXXX")).string();
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.ok())
        return SaveResult::failedWith(errno);
    // The lock lives as long as the descriptor: it tells removeOrphans this
    // file is still being written.
    int error = ::flock(fd.get(), LOCK_EX) == 0 ? 0 : errno;
    if (error == 0)
        error = writeAll(fd.get(), bytes);
    if (error == 0 && (::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0 ||
                          ::rename(temporary.c_str(), file.c_str()) != 0))
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return SaveResult::failedWith(error);
    }

    // The rename is done and cannot be undone; making it durable is best
    // effort, as some file systems refuse to sync a folder.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.ok())
        ::fsync(dir.get());
    return {};
}

// Nothing to do: a caught signal, unlike an ignored one, is not handed on
// to the programs the game starts (the help viewer, the mail program).
void ignoreFileSizeSignal(int) { }

}  // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::size_t maxBytes)
{
    if (!namesAFile(file))
        return std::nullopt;
    try {
        // O_NONBLOCK: opening a pipe without a writer would otherwise wait.
        Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st { };
        if (!fd.ok() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            static_cast<std::uintmax_t>(st.st_size) > maxBytes)
            return std::nullopt;

        // The file may grow while read: one byte past the limit is enough to
        // know it is too large.
        const std::size_t limit = maxBytes == std::numeric_limits<std::size_t>::max() ? maxBytes : maxBytes + 1;
        std::string bytes(std::min(limit, static_cast<std::size_t>(st.st_size) + 1), '\0');
        std::size_t held = 0;
        while (held < limit) {
            if (held == bytes.size())
                bytes.resize(std::min(limit, std::max<std::size_t>(bytes.size() * 2, 4096)));
            const ssize_t n = ::read(fd.get(), bytes.data() + held, bytes.size() - held);
            if (n > 0)
                held += static_cast<std::size_t>(n);
            else if (n == 0)
                break;
            else if (errno != EINTR)
                return std::nullopt;
        }
        if (held > maxBytes)
            return std::nullopt;
        bytes.resize(held);
        return bytes;
    } catch (...) {  // out of memory
        return std::nullopt;
    }
}

bool fileExists(const std::filesystem::path& file)
{
    struct stat st { };
    return namesAFile(file) && ::stat(file.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool isRegularFileOfSize(const std::filesystem::path& file, std::size_t maxBytes)
{
    struct stat st { };
    return namesAFile(file) && ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) <= maxBytes;
}

SaveResult SaveResult::failedWith(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return failed(SaveFailure::DiskFull, error);
    case EACCES:
    case EPERM:
    case EROFS:
        return failed(SaveFailure::ReadOnly, error);
    case EFBIG:
        return failed(SaveFailure::TooLarge, error);
    case EISDIR:
        return failed(SaveFailure::NotARegularFile, error);
    default:
        return failed(SaveFailure::Other, error);
    }
}

SaveResult replaceFileContents(const std::filesystem::path& file, std::string_view bytes)
{
    if (!namesAFile(file))
        return SaveResult::failed(SaveFailure::NotARegularFile);
    try {
        return replace(file, bytes);
    } catch (...) {  // out of memory building a path
        return SaveResult::failed(SaveFailure::Other, ENOMEM);
    }
}

void removeOrphanedTemporariesOf(const std::filesystem::path& file)
{
    if (!namesAFile(file) || !file.has_filename())
        return;
    try {
        removeOrphans(folderOf(file), temporaryPrefix(file));
    } catch (...) {  // out of memory building a path: they go next time
    }
}

void prepareProcessForSaves()
{
    struct sigaction action { };
    action.sa_handler = ignoreFileSizeSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace vornel
