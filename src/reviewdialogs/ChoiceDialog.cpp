// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewdialogs/ChoiceDialog.h"

#include "board/Board.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace reviewdialogs {

namespace {

QStringList tenseCaptions()
{
    const auto &captions = board::tenseCaptions();
    return QStringList(captions.begin(), captions.end());
}

template <std::size_t N> std::bitset<N> ticked(const std::vector<QCheckBox *> &boxes)
{
    std::bitset<N> bits;
    for (std::size_t i = 0; i < boxes.size() && i < N; ++i)
        bits.set(i, boxes[i]->isChecked());
    return bits;
}

} // namespace

ChoiceDialog::ChoiceDialog(const review::ReviewChoice &choice, int newCardsPerDay, bool levelsKnown,
                           QWidget *parent)
    : QDialog(parent), levelsKnown_(levelsKnown)
{
    setObjectName(QStringLiteral("ReviewChoiceDialog"));
    setWindowTitle(QStringLiteral("Review"));
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QGridLayout;
    layout->addLayout(groups);
    addBoxes(groups, "&Tenses", tenseCaptions(), choice.tenses, "tense", tenses_, 3);
    addBoxes(groups, "Verb t&ypes", {"weak", "strong", "mixed", "irregular", "modal"}, choice.types,
             "type", types_, 5);
    addBoxes(groups, "&Kinds", {"plain", "separable", "reflexive", "two-word"}, choice.kinds,
             "kind", kinds_, 4);
    if (levelsKnown)
        addBoxes(groups, "&Levels", {"A1", "A2", "B1", "not on the A1-B1 list"}, choice.levels,
                 "level", levels_, 4);

    mistakes_ = new QCheckBox(QStringLiteral("Only &my mistakes (graded Again in the last %1 days)")
                                  .arg(review::ReviewChoice::MistakeDays));
    mistakes_->setObjectName(QStringLiteral("mistakes"));
    mistakes_->setChecked(choice.onlyMistakes);
    layout->addWidget(mistakes_);

    auto *numbers = new QFormLayout;
    length_ = new QSpinBox;
    length_->setObjectName(QStringLiteral("sessionLength"));
    length_->setRange(review::ReviewChoice::MinimumSessionLength,
                      review::ReviewChoice::MaximumSessionLength);
    length_->setValue(choice.sessionLength);
    numbers->addRow(QStringLiteral("&Boards in a session:"), length_);
    newPerDay_ = new QSpinBox;
    newPerDay_->setObjectName(QStringLiteral("newCardsPerDay"));
    newPerDay_->setRange(0, MaximumNewCardsPerDay);
    newPerDay_->setValue(newCardsPerDay);
    numbers->addRow(QStringLiteral("&New cards a day:"), newPerDay_);
    layout->addLayout(numbers);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *start = buttons->addButton(QStringLiteral("&Start"), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("start"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    start->setDefault(true); // Return starts, from any box; only now the button is the dialog's
    if (!tenses_.empty())
        tenses_.front()->setFocus();
}

template <std::size_t N>
void ChoiceDialog::addBoxes(QGridLayout *grid, const char *title, const QStringList &captions,
                            const std::bitset<N> &chosen, const char *namePrefix,
                            std::vector<QCheckBox *> &boxes, int columns)
{
    auto *group = new QGroupBox(QString::fromUtf8(title));
    auto *inside = new QGridLayout(group);
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions[i], group);
        box->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(namePrefix)).arg(i));
        box->setChecked(std::size_t(i) < N && chosen.test(std::size_t(i)));
        inside->addWidget(box, i / columns, i % columns);
        boxes.push_back(box);
    }
    grid->addWidget(group, grid->rowCount(), 0);
}

review::ReviewChoice ChoiceDialog::choice() const
{
    review::ReviewChoice choice;
    choice.tenses = ticked<data::TenseCount>(tenses_);
    choice.types = ticked<review::VerbTypeCount>(types_);
    choice.kinds = ticked<review::VerbKindCount>(kinds_);
    choice.levels = levelsKnown_ ? ticked<review::LevelCount>(levels_)
                                 : std::bitset<review::LevelCount>().set();
    choice.onlyMistakes = mistakes_->isChecked();
    choice.sessionLength = length_->value();
    return choice;
}

int ChoiceDialog::newCardsPerDay() const
{
    return newPerDay_->value();
}

} // namespace reviewdialogs
