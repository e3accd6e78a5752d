#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornel {

class TextCatalog;

// One captioned control of a window. `name` and `index` are the control's
// key in the English catalogue (elements of an array share the name and
// differ by index; a plain control has index -1); `widget` is the object
// name the window gives that control.
struct ControlCaption {
    std::string name;
    int index = -1;
    std::string caption;
    std::string widget = {};
};

// The captions of one window, in the window's control order. Windows are
// built with their Greek design captions; the English loader overwrites them.
class CaptionTable {
public:
    CaptionTable() = default;
    CaptionTable(std::string title, std::vector<ControlCaption> controls);

    const std::string& title() const { return title_; }
    void setTitle(std::string text) { title_ = std::move(text); }

    // "" when the control is unknown.
    const std::string& caption(std::string_view name, int index = -1) const;
    bool has(std::string_view name, int index = -1) const;
    // Sets one element (index >= 0) or the plain control (index -1).
    void setCaption(std::string_view name, int index, std::string text);
    // Sets every element sharing the name, as a plain-name key does.
    void setAll(std::string_view name, const std::string& text);

    const std::vector<ControlCaption>& controls() const { return controls_; }

private:
    std::string title_;
    std::vector<ControlCaption> controls_;
};

// The English loader shared by the windows: each control, in control order,
// takes the catalogue text keyed by its name (all elements of an array alike);
// then each element key such as "Label9(0)" of the explicit list, looked up
// first and applied after, in list order. Missing texts leave the Greek ones.
void loadEnglishTexts(CaptionTable& window, const TextCatalog& catalog, std::string_view section,
    std::span<const std::string> elementKeys = {});

// A loader for a window whose section holds only the listed keys: each key,
// a control name or an element key, sets its caption when present.
void loadEnglishKeys(CaptionTable& window, const TextCatalog& catalog, std::string_view section,
    std::span<const std::string> keys);

}  // namespace vornel
