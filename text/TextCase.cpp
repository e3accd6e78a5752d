#include "text/TextCase.h"

namespace vornel {

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Code point of a two-byte sequence, or 0 when it is not one.
char32_t twoByte(std::string_view s, std::size_t i)
{
    if (i + 1 >= s.size())
        return 0;
    const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    if ((a & 0xE0) != 0xC0 || !isContinuation(b))
        return 0;
    return static_cast<char32_t>(((a & 0x1F) << 6) | (b & 0x3F));
}

void appendTwoByte(std::string& out, char32_t c)
{
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

char32_t lowerOf(char32_t c)
{
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)  // Latin-1 capitals
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)  // Greek capitals, with dialytika
        return c + 0x20;
    switch (c) {  // Greek capitals with tonos
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return c + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return c + 0x3F;
    default:
        return c;
    }
}

}  // namespace

std::size_t characterCount(std::string_view utf8)
{
    std::size_t n = 0;
    for (char c : utf8)
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++n;
    return n;
}

std::string_view firstCharacter(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    std::size_t end = 1;
    while (end < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[end])))
        ++end;
    return utf8.substr(0, end);
}

std::string toLower(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
            ++i;
        } else if (const char32_t cp = twoByte(utf8, i)) {
            appendTwoByte(out, lowerOf(cp));
            i += 2;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

}  // namespace vornel
