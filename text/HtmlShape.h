#pragma once
#include <cstddef>
#include <string_view>

namespace vornel {

// What a page of HTML asks a text layout to build, counted from its tags
// without building it. Elements are nested the way a forgiving reader
// nests them, and counted on the deep side: a closing tag that would close
// a table or a list not its own is ignored, and a cell or row outside a
// table makes one.
struct HtmlShape {
    std::size_t bytes = 0;
    std::size_t elements = 0;   // opening tags, and the tables and rows they imply
    std::size_t cells = 0;      // table cells
    std::size_t images = 0;
    std::size_t deepest = 0;    // elements open at once
    std::size_t deepestTable = 0;  // tables open at once
    std::size_t deepestList = 0;   // lists and block quotes open at once
    // Tags whose name is spelled with entities, quotes or letters beyond
    // ASCII: what they open cannot be told without the reader's own tables.
    std::size_t oddTags = 0;
};

HtmlShape measureHtml(std::string_view html);

// The most a manual may ask of the help viewer. A text layout's time grows
// steeply with nesting (each level of tables about doubles it) and with
// cells and paragraphs; these are tens of times what the game's own manual
// needs and a fraction of a second to lay out.
struct ManualBounds {
    static constexpr std::size_t Bytes = std::size_t(256) << 10;
    static constexpr std::size_t Elements = 4000;
    static constexpr std::size_t Cells = 1000;
    static constexpr std::size_t Images = 100;
    static constexpr std::size_t Deepest = 64;
    static constexpr std::size_t DeepestTable = 6;
    static constexpr std::size_t DeepestList = 16;
};

bool withinManualBounds(const HtmlShape& shape);
// Counting stops as soon as a bound is passed: a hostile page costs no more
// than a fair one.
bool withinManualBounds(std::string_view html);

}  // namespace vornel
