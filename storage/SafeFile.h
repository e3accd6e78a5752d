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

// Replaces the file's content so that a crash at any moment leaves either
// the old or the new content: the new bytes go to a file beside it, are
// flushed to disk, and that file is renamed over the old one. False when any
// step fails; the old file is then as it was. A new file gets mode 0644, an
// old one keeps its mode. Through a symbolic link the file it leads to is
// replaced; a link that leads nowhere is refused. A temporary file left by a
// killed replace is removed by the next replace of the same file.
bool replaceFileContents(const std::filesystem::path& file, std::string_view bytes);

}  // namespace vornel
