// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice commands: the active box, testing and revealing.
#include "app/Unit1.h"

#include "access/AccessibilityUpdateFilter.h"
#include "appearance/Contrast.h"
#include "practice/Announcements.h"
#include "practice/WrongAnswers.h"
#include "widgets/OfficeEdit.h"

namespace app {

void TForm1::setRandomSource(std::unique_ptr<practice::RandomSource> random)
{
    m_random = std::move(random);
}

practice::BoxTexts TForm1::boxTexts() const
{
    practice::BoxTexts texts;
    for (int i = 0; i < data::BoxCount; ++i)
        texts[i] = m_boxes[i]->text();
    return texts;
}

void TForm1::setBoxTexts(const practice::BoxTexts &texts)
{
    for (int i = 0; i < data::BoxCount; ++i) {
        if (m_boxes[i]->text() != texts[i]) // an unchanged box keeps its caret
            m_boxes[i]->setText(texts[i]);
    }
}

QColor TForm1::normalBoxColor() const
{
    return palette().color(QPalette::Base);
}

void TForm1::EGetFocus(int box)
{
    m_practice.enterBox(box, m_answerSlots[box - 1]);
    EdS4->clear();
}

void TForm1::AlphaEditGetFocus()
{
    m_practice.enterLookUp();
    EdS4->clear();
}

void TForm1::colourBoxes()
{
    for (int i = 0; i < data::BoxCount; ++i) {
        // Most refreshes find every box in its colours already; setting its palette again
        // would resolve it anew, a third of the refresh's time.
        if (!m_boxColoursStale && m_colouredWrong[i] == m_markedWrong[i])
            continue;
        QPalette palette = m_boxes[i]->palette();
        palette.setColor(QPalette::Base, normalBoxColor());
        palette.setColor(QPalette::Text, this->palette().color(QPalette::Text));
        if (m_markedWrong[i]) {
            palette.setColor(QPalette::Base, wrongAnswerColor());
            palette = appearance::withReadableText(palette, QPalette::Base);
        }
        m_boxes[i]->setPalette(palette);
    }
    m_colouredWrong = m_markedWrong;
    m_boxColoursStale = false;
}

void TForm1::btnTestAnswersRestoreClick()
{
    m_markedWrong.fill(false);
    colourBoxes();
    withdrawTestResult();
}

void TForm1::btnTestAnswersClick()
{
    btnTestAnswersRestoreClick();
    m_markedWrong = practice::wrongAnswers(boxTexts(), m_answerSlots);
    colourBoxes();
    exposeTestResult(m_markedWrong);
}

void TForm1::btnShowCorrectClick()
{
    const int box = m_practice.activeBox();
    if (box == practice::PracticeState::NoBox)
        return;
    if (auto shown = m_practice.showCorrect(m_boxes[box - 1]->text(), m_answerSlots[box - 1])) {
        const accessibility::QuietTextChange quiet(m_boxes[box - 1]);
        m_boxes[box - 1]->setText(*shown);
        announceForActiveBox(practice::boxTextAnnouncement(*shown));
    }
}

void TForm1::btnShowCorrectRestoreClick()
{
    if (auto restored = m_practice.restoreCorrect()) {
        const accessibility::QuietTextChange quiet(m_boxes[m_practice.activeBox() - 1]);
        m_boxes[m_practice.activeBox() - 1]->setText(*restored);
        announceForActiveBox(practice::boxTextAnnouncement(*restored));
    }
}

void TForm1::btnShowAllClick()
{
    setBoxTexts(m_practice.showAll(boxTexts(), m_answerSlots));
}

void TForm1::btnShowAllRestoreClick()
{
    setBoxTexts(m_practice.restoreAll(boxTexts()));
}

void TForm1::btnShowRandClick()
{
    if (m_random) {
        if (auto revealed = m_practice.revealNext(*m_random)) {
            EdS4->setText(EdS4->text() + *revealed);
            announceForActiveBox(practice::revealedLettersAnnouncement(EdS4->text()));
        }
    }
}

} // namespace app
