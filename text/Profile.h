#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vornel {

// The English text catalogue, read the way the classic profile reader does:
// section and key names compare without regard to case and a value is cut
// to 255 characters, up to its first NUL. The file's bytes are windows-1253;
// texts are UTF-8. Every lookup uses "~~" as its default, so a
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
