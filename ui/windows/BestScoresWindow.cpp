#include "ui/windows/BestScoresWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "game/Host.h"
#include "storage/ScoreFile.h"
#include "text/Messages.h"
#include "text/Profile.h"
#include "ui/shared/CaptionApply.h"
#include "ui/shared/Twips.h"
#include "ui/shared/Widgets.h"

namespace vornel {

using namespace widgets;

namespace {

CaptionTable designCaptions()
{
    return CaptionTable(std::string(Messages::BestScoresTitle.greek),
        {
            {"Option1", 0, " Παιχνίδι", "tableChoice(0)"},
            {"Option1", 1, " Πρωτάθλημα", "tableChoice(1)"},
            {"Frame2", 0, "ΣΚΟΡ  Παιχνιδιού", "table(0)"},
            {"Frame2", 1, "ΣΚΟΡ  Πρωταθλήματος", "table(1)"},
            {"Command1", -1, "OK", "okButton"},
            {"Command2", -1, "Διαγραφή", "deleteButton"},
        });
}

// The only keys the catalogue's section holds for this window; OK stays OK.
const std::string englishKeys[] = {"Command2", "Frame2(1)", "Frame2(0)", "Option1(1)", "Option1(0)"};

}  // namespace

BestScoresWindow::BestScoresWindow(std::filesystem::path singleGameFile, std::filesystem::path championshipFile, Host& host, bool useGreek,
    const TextCatalog& catalog, QWidget* parent)
    : QDialog(parent), files_{std::move(singleGameFile), std::move(championshipFile)}, host_(host), useGreek_(useGreek)
{
    setObjectName("BestScoresWindow");
    setFixedSize(px(5160), px(4320));

    auto* choiceGroup = new QGroupBox(this);
    choiceGroup->setObjectName("tableChoiceGroup");
    choiceGroup->setGeometry(px(240, 120, 4680, 615));
    for (int i = 0; i < 2; ++i) {
        tableChoices_[i] = new QRadioButton(choiceGroup);
        tableChoices_[i]->setObjectName(QStringLiteral("tableChoice(%1)").arg(i));
        tableChoices_[i]->setGeometry(px(240 + 2280 * i, 180, 2100, 330));
        connect(tableChoices_[i], &QRadioButton::clicked, this, [this, i] { onTableChosen(i); });

        tables_[i] = new QGroupBox(this);
        tables_[i]->setObjectName(QStringLiteral("table(%1)").arg(i));
        tables_[i]->setGeometry(px(240, 840, 4680, 2580));
        for (int row = 0; row < 5; ++row) {
            const int k = 5 * i + row;
            scores_[k] = new QLabel(tables_[i]);
            scores_[k]->setObjectName(QStringLiteral("score(%1)").arg(k));
            scores_[k]->setGeometry(px(240, 360 + 420 * row, 1200, 330));
            scores_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            scores_[k]->setFont(makeFont("Liberation Mono", 10, true));
            names_[k] = new QLabel(tables_[i]);
            names_[k]->setObjectName(QStringLiteral("name(%1)").arg(k));
            names_[k]->setGeometry(px(1680, 360 + 420 * row, 2760, 330));
            names_[k]->setFont(makeFont("Liberation Sans", 10, true));
        }
    }

    auto* okButton = new QPushButton(this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(px(240, 3600, 2160, 450));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* deleteButton = new QPushButton(this);
    deleteButton->setObjectName("deleteButton");
    deleteButton->setGeometry(px(2760, 3600, 2160, 450));
    connect(deleteButton, &QPushButton::clicked, this, &BestScoresWindow::onDeleteClicked);

    showInitialState(catalog);
}

void BestScoresWindow::showInitialState(const TextCatalog& catalog)
{
    for (int table = 0; table < 2; ++table)
        showTable(table, files_[table]);
    tableChoices_[0]->setChecked(true);
    onTableChosen(0);

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishKeys(captions_, catalog, "ENGLISH50", englishKeys);
        captions_.setTitle(std::string(Messages::BestScoresTitle.english));
    }
    applyCaptions(this, captions_);
}

void BestScoresWindow::showTable(int table, const std::filesystem::path& file)
{
    const ScoreTable t = readScoreTable(file);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        const std::string name = t.names[p].toText();
        scores_[5 * table + p]->setText(qs(t.scores[p].toText()));
        names_[5 * table + p]->setText(name.empty() ? qs(std::string(Messages::EmptyName)) : qs(name));
    }
}

void BestScoresWindow::onTableChosen(int table)
{
    tables_[0]->hide();
    tables_[1]->hide();
    tables_[table]->show();
}

void BestScoresWindow::onDeleteClicked()
{
    if (!host_.askYesNo(Messages::DeleteScores.in(useGreek_), Messages::DeleteScoresTitle.in(useGreek_)))
        return;
    const int table = tableChoices_[1]->isChecked() ? 1 : 0;
    deleteScoreFile(files_[table]);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        scores_[5 * table + p]->setText(QString());
        names_[5 * table + p]->setText(qs(std::string(Messages::EmptyName)));
    }
    emit scoresDeleted();
}

}  // namespace vornel
