#pragma once
#include <filesystem>
#include <optional>

#include "game/Host.h"

namespace vornel {

// The game's help file in its data folder: "Help.hlp", or else the first
// file (by name) whose extension is ".hlp" in any case. Hidden files count;
// only a regular file of sane size whose page stays within the manual's
// bounds (text/HtmlShape.h) is a help file.
std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder);

// The help file to open; without one the player is told to reinstall
// (in Greek, whatever the language) and there is nothing to open.
std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder, Host& host);

}  // namespace vornel
