#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "storage/SafeFile.h"

namespace vornel {

// The players' names: one tagged text per 128-byte record, from record 1 to
// the end of the file.

// Every record's value as text, blank ones included, in file order. A
// missing file is created empty and gives no names.
std::vector<std::string> readNameRecords(const std::filesystem::path& file);
// Replaces the whole file with exactly these names, records 1 to n, in one
// crash-safe replace. A name too long for its record is written cut to fit.
// The leading records that already hold their names are kept byte for byte
// (their tag and the bytes after the value included), so adding a player
// leaves the others' records as they were.
SaveResult writeNames(const std::filesystem::path& file, const std::vector<std::string>& names);

}  // namespace vornel
