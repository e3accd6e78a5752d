#include "game/BestScores.h"

#include "game/Numbers.h"
#include "text/Messages.h"

namespace vornel {

BestScores::BestScores(std::filesystem::path singleGameFile, std::filesystem::path championshipFile)
    : single_(std::move(singleGameFile)), championship_(std::move(championshipFile))
{
}

const std::filesystem::path& BestScores::file(Mode mode) const
{
    return mode == Mode::SingleGame ? single_ : championship_;
}

std::int16_t BestScores::scoreOf(const TaggedValue& stored)
{
    switch (stored.type) {
    case TaggedValue::Type::Int16:
    case TaggedValue::Type::Int32:
        return toInt16(static_cast<double>(stored.number)).value_or(0);
    case TaggedValue::Type::Text:
        return toInt16(stored.text).value_or(0);
    case TaggedValue::Type::Empty:
        break;
    }
    return 0;
}

std::optional<int> BestScores::placeFor(const ScoreTable& table, std::int16_t score)
{
    if (score <= scoreOf(table.scores[ScoreTable::Places - 1]))
        return std::nullopt;
    for (int p = 0; p < ScoreTable::Places; ++p)
        if (scoreOf(table.scores[p]) < score)
            return p + 1;
    return std::nullopt;
}

void BestScores::enter(ScoreTable& table, int place, const std::string& score, const std::string& name)
{
    const int p = place - 1;
    for (int i = ScoreTable::Places - 1; i > p; --i) {
        table.scores[i] = table.scores[i - 1];
        table.names[i] = table.names[i - 1];
    }
    table.scores[p] = TaggedValue::fromText(score);
    table.names[p] = TaggedValue::fromText(name);
}

namespace {

// The best entry of a table, if it has a real name and a positive score.
std::optional<std::string> bestEntry(const std::filesystem::path& file)
{
    const ScoreTable table = readScoreTable(file);
    const std::string name = table.names[0].toText();
    if (name.empty() || name == " " || BestScores::scoreOf(table.scores[0]) <= 0)
        return std::nullopt;
    return table.scores[0].toText() + " - " + name;
}

}  // namespace

std::string BestScores::bestScoresLine(bool useGreek) const
{
    std::string line;
    if (auto best = bestEntry(championship_))
        line = Messages::ChampionshipBest.in(useGreek) + *best;
    if (auto best = bestEntry(single_))
        line += (line.empty() ? Messages::GameBestAlone : Messages::GameBestAfterChampionship).in(useGreek) + *best;
    return line.empty() ? Messages::NoScores.in(useGreek) : line;
}

}  // namespace vornel
