// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice state without a window: markers, saving and restoring, reveals.
#include "practice/PracticeState.h"
#include "practice/RandomSource.h"
#include "practice/TestResult.h"
#include "practice/WrongAnswers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

using practice::BoxTexts;
using practice::PracticeState;

namespace {

// Draws the positions it is given, in order.
class ScriptedRandom : public practice::RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws) : m_draws(std::move(draws)) {}
    int draw(int count) override
    {
        const int position = m_draws.empty() ? 0 : m_draws.front();
        if (!m_draws.empty())
            m_draws.pop_front();
        EXPECT_LT(position, count);
        return position;
    }

private:
    std::deque<int> m_draws;
};

BoxTexts texts(std::initializer_list<std::pair<int, const char *>> boxes)
{
    BoxTexts result;
    for (const auto &[box, text] : boxes)
        result[box - 1] = QString::fromUtf8(text);
    return result;
}

} // namespace

TEST(ActiveBox, OneMarkerAtATime)
{
    PracticeState state;
    EXPECT_EQ(state.activeBox(), PracticeState::NoBox);
    state.enterBox(3, QStringLiteral("gehe"));
    state.enterBox(7, QStringLiteral("gehst"));
    EXPECT_TRUE(state.activeFlag(7));
    EXPECT_FALSE(state.activeFlag(3));
    EXPECT_EQ(state.currentAnswer(), QStringLiteral("gehst"));
    state.enterLookUp();
    EXPECT_TRUE(state.lookUpActive());
    EXPECT_EQ(state.activeBox(), PracticeState::NoBox);
    EXPECT_TRUE(state.currentAnswer().isEmpty());
}

TEST(ActiveBox, RefreshClearsTheBoxButKeepsTheLookUpBox)
{
    PracticeState state;
    state.enterLookUp();
    state.resetForRefresh();
    EXPECT_TRUE(state.lookUpActive());
    state.enterBox(5, QStringLiteral("x"));
    state.resetForRefresh();
    EXPECT_EQ(state.activeBox(), PracticeState::NoBox);
    EXPECT_FALSE(state.lookUpActive());
    EXPECT_TRUE(state.currentAnswer().isEmpty());
}

TEST(TestAnswers, ComparesExactly)
{
    const BoxTexts answers =
        texts({{5, "gehe"}, {6, "gehst"}, {7, "gehen"}, {8, "geht"}, {9, "Mädchen"}});
    const BoxTexts typed = texts({{5, "gehe"}, {6, "gehst "}, {7, "Gehen"}, {9, "Madchen"}});
    const auto wrong = practice::wrongAnswers(typed, answers);
    EXPECT_FALSE(wrong[4]);
    EXPECT_TRUE(wrong[5]);  // trailing blank
    EXPECT_TRUE(wrong[6]);  // capital letter
    EXPECT_TRUE(wrong[7]);  // left empty
    EXPECT_TRUE(wrong[8]);  // umlaut
    EXPECT_FALSE(wrong[0]); // hidden: both empty
}

TEST(TestAnswers, ResultInWordsCountsTheShownBoxes)
{
    const BoxTexts three = texts({{5, "gehe"}, {6, "gehst"}, {7, "gehen"}});
    const BoxTexts one = texts({{33, "geh"}});
    // Boxes 6 and 14 share a row; box 14 is read before box 7, a row lower.
    const BoxTexts names = texts({{5, "ich, verb"},
                                  {6, "du, verb"},
                                  {7, "Sie (singular), verb"},
                                  {14, "du, separable prefix"},
                                  {33, "du, imperative"}});
    const auto summary = [&](const BoxTexts &typed, const BoxTexts &answers) {
        return practice::testResultSummary(practice::wrongAnswers(typed, answers), answers, names)
            .toStdString();
    };
    EXPECT_EQ(summary(three, three), "All 3 answers right");
    EXPECT_EQ(summary(texts({{5, "gehe"}}), three), "2 of 3 wrong: du, Sie (singular).");
    EXPECT_EQ(summary(BoxTexts{}, texts({{6, "a"}, {7, "b"}, {14, "c"}})),
              "3 of 3 wrong: du, verb; du, separable prefix; Sie (singular).");
    EXPECT_EQ(summary(one, one), "The answer is right");
    EXPECT_EQ(summary(BoxTexts{}, one), "The answer is wrong");
    EXPECT_EQ(summary(BoxTexts{}, BoxTexts{}), "No answers to test");
}

