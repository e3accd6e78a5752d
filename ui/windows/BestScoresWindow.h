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
    void showInitialState(const TextCatalog& catalog);
    void onTableChosen(int table);
    void onDeleteClicked();
    void showTable(int table, const std::filesystem::path& file);

    std::filesystem::path files_[2];
    Host& host_;
    bool useGreek_;
    CaptionTable captions_;
    // Each by table: the single games', then the championships'.
    std::array<QRadioButton*, 2> tableChoices_{};
    std::array<QGroupBox*, 2> tables_{};
    std::array<QLabel*, 10> names_{};  // 0-4 single games, 5-9 championships
    std::array<QLabel*, 10> scores_{};
};

}  // namespace vornel
