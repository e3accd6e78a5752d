#include "text/Profile.h"

#include <algorithm>
#include <unordered_map>

#include "storage/Codepage.h"
#include "storage/SafeFile.h"

namespace vornel {

namespace {

// The classic reader fills a 256-byte buffer: 255 characters and the NUL.
constexpr std::size_t MaxValue = 255;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names compare without case; only ASCII letters fold, as control names are ASCII.
std::string folded(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Plain ASCII is the same in both encodings; skipping the converter keeps
// the many start-up lookups cheap.
std::string encode(std::string_view utf8)
{
    return isAscii(utf8) ? std::string(utf8) : toAnsi(utf8);
}
std::string decode(std::string_view bytes)
{
    return isAscii(bytes) ? std::string(bytes) : fromAnsi(bytes);
}

// A value wrapped in a matching pair of quotes loses them; then it is cut
// to what the buffer holds.
std::string finishValue(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxValue));
}

// Only a regular file of sane size is read: a folder, a pipe or an endless
// device reads as a missing file.
std::string readAll(const std::filesystem::path& file)
{
    return readRegularFile(file).value_or(std::string());
}

using Keys = std::unordered_map<std::string, std::string>;

struct IniIndex {
    std::unordered_map<std::string, Keys> sections;  // folded names; values finished

    const std::string* find(std::string_view section, std::string_view key) const
    {
        auto s = sections.find(folded(trim(encode(section))));
        if (s == sections.end())
            return nullptr;
        auto k = s->second.find(folded(trim(encode(key))));
        return k == s->second.end() ? nullptr : &k->second;
    }
};

IniIndex parseIni(std::string_view text)
{
    IniIndex index;
    // Editors like to add a UTF-8 mark; left in place it would hide the first section.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    Keys* current = nullptr;  // null before any section and inside a repeated one
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';')
            continue;

        if (line.front() == '[') {
            std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                // The first section of a name wins; a later one is never read.
                auto [it, fresh] = index.sections.try_emplace(folded(trim(line.substr(1, close - 1))));
                current = fresh ? &it->second : nullptr;
                continue;
            }
        }

        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == nullptr)
            continue;
        current->try_emplace(folded(trim(line.substr(0, eq))), finishValue(trim(line.substr(eq + 1))));
    }
    return index;
}

}  // namespace

static std::string cutAtNul(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}

struct TextCatalog::Index {
    IniIndex ini;
};

TextCatalog::TextCatalog(std::filesystem::path file) : file_(std::move(file))
{
}

std::optional<std::string> TextCatalog::lookup(std::string_view section, std::string_view key) const
{
    if (!index_)
        index_ = std::make_shared<const Index>(Index{parseIni(readAll(file_))});
    const std::string* value = index_->ini.find(section, key);
    if (value == nullptr)
        return std::nullopt;
    std::string text = decode(cutAtNul(*value));
    if (text == MissingMarker)
        return std::nullopt;
    return text;
}

}  // namespace vornel
