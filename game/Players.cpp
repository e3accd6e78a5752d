#include "game/Players.h"

#include "game/Host.h"
#include "storage/Codepage.h"
#include "storage/NamesFile.h"
#include "text/Messages.h"
#include "text/TextCase.h"

namespace vornel {

Players::Players(std::filesystem::path namesFile) : file_(std::move(namesFile)) { }

std::vector<std::string> Players::load() const
{
    std::vector<std::string> names;
    for (std::string& name : readNameRecords(file_))
        if (!trimBlanks(name).empty())
            names.push_back(std::move(name));
    return names;
}

std::string Players::capitalised(std::string_view name)
{
    const std::string_view first = firstCharacter(name);
    return std::string(first) + toLower(name.substr(first.size()));
}

NameChoice Players::confirm(
    std::string_view typed, std::vector<std::string>& offered, std::string& playerName, bool useGreek, Host& host) const
{
    const std::string name(trimBlanks(typed));
    if (characterCount(name) > MaxNameLength) {
        host.showMessage(Messages::NameTooLong.in(useGreek), Messages::NameTooLongTitle.in(useGreek));
        return NameChoice::TooLong;
    }
    // Stored as "?" it would be a different name, added again at every confirmation.
    if (!fitsCodepage(name)) {
        host.showMessage(Messages::NameNotStorable.in(useGreek));
        return NameChoice::NotStorable;
    }
    if (name.empty()) {
        playerName = Messages::Anonymous.in(useGreek);
        return NameChoice::Anonymous;
    }
    playerName = capitalised(name);
    offered.push_back(name);
    for (const std::string& stored : readNameRecords(file_))
        if (trimBlanks(stored) == name)
            return NameChoice::Known;
    if (const SaveResult saved = writeNames(file_, offered); !saved)
        host.showMessage(Messages::changeNotSaved(useGreek, saved.failure()));
    return NameChoice::Added;
}

}  // namespace vornel
