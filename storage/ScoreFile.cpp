#include "storage/ScoreFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vornel {

ScoreTable readScoreTable(const std::filesystem::path& file)
{
    const RecordFile records(file);
    ScoreTable table;
    for (int place = 0; place < ScoreTable::Places; ++place) {
        table.scores[place] = records.readTagged(ScoreRecord::FirstScore + place);
        table.names[place] = records.readTagged(ScoreRecord::FirstName + place);
    }
    return table;
}

SaveResult writeScoreTable(const std::filesystem::path& file, const ScoreTable& table)
{
    RecordFile records(file);
    // From the last record down, as the table has always been written; a
    // value that does not fit leaves the whole table on disk as it was.
    for (int place = ScoreTable::Places - 1; place >= 0; --place)
        if (!records.writeTagged(ScoreRecord::FirstName + place, table.names[place]))
            return SaveResult::failed(SaveFailure::Other);
    for (int place = ScoreTable::Places - 1; place >= 0; --place)
        if (!records.writeTagged(ScoreRecord::FirstScore + place, table.scores[place]))
            return SaveResult::failed(SaveFailure::Other);
    return records.save();
}

bool deleteScoreFile(const std::filesystem::path& file)
{
    // The read-only mark is cleared first so that it never keeps the file,
    // whatever the file system makes of it. A link is removed, never its
    // target, so only a regular file has its mode changed.
    struct stat st { };
    if (::lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::chmod(file.c_str(), st.st_mode | S_IWUSR);
    ::unlink(file.c_str());
    return ::lstat(file.c_str(), &st) != 0 && errno == ENOENT;
}

}  // namespace vornel
