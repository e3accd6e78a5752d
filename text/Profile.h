#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vornel {

// Reads one value of a sectioned key=value text file the way the classic
// profile reader does: section and key names compare without regard to
// case, a missing file/section/key gives the default, and the value is cut
// to 255 characters. The result is exactly 255 characters: the value, then
// NUL characters. The file's bytes are windows-1253; the result is UTF-8.
std::string ReadIniText(
    std::string_view section, std::string_view key, std::string_view defaultValue, const std::filesystem::path& file);

// The part of a text before its first NUL character.
std::string CutAtNul(std::string_view text);

// The English text catalogue. Every lookup uses "~~" as its default, so a
// missing file, section or key reads as "missing"; a key that is present
// with an empty value gives "" (which is applied).
class TextCatalog {
public:
    static constexpr std::string_view MissingMarker = "~~";

    explicit TextCatalog(std::filesystem::path file);
    std::optional<std::string> lookup(std::string_view section, std::string_view key) const;
    const std::filesystem::path& file() const { return file_; }

private:
    struct Index;
    std::filesystem::path file_;
    // Parsed on the first lookup and kept: start-up asks for dozens of texts.
    mutable std::shared_ptr<const Index> index_;
};

}  // namespace vornel
