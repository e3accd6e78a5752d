#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornel {

class Host;

// What became of a name the player confirmed.
enum class NameChoice {
    TooLong,      // refused with a message; the window stays open
    NotStorable,  // letters the names file cannot hold: refused likewise
    Anonymous,    // nothing typed: the anonymous player, nothing stored
    Known,        // as stored, blanks around either aside: the file is left alone
    Added,        // a new name: the whole list is written
};

// Whether the player window stays open for the name to be typed again.
inline bool isRefused(NameChoice choice)
{
    return choice == NameChoice::TooLong || choice == NameChoice::NotStorable;
}

// The players' names and the rules for a new one.
class Players {
public:
    static constexpr std::size_t MaxNameLength = 15;  // characters

    explicit Players(std::filesystem::path namesFile);

    // The names offered, in file order; blank records are left out.
    std::vector<std::string> load() const;

    // The player confirmed `typed` while `offered` was the list shown.
    // Sets `playerName` unless refused; a new name joins `offered` and the
    // list is written.
    NameChoice confirm(
        std::string_view typed, std::vector<std::string>& offered, std::string& playerName, bool useGreek, Host& host) const;

    // The first character as typed, the rest in lower case.
    static std::string capitalised(std::string_view name);

private:
    std::filesystem::path file_;
};

}  // namespace vornel