TEST(ShowCorrect, SavesAndRestoresTheActiveBox)
{
    PracticeState state;
    EXPECT_FALSE(state.showCorrect(QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_FALSE(state.restoreCorrect());
    state.enterBox(2, QStringLiteral("gehst"));
    EXPECT_EQ(state.showCorrect(QStringLiteral("geh"), QStringLiteral("gehst")),
              QStringLiteral("gehst"));
    EXPECT_EQ(state.restoreCorrect(), QStringLiteral("geh"));
    // A second press saves the answer itself.
    state.showCorrect(QStringLiteral("gehst"), QStringLiteral("gehst"));
    EXPECT_EQ(state.restoreCorrect(), QStringLiteral("gehst"));
}

TEST(ShowCorrect, RestoreLeavesABoxWithNothingSaved)
{
    PracticeState state;
    state.enterBox(2, QStringLiteral("gehst"));
    state.showCorrect(QStringLiteral("geh"), QStringLiteral("gehst"));
    state.enterBox(3, QStringLiteral("geht"));
    EXPECT_FALSE(state.restoreCorrect()); // nothing was saved for box 3
}

TEST(ShowAll, SecondPressKeepsTheFirstSave)
{
    PracticeState state;
    const BoxTexts answers = texts({{5, "gehe"}, {6, "gehst"}});
    const BoxTexts typed = texts({{5, "geh"}, {6, ""}});
    const BoxTexts shown = state.showAll(typed, answers);
    EXPECT_EQ(shown, answers);
    EXPECT_EQ(state.showAll(shown, answers), answers);
    EXPECT_EQ(state.restoreAll(answers), typed);
}

TEST(ShowAll, AllCorrectSavesNothingAndRestoreKeepsTheForms)
{
    PracticeState state;
    const BoxTexts answers = texts({{5, "gehe"}, {6, "gehst"}});
    state.showAll(answers, answers);
    EXPECT_EQ(state.restoreAll(answers), answers);
}

TEST(ShowAll, RestoreWithoutASaveKeepsWhatWasTyped)
{
    PracticeState state;
    const BoxTexts typed = texts({{5, "geh"}, {6, "gehst"}});
    EXPECT_EQ(state.restoreAll(typed), typed);
    // Show Correct saved one box: only that box comes back.
    state.enterBox(5, QStringLiteral("gehe"));
    state.showCorrect(QStringLiteral("ge"), QStringLiteral("gehe"));
    EXPECT_EQ(state.restoreAll(texts({{5, "gehe"}, {6, "gehst"}})),
              texts({{5, "ge"}, {6, "gehst"}}));
}

TEST(ShowAll, ParadeRefreshSavesEmptyTexts)
{
    PracticeState state;
    state.resetForRefresh();
    const BoxTexts answers = texts({{5, "gehe"}});
    state.showAll(BoxTexts{}, answers);
    EXPECT_EQ(state.restoreAll(answers), BoxTexts{});
}

TEST(ShowRandom, RevealsAPermutationThenStops)
{
    const QString form = QStringLiteral("gegangen");
    PracticeState state;
    state.enterBox(9, form);
    practice::SeededRandomSource random(42);
    QString revealed;
    for (int press = 0; press < form.size() + 3; ++press) {
        if (auto character = state.revealNext(random))
            revealed += *character;
    }
    EXPECT_EQ(revealed.size(), form.size());
    QString sortedForm = form, sortedRevealed = revealed;
    std::sort(sortedForm.begin(), sortedForm.end());
    std::sort(sortedRevealed.begin(), sortedRevealed.end());
    EXPECT_EQ(sortedRevealed, sortedForm);
    EXPECT_TRUE(state.revealComplete());
}

TEST(ShowRandom, DrawsPositionsNotLetters)
{
    PracticeState state;
    state.enterBox(1, QStringLiteral("abba"));
    ScriptedRandom random({3, 0, 1}); // a, then a, then the second b
    QString revealed;
    while (auto character = state.revealNext(random))
        revealed += *character;
    EXPECT_EQ(revealed, QStringLiteral("aabb"));
}

TEST(ShowRandom, OneCharacterAndEmptyForms)
{
    PracticeState state;
    ScriptedRandom random({});
    state.enterBox(1, QStringLiteral("a"));
    EXPECT_EQ(state.revealNext(random), QChar(u'a'));
    EXPECT_FALSE(state.revealNext(random));
    state.enterBox(2, QString());
    EXPECT_FALSE(state.revealNext(random));
    state.enterBox(1, QStringLiteral("a")); // re-entering restarts
    EXPECT_EQ(state.revealNext(random), QChar(u'a'));
}

TEST(ShowRandom, EveryRemainingPositionIsDrawn)
{
    // With the draw fixed at the last position the form comes out reversed;
    // at the first position, in order.
    PracticeState state;
    ScriptedRandom last({4, 3, 2, 1});
    state.enterBox(1, QStringLiteral("abcde"));
    QString revealed;
    while (auto character = state.revealNext(last))
        revealed += *character;
    EXPECT_EQ(revealed, QStringLiteral("edcba"));
}
