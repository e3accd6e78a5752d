#include "storage/Codepage.h"

#include <cerrno>
#include <iconv.h>

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

}  // namespace

std::string toAnsi(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    Converter conv(Greek, Utf8);
    while (!utf8.empty()) {
        if (conv.ok())
            conv.run(utf8, out);
        if (utf8.empty())
            break;
        // Without the converter ASCII still passes through.
        if (!conv.ok() && isAscii(utf8[0])) {
            out += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        out += '?';
        skipCharacter(utf8);
    }
    return out;
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
        if (!conv.ok() && isAscii(bytes[0]))
            out += bytes[0];
        else
            out += ReplacementChar;
        bytes.remove_prefix(1);
    }
    return out;
}

}  // namespace vornel
