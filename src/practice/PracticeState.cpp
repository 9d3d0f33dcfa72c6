// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/PracticeState.h"

#include "practice/RandomSource.h"

namespace practice {

void PracticeState::enterBox(int box, const QString &answer)
{
    m_activeBox = box;
    m_lookUpActive = false;
    m_currentAnswer = answer;
    m_revealComplete = false;
}

void PracticeState::enterLookUp()
{
    m_activeBox = NoBox;
    m_lookUpActive = true;
    m_currentAnswer.clear();
    m_revealComplete = false;
}

void PracticeState::resetForRefresh()
{
    m_activeBox = NoBox;
    m_currentAnswer.clear();
    m_saved.fill(QString());
    m_hasSaved.fill(false);
}

std::optional<QString> PracticeState::showCorrect(const QString &boxText, const QString &answer)
{
    if (m_activeBox == NoBox)
        return std::nullopt;
    m_saved[m_activeBox - 1] = boxText;
    m_hasSaved[m_activeBox - 1] = true;
    return answer;
}

std::optional<QString> PracticeState::restoreCorrect() const
{
    if (m_activeBox == NoBox || !m_hasSaved[m_activeBox - 1])
        return std::nullopt;
    return m_saved[m_activeBox - 1];
}

BoxTexts PracticeState::showAll(const BoxTexts &boxTexts, const BoxTexts &answers)
{
    // A second Show All must not overwrite the learner's texts with the answers.
    if (boxTexts != answers) {
        m_saved = boxTexts;
        m_hasSaved.fill(true);
    }
    return answers;
}

BoxTexts PracticeState::restoreAll(const BoxTexts &boxTexts) const
{
    BoxTexts restored = boxTexts;
    for (int i = 0; i < data::BoxCount; ++i) {
        if (m_hasSaved[i])
            restored[i] = m_saved[i];
    }
    return restored;
}

std::optional<QChar> PracticeState::revealNext(RandomSource &random)
{
    if (m_revealComplete || m_currentAnswer.isEmpty())
        return std::nullopt;
    if (m_currentAnswer.size() == 1) {
        // The last character stays in the answer; the reveal is complete.
        m_revealComplete = true;
        return m_currentAnswer.front();
    }
    const int position = random.draw(int(m_currentAnswer.size()));
    const QChar revealed = m_currentAnswer.at(position);
    m_currentAnswer.remove(position, 1);
    return revealed;
}

} // namespace practice
