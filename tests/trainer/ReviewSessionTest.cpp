// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A review session's flow without a window: boards placed in the lists, work turned into grades
// and log rows, the texts said.
#include "trainer/ReviewSession.h"
#include "trainer/RankedVerbs.h"
#include "trainer/ReviewTexts.h"

#include <gtest/gtest.h>

using review::Grade;

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);

review::OfferedVerb verb(const char *name, int rank)
{
    return {QString::fromUtf8(name), review::VerbType::Weak, review::VerbKind::Plain,
            review::Level::Unlisted, rank};
}

struct MedianCase {
    QList<qint64> durations;
    std::optional<qint64> median;
};

class Median : public testing::TestWithParam<MedianCase> {};

TEST_P(Median, IsTheMiddleTime)
{
    EXPECT_EQ(trainer::medianDuration(GetParam().durations), GetParam().median);
}

INSTANTIATE_TEST_SUITE_P(Durations, Median,
                         testing::Values(MedianCase{{}, std::nullopt}, MedianCase{{700}, 700},
                                         MedianCase{{9000, 1000, 5000}, 5000},
                                         MedianCase{{4000, 1000, 3000, 2000}, 2500}));

// Boards are placed by their verb's name, whatever order the planner ranked the verbs in, and
// carry the card's state and median time.
TEST(SessionBoards, PlacedByNameWithStateAndMedian)
{
    const QList<review::OfferedVerb> ranked{verb("sein", 0), verb("gehen", 1), verb("weg", 2)};
    const QHash<QString, int> recordOf{{"gehen", 0}, {"sein", 1}}; // "weg" has no entry
    const review::CardKey gehen{"gehen", "Indikativ Perfekt"};
    review::CardState state;
    state.reps = 3;
    const review::SessionPlan plan{{{gehen, 1, 3, false},
                                    {{"weg", "Indikativ Präsens"}, 2, 0, true},
                                    {{"sein", "Imperativ"}, 0, 14, true}}};
    const QList<review::ReviewEntry> log{{gehen, Grade::Good, Now, 4000, {}},
                                         {{"sein", "Indikativ Perfekt"}, Grade::Good, Now, 1, {}},
                                         {gehen, Grade::Hard, Now, 2000, {}}};
    const QList<trainer::SessionBoard> boards =
        trainer::sessionBoards(plan, ranked, recordOf, {{gehen, state}}, log);
    ASSERT_EQ(boards.size(), 2);
    const auto place = [](const trainer::SessionBoard &board) {
        return std::tuple(board.card.verb, board.card.tense, board.record, board.tense, board.isNew,
                          board.state.reps, board.medianMs);
    };
    EXPECT_EQ(place(boards[0]), std::tuple(gehen.verb, gehen.tense, 0, 3, false, 3, 3000));
    EXPECT_EQ(place(boards[1]),
              std::tuple(QString("sein"), QString("Imperativ"), 1, 14, true, 0, std::nullopt));
}

// What the learner did on one board, and the grade and log row it earns.
struct WorkCase {
    const char *name;
    QList<bool> tests; // each Test Answers: every box right?
    int letters;
    QList<int> revealed;
    QList<int> wrongAtNext;
    Grade grade;
    QList<int> loggedBoxes;
};

class Work : public testing::TestWithParam<WorkCase> {};

TEST_P(Work, EarnsItsGrade)
{
    const WorkCase &work = GetParam();
    trainer::ReviewSession session({{{"gehen", "Imperativ"}, 0, 14, true, {}, std::nullopt},
                                    {{"sein", "Imperativ"}, 1, 14, true, {}, std::nullopt}});
    for (bool right : work.tests)
        session.noteTest(right);
    for (int i = 0; i < work.letters; ++i)
        session.noteLetterRevealed();
    session.noteBoxesRevealed(work.revealed);
    const trainer::GradedBoard graded = session.gradeBoard(work.wrongAtNext, 5000, Now);
    EXPECT_EQ(graded.entry.grade, work.grade);
    EXPECT_EQ(graded.entry.wrongBoxes, work.loggedBoxes);
    EXPECT_EQ(graded.entry.card.verb, "gehen");
    EXPECT_EQ(graded.after.reps, 1);
    EXPECT_GT(graded.after.due, Now);
    // The next board starts with no work: untouched, it earns Again.
    EXPECT_EQ(session.position(), 1);
    EXPECT_EQ(session.gradeBoard({33}, 100, Now).entry.wrongBoxes, QList<int>{33});
    EXPECT_TRUE(session.finished());
    EXPECT_EQ(session.grades(), (QList<Grade>{work.grade, Grade::Again}));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, Work,
    testing::Values(
        WorkCase{"rightAtFirstTest", {true}, 0, {}, {}, Grade::Good, {}},
        WorkCase{"rightWithoutTest", {}, 0, {}, {}, Grade::Good, {}},
        WorkCase{"secondTest", {false, true}, 0, {}, {}, Grade::Hard, {}},
        WorkCase{"firstTestRightThenWrong", {true, false}, 0, {}, {34}, Grade::Again, {34}},
        WorkCase{"letter", {true}, 1, {}, {}, Grade::Hard, {}},
        WorkCase{"revealedAndWrong", {}, 0, {35, 33}, {34, 33}, Grade::Again, {33, 34, 35}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReviewTexts, SayTheBoardAndTheScore)
{
    const review::CardKey laufen{"laufen", "Indikativ Präteritum"};
    EXPECT_EQ(trainer::reviewStatus(2, 10, laufen, true),
              "Review: board 3 of 10, laufen, Präteritum");
    EXPECT_EQ(trainer::reviewStatus(0, 1, {"sein", "Konjunktiv II Präteritum"}, false),
              "Review, not saved: board 1 of 1, sein, Konjunktiv II Präteritum");
    EXPECT_EQ(trainer::boardAnnouncement(2, 10, laufen), "Board 3 of 10: laufen, Präteritum");
    QList<Grade> grades(7, Grade::Good);
    grades += {Grade::Again, Grade::Hard, Grade::Hard};
    EXPECT_EQ(trainer::sessionSummary(grades), "10 boards: 7 Good, 2 Hard, 1 Again.");
    EXPECT_EQ(trainer::sessionSummary({Grade::Easy}), "1 board: 1 Easy.");
}

// The ranks file reorders the verbs and gives them levels; a missing one changes nothing.
TEST(RankedVerbs, FollowTheRanksFile)
{
    const QList<review::OfferedVerb> verbs{verb("gehen", 0), verb("sein", 1), verb("laufen", 2)};
    const auto ranks = data::VerbRanks::parse("A1\tsein\nB1\tlaufen\n", trainer::verbNames(verbs));
    const QList<review::OfferedVerb> ranked = trainer::rankedVerbs(verbs, ranks);
    ASSERT_EQ(ranked.size(), 3); // in the verb file's order, ranked and given levels
    const auto rankAndLevel = [](const review::OfferedVerb &verb) {
        return std::pair(verb.frequencyRank, verb.level);
    };
    EXPECT_EQ(rankAndLevel(ranked[0]), std::pair(2, review::Level::Unlisted)); // gehen
    EXPECT_EQ(rankAndLevel(ranked[1]), std::pair(0, review::Level::A1));       // sein
    EXPECT_EQ(rankAndLevel(ranked[2]), std::pair(1, review::Level::B1));       // laufen
    const auto missing = data::VerbRanks::read("/nonexistent/Verb12Ranks.txt", {});
    EXPECT_EQ(trainer::rankedVerbs(verbs, missing), verbs);
}

} // namespace
