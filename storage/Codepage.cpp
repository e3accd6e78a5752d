#include "storage/Codepage.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <optional>

namespace vornel {

namespace {

constexpr const char* Greek = "WINDOWS-1253";
constexpr const char* Utf8 = "UTF-8";
constexpr const char* ReplacementChar = "\xEF\xBF\xBD";  // U+FFFD

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) { }
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; on a bad or unmappable sequence it stops
    // there and leaves `in` pointing at it.
    void run(std::string_view& in, std::string& out)
    {
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return;
        }
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 character starting with `lead`; a stray byte counts as one.
std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    return 1;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Skips one character: a well-formed one whole, a broken one byte by byte so
// that a good character after it is not swallowed.
void skipCharacter(std::string_view& in)
{
    std::size_t n = utf8Length(static_cast<unsigned char>(in[0]));
    if (n > in.size())
        n = 1;
    for (std::size_t i = 1; i < n; ++i) {
        if (!isContinuation(static_cast<unsigned char>(in[i]))) {
            n = 1;
            break;
        }
    }
    in.remove_prefix(n);
}

bool isAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

// The bytes windows-1253 gives no character.
constexpr std::array<unsigned char, 17> UndefinedBytes{
    0x81, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xAA, 0xD2, 0xFF};

bool isUndefined(unsigned char byte)
{
    return std::find(UndefinedBytes.begin(), UndefinedBytes.end(), byte) != UndefinedBytes.end();
}

// An undefined byte stands for itself as U+F700 + byte: EF 9C..9F 80..BF in UTF-8.
std::string standIn(unsigned char byte)
{
    const unsigned codePoint = 0xF700u + byte;
    return {static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
        static_cast<char>(0x80 | (codePoint & 0x3F))};
}

// The undefined byte whose stand-in starts `in`, if any.
std::optional<unsigned char> standInByte(std::string_view in)
{
    if (in.size() < 3 || static_cast<unsigned char>(in[0]) != 0xEF)
        return std::nullopt;
    const auto second = static_cast<unsigned char>(in[1]);
    const auto third = static_cast<unsigned char>(in[2]);
    if (second < 0x9C || second > 0x9F || !isContinuation(third))
        return std::nullopt;
    const auto byte = static_cast<unsigned char>(((second & 0x03) << 6) | (third & 0x3F));
    return isUndefined(byte) ? std::optional(byte) : std::nullopt;
}

// The code-page bytes of a UTF-8 text; `lossless` tells whether every
// character had its byte.
std::string convertToAnsi(std::string_view utf8, bool& lossless)
{
    lossless = true;
    std::string out;
    out.reserve(utf8.size());
    Converter conv(Greek, Utf8);
    while (!utf8.empty()) {
        if (conv.ok())
            conv.run(utf8, out);
        if (utf8.empty())
            break;
        if (const std::optional<unsigned char> byte = standInByte(utf8)) {
            out += static_cast<char>(*byte);
            utf8.remove_prefix(3);
            continue;
        }
        // Without the converter ASCII still passes through.
        if (!conv.ok() && isAscii(utf8[0])) {
            out += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        out += '?';
        lossless = false;
        skipCharacter(utf8);
    }
    return out;
}

}  // namespace

std::string toAnsi(std::string_view utf8)
{
    bool lossless = true;
    return convertToAnsi(utf8, lossless);
}

bool fitsCodepage(std::string_view utf8)
{
    bool lossless = true;
    convertToAnsi(utf8, lossless);
    return lossless;
}

std::string fromAnsi(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    Converter conv(Utf8, Greek);
    while (!bytes.empty()) {
        if (conv.ok())
            conv.run(bytes, out);
        if (bytes.empty())
            break;
        const auto byte = static_cast<unsigned char>(bytes[0]);
        if (!conv.ok() && isAscii(bytes[0]))
            out += bytes[0];
        else if (isUndefined(byte))
            out += standIn(byte);
        else
            out += ReplacementChar;
        bytes.remove_prefix(1);
    }
    return out;
}

}  // namespace vornel
