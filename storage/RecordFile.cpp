#include "storage/RecordFile.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/Codepage.h"

namespace vornel {

namespace {

struct Record {
    std::array<unsigned char, RecordFile::RecordLength> bytes{};
    std::size_t size = 0;  // how many of them the file holds
    unsigned char operator[](std::size_t i) const { return bytes[i]; }
};

constexpr std::size_t MaxText = RecordFile::RecordLength - 2;        // after the length
constexpr std::size_t MaxTaggedText = RecordFile::RecordLength - 4;  // after type and length

off_t offsetOf(int record)
{
    return static_cast<off_t>(record - 1) * static_cast<off_t>(RecordFile::RecordLength);
}

// The whole record; whatever lies past the end of the file stays zero.
Record readRecord(int fd, int record)
{
    Record rec;
    if (fd < 0 || record < 1)
        return rec;
    const off_t start = offsetOf(record);
    auto& buf = rec.bytes;
    while (rec.size < buf.size()) {
        ssize_t n = pread(fd, buf.data() + rec.size, buf.size() - rec.size, start + static_cast<off_t>(rec.size));
        if (n > 0)
            rec.size += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return rec;
}

std::uint16_t getU16(const Record& rec, std::size_t at)
{
    return static_cast<std::uint16_t>(rec[at] | (rec[at + 1] << 8));
}

std::int32_t getI32(const Record& rec, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(rec[at + i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

// A length is cut to the bytes held after it: never past the record (a
// corrupt length) nor past the end of the file (a truncated one).
std::string getText(const Record& rec, std::size_t at)
{
    const std::size_t first = at + 2;
    const std::size_t present = rec.size > first ? rec.size - first : 0;
    std::size_t length = getU16(rec, at);
    if (length > present)
        length = present;
    const char* bytes = reinterpret_cast<const char*>(rec.bytes.data() + first);
    return fromAnsi(std::string_view(bytes, length));
}

void putU16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void putI32(std::string& out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

TaggedValue TaggedValue::empty()
{
    return {};
}

TaggedValue TaggedValue::fromInt16(std::int16_t v)
{
    return {Type::Int16, v, {}};
}

TaggedValue TaggedValue::fromInt32(std::int32_t v)
{
    return {Type::Int32, v, {}};
}

TaggedValue TaggedValue::fromText(std::string utf8)
{
    return {Type::Text, 0, std::move(utf8)};
}

std::string TaggedValue::toText() const
{
    switch (type) {
    case Type::Int16:
    case Type::Int32:
        return std::to_string(number);
    case Type::Text:
        return text;
    case Type::Empty:
        break;
    }
    return {};
}

RecordFile::RecordFile(std::filesystem::path path) : path_(std::move(path))
{
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    writable_ = fd_ >= 0;
    // A file we may not change can still be read.
    if (fd_ < 0)
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st { };
    if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
        writable_ = false;
    }
}

RecordFile::~RecordFile()
{
    if (fd_ < 0)
        return;
    if (dirty_)
        fdatasync(fd_);
    ::close(fd_);
}

bool RecordFile::isOpen() const
{
    return fd_ >= 0;
}

std::int16_t RecordFile::readInt16(int record) const
{
    return static_cast<std::int16_t>(getU16(readRecord(fd_, record), 0));
}

std::int32_t RecordFile::readInt32(int record) const
{
    return getI32(readRecord(fd_, record), 0);
}

std::string RecordFile::readText(int record) const
{
    return getText(readRecord(fd_, record), 0);
}

TaggedValue RecordFile::readTagged(int record) const
{
    const Record rec = readRecord(fd_, record);
    switch (static_cast<TaggedValue::Type>(getU16(rec, 0))) {
    case TaggedValue::Type::Int16:
        return TaggedValue::fromInt16(static_cast<std::int16_t>(getU16(rec, 2)));
    case TaggedValue::Type::Int32:
        return TaggedValue::fromInt32(getI32(rec, 2));
    case TaggedValue::Type::Text:
        return TaggedValue::fromText(getText(rec, 2));
    default:  // empty, or a type this program never writes
        return TaggedValue::empty();
    }
}

bool RecordFile::writeInt16(int record, std::int16_t value)
{
    std::string bytes;
    putU16(bytes, static_cast<std::uint16_t>(value));
    return writeRecord(record, bytes);
}

bool RecordFile::writeInt32(int record, std::int32_t value)
{
    std::string bytes;
    putI32(bytes, value);
    return writeRecord(record, bytes);
}

bool RecordFile::writeText(int record, std::string_view utf8)
{
    const std::string ansi = toAnsi(utf8);
    if (ansi.size() > MaxText)
        return false;
    std::string bytes;
    putU16(bytes, static_cast<std::uint16_t>(ansi.size()));
    return writeRecord(record, bytes + ansi);
}

bool RecordFile::writeTagged(int record, const TaggedValue& value)
{
    std::string bytes;
    putU16(bytes, static_cast<std::uint16_t>(value.type));
    switch (value.type) {
    case TaggedValue::Type::Empty:
        break;
    case TaggedValue::Type::Int16:
        if (value.number < std::numeric_limits<std::int16_t>::min() ||
            value.number > std::numeric_limits<std::int16_t>::max())
            return false;
        putU16(bytes, static_cast<std::uint16_t>(value.number));
        break;
    case TaggedValue::Type::Int32:
        putI32(bytes, value.number);
        break;
    case TaggedValue::Type::Text: {
        const std::string ansi = toAnsi(value.text);
        if (ansi.size() > MaxTaggedText)
            return false;
        putU16(bytes, static_cast<std::uint16_t>(ansi.size()));
        bytes += ansi;
        break;
    }
    default:
        return false;
    }
    return writeRecord(record, bytes);
}

bool RecordFile::writeRecord(int record, std::string_view bytes)
{
    if (!writable_ || record < 1)
        return false;
    const off_t start = offsetOf(record);
    const off_t end = start + static_cast<off_t>(RecordLength);
    // Growing the file by whole records keeps every record readable in full.
    struct stat st { };
    if (fstat(fd_, &st) != 0)
        return false;
    if (st.st_size < end && ftruncate(fd_, end) != 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = pwrite(fd_, bytes.data() + done, bytes.size() - done, start + static_cast<off_t>(done));
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return false;
    }
    dirty_ = true;
    return true;
}

}  // namespace vornel
