#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/SafeFile.h"

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
//
// The file is read whole when opened and changed in memory; save() puts the
// changes on disk in one crash-safe replace, so a killed program leaves the
// old or the new file, never a mix. Opening a missing file creates it empty.
// Something at the path that is not a regular file of sane size (a folder, a
// pipe, a huge file) or cannot be read reads as empty and is never replaced.
// A symbolic link is read through, but a save replaces the link itself (see
// replaceFileContents). Nothing here throws: a failed read gives the
// zero/empty value, a refused write returns false, a failed save says why.
class RecordFile {
public:
    static constexpr std::size_t RecordLength = 128;
    // The highest record any file of the game uses is 30, except the names
    // file, which holds one record a player: a thousand players is more than
    // any household has, and a bad record number grows a file by no more
    // than 128 KiB. A larger file is not one of ours and is not read.
    static constexpr int MaxRecord = 1024;

    explicit RecordFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    // Whether save() may replace the file: it was read, or it was missing.
    // Writes change the content in memory either way.
    bool isWritable() const { return replaceable_.ok(); }
    // Records the file holds, a last partial one included.
    int recordCount() const;

    std::int16_t readInt16(int record) const;
    std::int32_t readInt32(int record) const;
    std::string readText(int record) const;  // UTF-8
    TaggedValue readTagged(int record) const;

    // A value that does not fit its record, or a record outside 1 to
    // MaxRecord, is not written (false); the record keeps what it held.
    // Bytes after the value are left as they are; growing the file pads it
    // with zeros to the end of the record written.
    bool writeInt16(int record, std::int16_t value);
    bool writeInt32(int record, std::int32_t value);
    bool writeText(int record, std::string_view utf8);
    bool writeTagged(int record, const TaggedValue& value);

    // Drops every record after `records`.
    void truncate(int records);
    // Puts the content on disk; success when it is there (or nothing
    // changed), else why it is not.
    SaveResult save();

private:
    bool writeRecord(int record, std::string_view bytes);

    std::filesystem::path path_;
    std::string bytes_;
    SaveResult replaceable_;  // why save() may not replace the file, if it may not
    bool dirty_ = false;
};

}  // namespace vornel
