// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QString>

#include <array>
#include <optional>

namespace practice {

using BoxTexts = std::array<QString, data::BoxCount>; // box k at [k - 1]

class RandomSource;

// What the practice commands know between events: which control the learner
// entered last (one entry box, the look-up box, or none), the working copy of
// that box's answer for Show Random, and the texts saved for the Restores.
//
// Only one control can be active at a time, so the active box is one value
// rather than 37 flags.
class PracticeState {
public:
    static constexpr int NoBox = 0;

    // Entering entry box `box` (1 to 36) with its answer.
    void enterBox(int box, const QString &answer);
    // Entering the look-up box: no entry box is active and there is no answer.
    void enterLookUp();
    // A board refresh clears the entry boxes' markers, the answer and every
    // saved text; the look-up box keeps its marker.
    void resetForRefresh();

    int activeBox() const { return m_activeBox; } // NoBox when none
    bool activeFlag(int box) const { return box == m_activeBox; }
    bool lookUpActive() const { return m_lookUpActive; }
    const QString &currentAnswer() const { return m_currentAnswer; }
    bool revealComplete() const { return m_revealComplete; }

    // Show Correct: saves the active box's text and returns what it shows next
    // (its answer). Nothing when no entry box is active.
    std::optional<QString> showCorrect(const QString &boxText, const QString &answer);
    // The Restore beside Show Correct: the text saved for the active box, if
    // one was saved since the last refresh.
    std::optional<QString> restoreCorrect() const;

    // Show All: saves every box's text unless the board already shows every
    // answer, and returns the texts the boxes show next (the answers).
    BoxTexts showAll(const BoxTexts &boxTexts, const BoxTexts &answers);
    // The Restore beside Show All: boxes with a saved text get it back, every
    // other box keeps what it holds, so what the learner typed is never wiped.
    BoxTexts restoreAll(const BoxTexts &boxTexts) const;

    // Show Random: the next character to reveal, drawn uniformly from the
    // positions not yet revealed; nothing once the form is complete.
    std::optional<QChar> revealNext(RandomSource &random);

    const QString &savedText(int box) const { return m_saved[box - 1]; }
    bool hasSavedText(int box) const { return m_hasSaved[box - 1]; }

private:
    int m_activeBox = NoBox;
    bool m_lookUpActive = false;
    QString m_currentAnswer;
    bool m_revealComplete = false;
    BoxTexts m_saved;
    std::array<bool, data::BoxCount> m_hasSaved{};
};

} // namespace practice
