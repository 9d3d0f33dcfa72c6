// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/ReviewChoice.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QGridLayout;
class QSpinBox;

namespace reviewdialogs {

// What to review: tenses, verb groups, "my mistakes", the session's length and the new cards a
// day. Opens on a given choice; Start accepts, Cancel and Esc leave it as it was.
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int DefaultNewCardsPerDay = 10;
    static constexpr int MaximumNewCardsPerDay = 100;

    // Without a levels list (`levelsKnown` false) the level boxes are not shown and every level
    // stays chosen, so no verb is left out for a level it cannot have.
    ChoiceDialog(const review::ReviewChoice &choice, int newCardsPerDay, bool levelsKnown,
                 QWidget *parent = nullptr);

    review::ReviewChoice choice() const;
    int newCardsPerDay() const;

private:
    template <std::size_t N>
    void addBoxes(QGridLayout *grid, const char *title, const QStringList &captions,
                  const std::bitset<N> &chosen, const char *namePrefix,
                  std::vector<QCheckBox *> &boxes, int columns);

    std::vector<QCheckBox *> tenses_;
    std::vector<QCheckBox *> types_;
    std::vector<QCheckBox *> kinds_;
    std::vector<QCheckBox *> levels_;
    QCheckBox *mistakes_ = nullptr;
    QSpinBox *length_ = nullptr;
    QSpinBox *newPerDay_ = nullptr;
    bool levelsKnown_ = false;
};

} // namespace reviewdialogs
