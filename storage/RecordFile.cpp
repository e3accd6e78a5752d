#include "storage/RecordFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/Codepage.h"
#include "storage/SafeFile.h"

namespace vornel {

namespace {

struct Record {
    std::array<unsigned char, RecordFile::RecordLength> bytes{};
    std::size_t size = 0;  // how many of them the file holds
    unsigned char operator[](std::size_t i) const { return bytes[i]; }
};

constexpr std::size_t MaxText = RecordFile::RecordLength - 2;        // after the length
constexpr std::size_t MaxTaggedText = RecordFile::RecordLength - 4;  // after type and length
constexpr std::size_t MaxFileBytes = RecordFile::MaxRecord * RecordFile::RecordLength;

bool isRecord(int record)
{
    return record >= 1 && record <= RecordFile::MaxRecord;
}

std::size_t offsetOf(int record)
{
    return static_cast<std::size_t>(record - 1) * RecordFile::RecordLength;
}

// The whole record; whatever lies past the end of the file stays zero.
Record recordAt(const std::string& file, int record)
{
    Record rec;
    if (!isRecord(record) || offsetOf(record) >= file.size())
        return rec;
    const std::size_t start = offsetOf(record);
    rec.size = std::min(RecordFile::RecordLength, file.size() - start);
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), rec.size, rec.bytes.begin());
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
    if (std::optional<std::string> bytes = readRegularFile(path_, MaxFileBytes)) {
        bytes_ = std::move(*bytes);
        return;
    }
    // Only a missing file may be made; anything else at the path is left
    // alone. A link that leads nowhere is as good as missing: a save
    // replaces the link.
    struct stat st { };
    if (::stat(path_.c_str(), &st) == 0) {
        replaceable_ = SaveResult::failed(S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) <= MaxFileBytes
                ? SaveFailure::Other  // a file we may not read
                : SaveFailure::NotARegularFile);
        return;
    }
    if (errno != ENOENT) {
        replaceable_ = SaveResult::failedWith(errno);
        return;
    }
    // O_EXCL: never through a link.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::close(fd);
}

int RecordFile::recordCount() const
{
    return static_cast<int>((bytes_.size() + RecordLength - 1) / RecordLength);
}

std::int16_t RecordFile::readInt16(int record) const
{
    return static_cast<std::int16_t>(getU16(recordAt(bytes_, record), 0));
}

std::int32_t RecordFile::readInt32(int record) const
{
    return getI32(recordAt(bytes_, record), 0);
}

std::string RecordFile::readText(int record) const
{
    return getText(recordAt(bytes_, record), 0);
}

TaggedValue RecordFile::readTagged(int record) const
{
    const Record rec = recordAt(bytes_, record);
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
    if (!isRecord(record))
        return false;
    const std::size_t start = offsetOf(record);
    // Growing by whole records keeps every record readable in full.
    if (bytes_.size() < start + RecordLength) {
        bytes_.resize(start + RecordLength, '\0');
        dirty_ = true;
    }
    if (bytes_.compare(start, bytes.size(), bytes) != 0) {
        bytes_.replace(start, bytes.size(), bytes);
        dirty_ = true;
    }
    return true;
}

void RecordFile::truncate(int records)
{
    const std::size_t keep = records > 0 ? static_cast<std::size_t>(records) * RecordLength : 0;
    if (bytes_.size() > keep) {
        bytes_.resize(keep);
        dirty_ = true;
    }
}

SaveResult RecordFile::save()
{
    if (!dirty_)
        return {};
    if (!replaceable_)
        return replaceable_;
    const SaveResult saved = replaceFileContents(path_, bytes_);
    if (saved)
        dirty_ = false;
    return saved;
}

}  // namespace vornel
