#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vornel {

// A value with its own type code, as stored in a record.
struct TaggedValue {
    enum class Type : std::int16_t { Empty = 0, Int16 = 2, Int32 = 3, Text = 8 };

    Type type = Type::Empty;
    std::int32_t number = 0;  // for Int16 and Int32
    std::string text;         // for Text, UTF-8

    static TaggedValue empty();
    static TaggedValue fromInt16(std::int16_t v);
    static TaggedValue fromInt32(std::int32_t v);
    static TaggedValue fromText(std::string utf8);

    bool isEmpty() const { return type == Type::Empty; }
    // The value as text: "" when empty, decimal for numbers, the text itself.
    std::string toText() const;

    bool operator==(const TaggedValue&) const = default;
};

// A random-access file of 128-byte records. Record n (from 1) starts at byte
// (n - 1) * 128; integers are little-endian; texts are a 2-byte length and
// then windows-1253 bytes. A record beyond the end reads as zero or empty.
// Opening a missing file creates it empty. Nothing here throws: a failed read
// gives the zero/empty value, a failed write returns false.
class RecordFile {
public:
    static constexpr std::size_t RecordLength = 128;

    explicit RecordFile(std::filesystem::path path);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool isOpen() const;
    const std::filesystem::path& path() const { return path_; }

    std::int16_t readInt16(int record) const;
    std::int32_t readInt32(int record) const;
    std::string readText(int record) const;  // UTF-8
    TaggedValue readTagged(int record) const;

    // A value that does not fit its record is not written (false); the
    // record keeps what it held. Bytes after the value are left as they are.
    bool writeInt16(int record, std::int16_t value);
    bool writeInt32(int record, std::int32_t value);
    bool writeText(int record, std::string_view utf8);
    bool writeTagged(int record, const TaggedValue& value);

private:
    bool writeRecord(int record, std::string_view bytes);

    std::filesystem::path path_;
    int fd_ = -1;            // POSIX descriptor, -1 when the file could not be opened
    bool writable_ = false;  // false when only read access was granted
    bool dirty_ = false;     // something was written since opening
};

}  // namespace vornel
