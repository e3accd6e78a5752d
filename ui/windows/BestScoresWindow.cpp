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
            {"Option1", 0, " Παιχνίδι"},
            {"Option1", 1, " Πρωτάθλημα"},
            {"Frame2", 0, "ΣΚΟΡ  Παιχνιδιού"},
            {"Frame2", 1, "ΣΚΟΡ  Πρωταθλήματος"},
            {"Command1", -1, "OK"},
            {"Command2", -1, "Διαγραφή"},
        });
}

const std::string englishKeys[] = {"Command2", "Frame2(1)", "Frame2(0)", "Option1(1)", "Option1(0)"};

}  // namespace

BestScoresWindow::BestScoresWindow(std::filesystem::path singleGameFile, std::filesystem::path championshipFile, Host& host, bool useGreek,
    const TextCatalog& catalog, QWidget* parent)
    : QDialog(parent), files_{std::move(singleGameFile), std::move(championshipFile)}, host_(host), useGreek_(useGreek)
{
    setObjectName("BestScoresWindow");
    setFixedSize(px(5160), px(4320));

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(px(240, 120, 4680, 615));
    for (int i = 0; i < 2; ++i) {
        option1_[i] = new QRadioButton(frame1);
        option1_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option1_[i]->setGeometry(px(240 + 2280 * i, 180, 2100, 330));
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });

        frame2_[i] = new QGroupBox(this);
        frame2_[i]->setObjectName(QStringLiteral("Frame2(%1)").arg(i));
        frame2_[i]->setGeometry(px(240, 840, 4680, 2580));
        for (int row = 0; row < 5; ++row) {
            const int k = 5 * i + row;
            label2_[k] = new QLabel(frame2_[i]);
            label2_[k]->setObjectName(QStringLiteral("Label2(%1)").arg(k));
            label2_[k]->setGeometry(px(240, 360 + 420 * row, 1200, 330));
            label2_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label2_[k]->setFont(makeFont("Liberation Mono", 10, true));
            label1_[k] = new QLabel(frame2_[i]);
            label1_[k]->setObjectName(QStringLiteral("Label1(%1)").arg(k));
            label1_[k]->setGeometry(px(1680, 360 + 420 * row, 2760, 330));
            label1_[k]->setFont(makeFont("Liberation Sans", 10, true));
        }
    }

    auto* command1 = new QPushButton(this);
    command1->setObjectName("Command1");
    command1->setGeometry(px(240, 3600, 2160, 450));
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* command2 = new QPushButton(this);
    command2->setObjectName("Command2");
    command2->setGeometry(px(2760, 3600, 2160, 450));
    connect(command2, &QPushButton::clicked, this, &BestScoresWindow::Command2_Click);

    Form_Load(catalog);
}

void BestScoresWindow::Form_Load(const TextCatalog& catalog)
{
    for (int table = 0; table < 2; ++table)
        showTable(table, files_[table]);
    option1_[0]->setChecked(true);
    Option1_Click(0);

    captions_ = designCaptions();
    if (!useGreek_) {
        loadEnglishKeys(captions_, catalog, "ENGLISH50", englishKeys);
        captions_.setCaption("Command1", -1, "OK");
        captions_.setTitle(std::string(Messages::BestScoresTitle.english));
    }
    applyCaptions(this, captions_);
}

void BestScoresWindow::showTable(int table, const std::filesystem::path& file)
{
    const ScoreTable t = readScoreTable(file);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        const std::string name = t.names[p].toText();
        label2_[5 * table + p]->setText(qs(t.scores[p].toText()));
        label1_[5 * table + p]->setText(name.empty() ? qs(std::string(Messages::EmptyName)) : qs(name));
    }
}

void BestScoresWindow::Option1_Click(int index)
{
    frame2_[0]->hide();
    frame2_[1]->hide();
    frame2_[index]->show();
}

void BestScoresWindow::Command2_Click()
{
    if (!host_.askYesNo(Messages::DeleteScores.in(useGreek_), Messages::DeleteScoresTitle.in(useGreek_)))
        return;
    const int table = option1_[1]->isChecked() ? 1 : 0;
    deleteScoreFile(files_[table]);
    for (int p = 0; p < ScoreTable::Places; ++p) {
        label2_[5 * table + p]->setText(QString());
        label1_[5 * table + p]->setText(qs(std::string(Messages::EmptyName)));
    }
    emit scoresDeleted();
}

}  // namespace vornel
