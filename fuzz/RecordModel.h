#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "storage/Codepage.h"
#include "storage/RecordFile.h"

// The record format written out a second time, as plainly as possible, to
// check the record layer against.
namespace vornel::fuzz {

struct ModelRecord {
    std::array<std::uint8_t, 128> b{};
    std::size_t held = 0;  // bytes of the record the file holds

    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }
    std::int32_t i32(std::size_t at) const
    {
        return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24));
    }
    // A length, then that many bytes: never more than the record and the file hold.
    std::string text(std::size_t at) const
    {
        const std::size_t avail = held > at + 2 ? held - at - 2 : 0;
        const std::size_t n = std::min<std::size_t>(u16(at), avail);
        return fromAnsi(std::string(reinterpret_cast<const char*>(b.data() + at + 2), n));
    }
};

inline ModelRecord modelRecord(const std::string& file, int n)
{
    ModelRecord r;
    if (n < 1 || file.size() > std::size_t(RecordFile::MaxRecord) * 128)
        return r;
    const std::size_t start = std::size_t(n - 1) * 128;
    if (start >= file.size())
        return r;
    r.held = std::min<std::size_t>(128, file.size() - start);
    std::copy_n(file.begin() + static_cast<long>(start), r.held, r.b.begin());
    return r;
}

inline TaggedValue modelTagged(const ModelRecord& r)
{
    switch (r.u16(0)) {
    case 2:
        return TaggedValue::fromInt16(static_cast<std::int16_t>(r.u16(2)));
    case 3:
        return TaggedValue::fromInt32(r.i32(2));
    case 8:
        return TaggedValue::fromText(r.text(2));
    default:
        return TaggedValue::empty();
    }
}

// ---- Writing -----------------------------------------------------------------

inline std::string le16(std::uint32_t v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string le32(std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    return le16(u & 0xFFFF) + le16(u >> 16);
}

inline std::string textBytes(const std::string& utf8)
{
    const std::string ansi = toAnsi(utf8);
    return le16(static_cast<std::uint32_t>(ansi.size())) + ansi;
}

inline std::string taggedBytes(const TaggedValue& v)
{
    switch (v.type) {
    case TaggedValue::Type::Int16:
        return le16(2) + le16(static_cast<std::uint32_t>(v.number));
    case TaggedValue::Type::Int32:
        return le16(3) + le32(v.number);
    case TaggedValue::Type::Text:
        return le16(8) + textBytes(v.text);
    default:
        return le16(0);
    }
}

// A value put into record n of a file: the file grows with zeros to the end
// of the record, the value takes the record's first bytes, the rest stays.
inline void put(std::string& file, int n, const std::string& value)
{
    const std::size_t at = std::size_t(n - 1) * 128;
    if (file.size() < at + 128)
        file.resize(at + 128, '\0');
    file.replace(at, value.size(), value);
}

}  // namespace vornel::fuzz
