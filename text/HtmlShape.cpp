#include "text/HtmlShape.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace vornel {

namespace {

// The tags are read the way Qt's rich-text reader reads them, byte for byte
// over the UTF-8 text it is given: a "<" always opens a tag, a tag ends at
// the first ">" after its attributes, quoted values may hold anything, and
// a "/" before the ">" closes the element at once.

// Bytes of the white-space character at `i` (Unicode's spaces in UTF-8), or 0.
std::size_t spaceAt(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
    const unsigned c = byte(i);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c == 0xC2 && (byte(i + 1) == 0x85 || byte(i + 1) == 0xA0))
        return 2;
    if (c == 0xE1 && byte(i + 1) == 0x9A && byte(i + 2) == 0x80)
        return 3;
    if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) <= 0x8A || byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9 || byte(i + 2) == 0xAF))
        return byte(i + 2) >= 0x80 ? 3 : 0;
    if (c == 0xE2 && byte(i + 1) == 0x81 && byte(i + 2) == 0x9F)
        return 3;
    if (c == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80)
        return 3;
    return 0;
}

bool isParagraphSeparator(std::string_view s, std::size_t i)
{
    return s.substr(i, 3) == "\xE2\x80\xA9";
}

enum class Kind { Other, Table, Row, Cell, List, Item, Paragraph, Quote };

// The kinds whose nesting is bounded: only their own closing tag closes them.
bool isGuarded(Kind k)
{
    return k == Kind::Table || k == Kind::List || k == Kind::Quote;
}

Kind kindOf(const std::string& name)
{
    if (name == "table")
        return Kind::Table;
    if (name == "tr")
        return Kind::Row;
    if (name == "td" || name == "th")
        return Kind::Cell;
    if (name == "ul" || name == "ol")
        return Kind::List;
    if (name == "li")
        return Kind::Item;
    if (name == "p")
        return Kind::Paragraph;
    if (name == "blockquote")
        return Kind::Quote;
    return Kind::Other;
}

struct Open {
    std::string name;
    Kind kind;
};

class Reader {
public:
    Reader(std::string_view html, bool stopOutOfBounds) : s_(html), stop_(stopOutOfBounds)
    {
        shape_.bytes = html.size();
    }

    HtmlShape read()
    {
        if (stop_ && !withinManualBounds(shape_))
            return shape_;
        while (pos_ < s_.size()) {
            const std::size_t lt = s_.find('<', pos_);
            if (lt == std::string_view::npos)
                break;
            pos_ = lt + 1;
            readTag();
            if (stop_ && !withinManualBounds(shape_))
                break;
        }
        return shape_;
    }

private:
    bool at(char c) const { return pos_ < s_.size() && s_[pos_] == c; }

    void eatSpace()
    {
        while (pos_ < s_.size() && !isParagraphSeparator(s_, pos_)) {
            const std::size_t n = spaceAt(s_, pos_);
            if (!n)
                return;
            pos_ += n;
        }
    }

