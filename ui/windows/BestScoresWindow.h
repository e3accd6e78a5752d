#pragma once
#include <QDialog>
#include <array>
#include <filesystem>

#include "text/Captions.h"

class QLabel;
class QRadioButton;
class QGroupBox;

namespace vornel {

class Host;
class TextCatalog;

// The best-scores window: the single-game and the championship table, one
// at a time, and deleting the one shown. Modal.
class BestScoresWindow : public QDialog {
    Q_OBJECT
public:
    BestScoresWindow(std::filesystem::path singleGameFile, std::filesystem::path championshipFile, Host& host, bool useGreek,
        const TextCatalog& catalog, QWidget* parent);

signals:
    // A table was deleted; the status line should be brought up to date.
    void scoresDeleted();

private:
    void Form_Load(const TextCatalog& catalog);
    void Option1_Click(int index);
    void Command2_Click();
    void showTable(int table, const std::filesystem::path& file);

    std::filesystem::path files_[2];
    Host& host_;
    bool useGreek_;
    CaptionTable captions_;
    std::array<QRadioButton*, 2> option1_{};
    std::array<QGroupBox*, 2> frame2_{};
    std::array<QLabel*, 10> label1_{};  // names: 0-4 single games, 5-9 championships
    std::array<QLabel*, 10> label2_{};  // scores
};

}  // namespace vornel
