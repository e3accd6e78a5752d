// The English catalogue read from any bytes: every key the model of the
// format finds reads the same through the catalogue, in any letter case,
// and a key it does not find is missing.
#include <map>
#include <utility>

#include "FuzzFile.h"
#include "storage/Codepage.h"
#include "text/Profile.h"

using namespace vornel;
using namespace vornel::fuzz;

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && blank(s[a]))
        ++a;
    while (b > a && blank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

std::string lowered(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return s;
}

std::string uppered(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

// Sections and keys as the classic reader sees them: the first section of a
// name and the first key of a name win; values lose their blanks and one
// pair of matching quotes, and keep at most 255 bytes.
std::map<std::pair<std::string, std::string>, std::string> model(std::string text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::map<std::pair<std::string, std::string>, std::string> keys;
    std::map<std::string, bool> seenSections;
    std::string section;
    bool reading = false;
    std::string line;
    text += '\n';
    for (char c : text) {
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        const std::string l = trimmed(line);
        line.clear();
        if (l.empty() || l[0] == ';')
            continue;
        const std::size_t close = l.rfind(']');
        if (l[0] == '[' && close != std::string::npos) {
            section = lowered(trimmed(l.substr(1, close - 1)));
            reading = !seenSections[section];
            seenSections[section] = true;
            continue;
        }
        const std::size_t eq = l.find('=');
        if (!reading || eq == std::string::npos)
            continue;
        std::string value = trimmed(l.substr(eq + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        keys.try_emplace({section, lowered(trimmed(l.substr(0, eq)))}, value.substr(0, 255));
    }
    return keys;
}

// Names the program can be asked for: those that survive the code page.
bool askable(const std::string& ansi)
{
    return toAnsi(fromAnsi(ansi)) == ansi;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = scratchFile("english.ini");
    writeFile(path, data, size);
    const TextCatalog catalog(path);
    const auto keys = model(std::string(reinterpret_cast<const char*>(data), size));

    for (const auto& [where, value] : keys) {
        const auto& [section, key] = where;
        if (!askable(section) || !askable(key))
            continue;
        std::string expected = fromAnsi(value.substr(0, value.find('\0')));
        const std::optional<std::string> got = catalog.lookup(fromAnsi(uppered(section)), fromAnsi(key));
        if (expected == "~~")
            FUZZ_CHECK(!got);
        else
            FUZZ_CHECK(got && *got == expected);
        const std::string other = key + "\x01";
        if (!keys.count({section, other}))
            FUZZ_CHECK(!catalog.lookup(fromAnsi(section), fromAnsi(other)));
    }
    FUZZ_CHECK(!catalog.lookup("no such section \x02", "key"));
    return 0;
}
