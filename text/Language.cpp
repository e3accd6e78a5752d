#include "text/Language.h"

namespace vornel {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool equalsNoCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number: sign, digits with an optional point, optional exponent.
// Only whether it is zero matters, and that is decided by the digits before
// the exponent.
std::optional<bool> numberIsNonZero(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool anyDigit = false, nonZero = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            anyDigit = true;
            nonZero = nonZero || s[i] != '0';
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (i == s.size() || !isDigit(s[i]))
            return std::nullopt;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    if (i != s.size())
        return std::nullopt;
    return nonZero;
}

}  // namespace

std::optional<bool> parseBoolean(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (equalsNoCase(text, "true"))
        return true;
    if (equalsNoCase(text, "false"))
        return false;
    return numberIsNonZero(text);
}

const char* booleanText(bool value)
{
    return value ? "True" : "False";
}

void chooseEnglish(Language& language)
{
    language.UseGreek = false;
}

void chooseGreek(Language& language)
{
    language.UseGreek = true;
}

}  // namespace vornel
