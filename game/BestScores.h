#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "game/Mode.h"
#include "storage/ScoreFile.h"

namespace vornel {

// The two best-score tables of five places, one for single games and one
// for championships, and the line that sums them up.
class BestScores {
public:
    BestScores(std::filesystem::path singleGameFile, std::filesystem::path championshipFile);

    const std::filesystem::path& file(Mode mode) const;

    // The place (1 to 5) a score takes: above the first lower score, below
    // equal ones. Nothing when it does not beat place 5.
    static std::optional<int> placeFor(const ScoreTable& table, std::int16_t score);
    // Moves places `place` to 4 down one (the old fifth drops out) and
    // writes the new entry, score and name as texts.
    static void enter(ScoreTable& table, int place, const std::string& score, const std::string& name);
    // A stored score compared as a 16-bit integer; unreadable gives 0.
    static std::int16_t scoreOf(const TaggedValue& stored);

    // The status line: the best of each table with its name.
    std::string bestScoresLine(bool useGreek) const;

private:
    std::filesystem::path single_;
    std::filesystem::path championship_;
};

}  // namespace vornel
