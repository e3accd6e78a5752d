#include "text/Captions.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "text/Profile.h"

namespace vornel {

namespace {

// Control names, like the identifiers they come from, ignore case.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

struct ElementKey {
    std::string_view name;
    int index;
};

// "Label9(0)" -> Label9, 0. Anything else is not an element key.
std::optional<ElementKey> parseElementKey(std::string_view key)
{
    std::size_t open = key.find('(');
    if (open == 0 || open == std::string_view::npos || key.size() < open + 3 || key.back() != ')')
        return std::nullopt;
    std::string_view digits = key.substr(open + 1, key.size() - open - 2);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int index = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), index).ec != std::errc())
        return std::nullopt;  // too large
    return ElementKey{key.substr(0, open), index};
}

}  // namespace

CaptionTable::CaptionTable(std::string title, std::vector<ControlCaption> controls)
    : title_(std::move(title)), controls_(std::move(controls))
{
}

const std::string& CaptionTable::caption(std::string_view name, int index) const
{
    static const std::string none;
    for (const ControlCaption& c : controls_)
        if (c.index == index && sameName(c.name, name))
            return c.caption;
    return none;
}

bool CaptionTable::has(std::string_view name, int index) const
{
    for (const ControlCaption& c : controls_)
        if (c.index == index && sameName(c.name, name))
            return true;
    return false;
}

void CaptionTable::setCaption(std::string_view name, int index, std::string text)
{
    for (ControlCaption& c : controls_) {
        if (c.index == index && sameName(c.name, name)) {
            c.caption = std::move(text);
            return;
        }
    }
}

void CaptionTable::setAll(std::string_view name, const std::string& text)
{
    for (ControlCaption& c : controls_)
        if (sameName(c.name, name))
            c.caption = text;
}

void loadEnglishTexts(CaptionTable& window, const TextCatalog& catalog, std::string_view section,
    std::span<const std::string> elementKeys)
{
    // Each control asks for its own name, so the elements of an array all
    // take the text of the plain-name key.
    for (std::size_t i = 0; i < window.controls().size(); ++i) {
        const ControlCaption& c = window.controls()[i];
        if (auto text = catalog.lookup(section, c.name))
            window.setCaption(c.name, c.index, std::move(*text));
    }

    // Element keys override the plain-name texts; all are read before any is set.
    std::vector<std::pair<ElementKey, std::optional<std::string>>> elements;
    for (const std::string& key : elementKeys)
        if (auto element = parseElementKey(key))
            elements.emplace_back(*element, catalog.lookup(section, key));
    for (auto& [element, text] : elements)
        if (text)
            window.setCaption(element.name, element.index, std::move(*text));
}

void loadEnglishKeys(
    CaptionTable& window, const TextCatalog& catalog, std::string_view section, std::span<const std::string> keys)
{
    for (const std::string& key : keys) {
        const std::optional<std::string> text = catalog.lookup(section, key);
        if (!text)
            continue;
        if (const auto element = parseElementKey(key))
            window.setCaption(element->name, element->index, *text);
        else
            window.setCaption(key, -1, *text);
    }
}

}  // namespace vornel
