#pragma once
#include <QWidget>
#include <string_view>

namespace vornel {

class PictureLibrary;

// The About window: version, credit and a link that writes to the author.
// It closes itself and is gone when closed.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr std::string_view AuthorAddress = "kelbar@example.org";

    AboutWindow(bool useGreek, PictureLibrary& pictures, QWidget* parent);

private:
    void buildControls(bool useGreek, PictureLibrary& pictures);
    void onMailLinkClicked();
};

}  // namespace vornel
