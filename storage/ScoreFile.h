#pragma once
#include <array>
#include <filesystem>

#include "storage/RecordFile.h"

namespace vornel {

// A best-score table as its file holds it: records 1 to 5 are the scores of
// places 1 to 5, records 6 to 10 their names, each a tagged value. A place
// never filled reads as empty (tag 0). Values keep the tag they were read
// with, so a table written back unchanged gives the same bytes.
struct ScoreTable {
    static constexpr int Places = 5;
    std::array<TaggedValue, Places> scores;
    std::array<TaggedValue, Places> names;
};

namespace ScoreRecord {
inline constexpr int FirstScore = 1;  // place p: FirstScore + p - 1
inline constexpr int FirstName = 6;
}  // namespace ScoreRecord

// A missing file is created empty and reads as an empty table.
ScoreTable readScoreTable(const std::filesystem::path& file);
// Rewrites records 1 to 10 in one crash-safe replace; every other byte of
// the file (the settings records share the single-game file) stays as it was.
// A value that does not fit its record writes nothing (a failed save, Other).
SaveResult writeScoreTable(const std::filesystem::path& file, const ScoreTable& table);
// Deletes the file, whatever its permissions; false when it is still there.
bool deleteScoreFile(const std::filesystem::path& file);

}  // namespace vornel
