#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornel {

// No data file of the game comes near this; anything larger is not ours.
inline constexpr std::size_t MaxDataFileBytes = 1 << 20;

// The whole content of a regular file of at most `maxBytes`. A missing file,
// a folder, a pipe, a device, a larger or an unreadable file gives nothing;
// it never blocks and never throws.
std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::size_t maxBytes = MaxDataFileBytes);

// Whether something that is not a folder exists at the path.
bool fileExists(const std::filesystem::path& file);

// Whether a regular file of at most `maxBytes` is at the path, for a file
// that another program or library will read: a pipe would block it, a
// device or a huge file would never end.
bool isRegularFileOfSize(const std::filesystem::path& file, std::size_t maxBytes = MaxDataFileBytes);

// Why a save did not reach the disk, in terms the player can be told.
enum class SaveFailure : unsigned char {
    DiskFull,         // no space left, or the user's quota is used up
    ReadOnly,         // the file is read-only, or its folder or disk may not be written
    NotARegularFile,  // a folder, a pipe, a device or a file not of the game is at its path
    TooLarge,         // over the size limit of the process or of the file system
    Other,            // any other error of the disk, or a value that does not fit
};

// The outcome of a save: success, or the reason it failed and the system's
// error number (0 when the refusal was ours, not the system's).
class SaveResult {
public:
    SaveResult() = default;  // success
    static SaveResult failed(SaveFailure reason, int error = 0) { return SaveResult(reason, error); }
    // The reason of a failed system call.
    static SaveResult failedWith(int error);

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    // Meaningful only when the save failed.
    SaveFailure failure() const { return failure_; }
    int error() const { return error_; }

private:
    SaveResult(SaveFailure reason, int error) : failed_(true), failure_(reason), error_(error) { }

    bool failed_ = false;
    SaveFailure failure_ = SaveFailure::Other;
    int error_ = 0;
};

// Replaces the file's content so that a crash at any moment leaves either
// the old or the new content: the new bytes go to a file beside it, are
// flushed to disk, and that file is renamed over the old one. On failure the
// old file is as it was. A new file gets mode 0644, an old one keeps its
// mode. A file without write permission is read-only to us: it is never
// replaced (ReadOnly). A symbolic link is not written through: the link
// itself is replaced by a regular file, and whatever it leads to, if
// anything, is never touched. A temporary file left by a killed replace is
// removed by the next replace of the same file.
SaveResult replaceFileContents(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporary files that replaces of `file` killed before their
// rename left beside it; one still being written by a running save stays.
void removeOrphanedTemporariesOf(const std::filesystem::path& file);

// Makes a write over the process's file size limit (RLIMIT_FSIZE) a failed
// save (TooLarge) instead of the end of the program. Call once at start.
void prepareProcessForSaves();

}  // namespace vornel
