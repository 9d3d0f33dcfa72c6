// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice commands: the active box, testing and revealing.
#include "app/Unit1.h"

#include "access/AccessibilityUpdateFilter.h"
#include "appearance/Contrast.h"
#include "explain/MistakeClassifier.h"
#include "lists/FlatComboBox.h"
#include "practice/Announcements.h"
#include "practice/TestResult.h"
#include "practice/WrongAnswers.h"
#include "trainer/ReviewSession.h"
#include "widgets/FittingLabel.h"
#include "widgets/OfficeEdit.h"

#include <algorithm>

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
        if (!m_boxColoursStale && m_colouredMarks[i] == m_marks[i])
            continue;
        QPalette palette = m_boxes[i]->palette();
        palette.setColor(QPalette::Base, normalBoxColor());
        palette.setColor(QPalette::Text, this->palette().color(QPalette::Text));
        if (m_marks[i] != practice::AnswerMark::Right) {
            palette.setColor(QPalette::Base, m_marks[i] == practice::AnswerMark::Wrong
                                                 ? wrongAnswerColor()
                                                 : alsoRightColor());
            palette = appearance::withReadableText(palette, QPalette::Base);
        }
        m_boxes[i]->setPalette(palette);
    }
    m_colouredMarks = m_marks;
    m_boxColoursStale = false;
}

practice::BoxAlternatives TForm1::boardAlternatives() const
{
    practice::BoxAlternatives alternatives;
    const int record = ComboBox1->currentIndex();
    if (m_alternatives.isEmpty() || record < 0)
        return alternatives;
    const QString verb = ComboBox1->itemText(record);
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (!m_answerSlots[box - 1].isEmpty())
            alternatives[box - 1] = m_alternatives.of(verb, ComboBox2->currentIndex(), box);
    }
    return alternatives;
}

void TForm1::explainWrongBoxes(const practice::BoxTexts &typed)
{
    const int record = ComboBox1->currentIndex();
    if (std::none_of(
            m_marks.begin(), m_marks.end(),
            [](practice::AnswerMark mark) { return mark == practice::AnswerMark::Wrong; }) ||
        record < 0 || record >= m_verbList.recordCount())
        return;
    const std::optional<explain::VerbForms> verb = explain::VerbForms::read(m_verbList, record);
    if (!verb)
        return;
    for (int i = 0; i < data::BoxCount; ++i) {
        if (m_marks[i] != practice::AnswerMark::Wrong || m_answerSlots[i].isEmpty())
            continue;
        const explain::Explanation explanation = explain::explainAnswer(
            typed[i], m_answerSlots[i], *verb, ComboBox2->currentIndex(), i + 1);
        m_explanations[i] = explanation.sentence;
        m_shortExplanations[i] = explanation.shortText;
    }
}

void TForm1::clearExplanations()
{
    m_tested.fill(false);
    for (QString &explanation : m_explanations)
        explanation.clear();
    for (QString &explanation : m_shortExplanations)
        explanation.clear();
    m_explainedBox = practice::PracticeState::NoBox;
    lblExplanation->clear();
    lblExplanation->hide();
}

void TForm1::btnTestAnswersRestoreClick()
{
    m_marks.fill(practice::AnswerMark::Right);
    colourBoxes();
    clearExplanations();
    withdrawTestResult();
}

void TForm1::btnTestAnswersClick()
{
    btnTestAnswersRestoreClick();
    const practice::BoxTexts typed = boxTexts();
    m_marks = practice::markAnswers(typed, m_answerSlots, boardAlternatives());
    explainWrongBoxes(typed);
    for (int i = 0; i < data::BoxCount; ++i)
        m_tested[i] = !m_answerSlots[i].isEmpty();
    if (m_review) {
        const auto wrong = practice::wrongBoxes(m_marks); // an alternative counts as right
        m_review->noteTest(std::find(wrong.begin(), wrong.end(), true) == wrong.end());
    }
    colourBoxes();
    exposeTestResult();
}

void TForm1::forgetExplanation(int box)
{
    if (!m_tested[box - 1])
        return;
    m_tested[box - 1] = false;
    m_explanations[box - 1].clear();
    m_shortExplanations[box - 1].clear();
    if (m_explainedBox == box) {
        m_explainedBox = practice::PracticeState::NoBox;
        lblExplanation->clear();
        lblExplanation->hide();
    }
    withdrawExplanation(box);
}

void TForm1::explainFocusedBox()
{
    const auto focused = std::find(m_boxes.begin(), m_boxes.end(), focusWidget());
    const int box =
        focused != m_boxes.end() ? int(focused - m_boxes.begin()) + 1 : m_practice.activeBox();
    std::optional<practice::AnswerMark> mark;
    QString typed, boardForm, explanation, shortExplanation;
    if (box != practice::PracticeState::NoBox && m_tested[box - 1]) {
        mark = m_marks[box - 1];
        typed = m_boxes[box - 1]->text();
        boardForm = m_answerSlots[box - 1];
        explanation = m_explanations[box - 1];
        shortExplanation = m_shortExplanations[box - 1];
    }
    const QString line = practice::explanationLine(mark, typed, boardForm, explanation);
    m_explainedBox = mark ? box : practice::PracticeState::NoBox;
    lblExplanation->setText(line);
    lblExplanation->show();
    if (lblExplanation->fit().cut && !shortExplanation.isEmpty()) // too long even drawn small
        lblExplanation->setText(shortExplanation);
    announce(line);
}

void TForm1::btnShowCorrectClick()
{
    const int box = m_practice.activeBox();
    if (box == practice::PracticeState::NoBox)
        return;
    if (auto shown = m_practice.showCorrect(m_boxes[box - 1]->text(), m_answerSlots[box - 1])) {
        const accessibility::QuietTextChange quiet(m_boxes[box - 1]);
        m_boxes[box - 1]->setText(*shown);
        if (m_review)
            m_review->noteBoxesRevealed({box});
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
    const practice::BoxTexts before = boxTexts();
    setBoxTexts(m_practice.showAll(before, m_answerSlots));
    if (m_review) {
        QList<int> revealed;
        for (int box = 1; box <= data::BoxCount; ++box) {
            if (m_boxes[box - 1]->text() != before[box - 1])
                revealed.append(box);
        }
        m_review->noteBoxesRevealed(revealed);
    }
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
            if (m_review)
                m_review->noteLetterRevealed();
            announce(practice::revealedLettersAnnouncement(EdS4->text()));
            announceForActiveBox(practice::revealedLettersAnnouncement(EdS4->text()));
        }
    }
}

} // namespace app
