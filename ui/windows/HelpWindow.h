#pragma once
#include <QWidget>

class QTextBrowser;

namespace vornel {

// The game's help viewer: the help file (HTML) with its pictures and links,
// and buttons to go back, forward and to the contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(bool useGreek, QWidget* parent);

    // Shows the file at its section for the language (the file's anchor
    // "el" or "en"), or at its top when it has none.
    void openFile(const QString& path, bool useGreek);
    QTextBrowser* browser() const { return browser_; }

private:
    // Each language's section, with its table of contents, starts here.
    QString languageAnchor() const;

    QTextBrowser* browser_ = nullptr;
    bool useGreek_;
};

}  // namespace vornel