    // One word: quoted, or up to a space, "<", ">", "=" or "/>". Entities
    // stand for letters that never end a word, so they change no position.
    std::string word()
    {
        std::string w;
        if (at('"')) {
            const std::size_t end = s_.find('"', ++pos_);
            w = std::string(s_.substr(pos_, end - pos_));
            pos_ = end == std::string_view::npos ? s_.size() : end + 1;
            return '"' + w;
        }
        if (at('\'')) {
            ++pos_;
            const std::size_t start = pos_;
            while (pos_ < s_.size()) {
                const char c = s_[pos_++];
                if (c == '\'' && s_.size() > 1 && s_[pos_ - 2] != '\\')
                    break;
            }
            return '\'' + std::string(s_.substr(start, pos_ - start));
        }
        const std::size_t start = pos_;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '>' || c == '<' || c == '=' || (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '>') ||
                spaceAt(s_, pos_))
                break;
            ++pos_;
        }
        return std::string(s_.substr(start, pos_ - start));
    }

    void attributes()
    {
        while (pos_ < s_.size()) {
            eatSpace();
            if (at('>') || at('/'))
                return;
            if (word().empty())
                return;
            eatSpace();
            if (at('=')) {
                ++pos_;
                eatSpace();
                word();
            }
        }
    }

    // A name the reader would lower-case and decode: plain ASCII names only,
    // for what an entity, a quote or a foreign letter spells is not told here.
    static bool plainName(const std::string& name)
    {
        return std::all_of(name.begin(), name.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u < 0x80 && c != '&' && c != '"' && c != '\'';
        });
    }

    static std::string lower(std::string name)
    {
        for (char& c : name)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return name;
    }

    void readTag()
    {
        eatSpace();
        if (at('!')) {
            ++pos_;
            if (s_.substr(pos_, 2) == "--") {
                const std::size_t end = s_.find("-->", pos_ + 2);
                pos_ = end == std::string_view::npos ? s_.size() : end + 3;
            } else {
                skipPast('>');
            }
            return;
        }
        if (at('/')) {
            ++pos_;
            const std::string name = word();
            skipPast('>');
            if (!plainName(name))
                ++shape_.oddTags;
            else
                close(lower(name));
            return;
        }
        const std::string name = word();
        if (!plainName(name))
            ++shape_.oddTags;
        if (pos_ < s_.size() && spaceAt(s_, pos_))
            attributes();
        bool closed = false;
        while (pos_ < s_.size() && s_[pos_] != '>')
            closed |= s_[pos_++] == '/';
        ++pos_;
        open(lower(name), closed);
    }

    void skipPast(char c)
    {
        const std::size_t end = s_.find(c, pos_);
        pos_ = end == std::string_view::npos ? s_.size() : end + 1;
    }

    // The innermost open element of one of the kinds, or -1.
    long innermost(std::initializer_list<Kind> kinds) const
    {
        for (long i = static_cast<long>(open_.size()) - 1; i >= 0; --i)
            if (std::find(kinds.begin(), kinds.end(), open_[i].kind) != kinds.end())
                return i;
        return -1;
    }

    // Closes the element at `i` and all inside it, unless a guarded one is
    // inside: its nesting is then counted as if it stayed open.
    void closeFrom(long i)
    {
        for (std::size_t k = static_cast<std::size_t>(i) + 1; k < open_.size(); ++k)
            if (isGuarded(open_[k].kind))
                return;
        while (static_cast<long>(open_.size()) > i) {
            const Kind k = open_.back().kind;
            if (k == Kind::Table)
                --tables_;
            else if (k == Kind::List || k == Kind::Quote)
                --lists_;
            open_.pop_back();
        }
    }

    void close(const std::string& name)
    {
        for (long i = static_cast<long>(open_.size()) - 1; i >= 0; --i)
            if (open_[i].name == name) {
                closeFrom(i);
                return;
            }
    }

    void push(const std::string& name, Kind kind)
    {
        ++shape_.elements;
        if (kind == Kind::Cell)
            ++shape_.cells;
        open_.push_back({name, kind});
        if (kind == Kind::Table)
            shape_.deepestTable = std::max(shape_.deepestTable, ++tables_);
        else if (kind == Kind::List || kind == Kind::Quote)
            shape_.deepestList = std::max(shape_.deepestList, ++lists_);
        shape_.deepest = std::max(shape_.deepest, open_.size());
    }

    void open(const std::string& name, bool closed)
    {
        const Kind kind = kindOf(name);
        // A cell or a row goes into the row or table it belongs to, closing
        // what was left open in the last one; outside one it makes its own.
        if (kind == Kind::Cell || kind == Kind::Row) {
            const Kind home = kind == Kind::Cell ? Kind::Row : Kind::Table;
            const long at = innermost({home, Kind::Table, Kind::List, Kind::Quote});
            if (at >= 0 && open_[at].kind == home) {
                closeFrom(at + 1);
            } else {
                push("table", Kind::Table);
                if (kind == Kind::Cell)
                    push("tr", Kind::Row);
            }
        } else if (kind == Kind::Item || kind == Kind::Paragraph) {
            // A list item closes the last one, a paragraph the last paragraph.
            const long at = innermost({kind, Kind::Table, Kind::Cell, Kind::List, Kind::Quote});
            if (at >= 0 && open_[at].kind == kind)
                closeFrom(at);
        }
        if (name == "img")
            ++shape_.images;
        if (closed || name == "br" || name == "img" || name == "hr") {
            ++shape_.elements;
            return;
        }
        push(name, kind);
    }

    std::string_view s_;
    bool stop_;
    std::size_t pos_ = 0;
    std::vector<Open> open_;
    std::size_t tables_ = 0;
    std::size_t lists_ = 0;
    HtmlShape shape_;
};

}  // namespace

HtmlShape measureHtml(std::string_view html)
{
    return Reader(html, false).read();
}

bool withinManualBounds(const HtmlShape& shape)
{
    using B = ManualBounds;
    return shape.bytes <= B::Bytes && shape.elements <= B::Elements && shape.cells <= B::Cells &&
        shape.images <= B::Images && shape.deepest <= B::Deepest && shape.deepestTable <= B::DeepestTable &&
        shape.deepestList <= B::DeepestList && shape.oddTags == 0;
}

bool withinManualBounds(std::string_view html)
{
    return withinManualBounds(Reader(html, true).read());
}

}  // namespace vornel
