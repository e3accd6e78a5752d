#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "storage/SafeFile.h"

namespace vornel {

// The user's own wallpapers: a text file of full paths, one a line, each
// line ended by CR LF, in windows-1253. Nothing else is stored.

// More wallpapers of one's own than a menu can show usefully; a file that
// holds more (a runaway script's) would make a menu of thousands.
inline constexpr std::size_t MaxBackgroundPaths = 100;

// The usable paths in file order, at most MaxBackgroundPaths. A line that is
// blank after trimming spaces, repeats an earlier line, or whose file no
// longer exists, is skipped; a missing or unreadable file gives none.
std::vector<std::string> readBackgroundFile(const std::filesystem::path& file);

// Replaces the whole file with these paths in one crash-safe replace. A
// path that cannot be a line (it holds a line break) is left out. Something
// at the path that is not a regular file of sane size is never replaced.
SaveResult writeBackgroundFile(const std::filesystem::path& file, const std::vector<std::string>& paths);

}  // namespace vornel
