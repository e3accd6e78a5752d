// Any bytes as a help page: the measure that bounds what the viewer lays out
// agrees with itself whether it stops early or not, and keeps its counts in
// order. Where the first byte asks for it, the rest is a recipe for a
// well-formed page of tables, lists and other elements, and the measure must
// find exactly the nesting the recipe built.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzFile.h"
#include "text/HtmlShape.h"

using namespace vornel;

namespace {

struct Model {
    std::size_t tables = 0, lists = 0, deepest = 0, cells = 0;
};

// Builds a page from the recipe: each byte opens an element or closes the
// last one, and whatever is open at the end is closed in order.
std::string page(const std::uint8_t* data, std::size_t size, Model& m)
{
    std::string html;
    std::vector<std::string> open;
    std::size_t tables = 0, lists = 0;
    auto push = [&](const std::string& name, const std::string& tag) {
        html += tag;
        open.push_back(name);
        m.deepest = std::max(m.deepest, open.size());
    };
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t op = data[i];
        switch (op % 8) {
        case 0:
            push("table", op & 8 ? "<TABLE border=\"1>\">" : "<table>");
            m.tables = std::max(m.tables, ++tables);
            push("tr", "<tr>");
            push("td", "<td>");
            ++m.cells;
            break;
        case 1:
            push("ul", op & 8 ? "<ol>" : "<ul>");
            if (op & 8)
                open.back() = "ol";
            m.lists = std::max(m.lists, ++lists);
            push("li", "<li>");
            break;
        case 2:
            push("div", "<div class='a<b'>");
            break;
        case 3:
            html += op & 8 ? "<br/>" : "<img src=\"x.png\">";
            break;
        case 4:
            html += "<!-- <table><ul> -->text &amp; more";
            break;
        default:
            if (open.empty())
                break;
            // Closing a cell closes its row and table, a list item its list.
            if (open.back() == "td" || open.back() == "li") {
                const std::size_t parts = open.back() == "td" ? 3 : 2;
                (parts == 3 ? tables : lists) -= 1;
                for (std::size_t k = 0; k < parts; ++k) {
                    html += "</" + open.back() + ">";
                    open.pop_back();
                }
            } else {
                html += "</" + open.back() + ">";
                open.pop_back();
            }
        }
    }
    return html;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size && data[0] == 'R') {
        Model m;
        const std::string html = page(data + 1, size - 1, m);
        const HtmlShape s = measureHtml(html);
        FUZZ_CHECK(s.deepestTable == m.tables);
        FUZZ_CHECK(s.deepestList == m.lists);
        FUZZ_CHECK(s.deepest == m.deepest);
        FUZZ_CHECK(s.cells == m.cells);
        FUZZ_CHECK(s.oddTags == 0);
        FUZZ_CHECK(withinManualBounds(html) == withinManualBounds(s));
        return 0;
    }
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const HtmlShape s = measureHtml(html);
    FUZZ_CHECK(s.bytes == size);
    FUZZ_CHECK(s.deepestTable <= s.deepest && s.deepestList <= s.deepest);
    FUZZ_CHECK(s.cells <= s.elements && s.images <= s.elements && s.deepest <= s.elements);
    // Every element comes from a "<", with at most a table and a row it implies.
    FUZZ_CHECK(s.elements <= 3 * static_cast<std::size_t>(std::count(html.begin(), html.end(), '<')));
    FUZZ_CHECK(withinManualBounds(html) == withinManualBounds(s));
    return 0;
}
