// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which boards a session shows, and the learner's choice kept as text.
#include "review/SessionPlan.h"
#include "board/Board.h"
#include "support/VerbFileBuilder.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace review;

namespace {

const QDateTime Now(QDate(2024, 5, 10), QTime(12, 0), Qt::UTC);

// The defaults, with the fields `overrides` names ("tenses=14;length=3").
ReviewChoice choiceWith(const QString &overrides)
{
    QString text = ReviewChoice::defaults().toText();
    for (const QString &field : overrides.split(';', Qt::SkipEmptyParts))
        text.replace(QRegularExpression(field.section('=', 0, 0) + "=[^;]*"), field);
    return ReviewChoice::fromText(text);
}

CardKey card(const QString &verb, int tense)
{
    return {verb, board::tenseCaptions()[tense]};
}

// A reviewed card due `dueDays` from now, last reviewed `elapsedDays` ago.
CardState reviewed(double dueDays, double elapsedDays, double stability)
{
    return {CardPhase::Review,
            stability,
            5,
            Now.addSecs(qint64(dueDays * 86400)),
            Now.addSecs(qint64(-elapsedDays * 86400)),
            3,
            0};
}

ReviewEntry graded(const CardKey &key, Grade grade, int daysAgo)
{
    return {key, grade, Now.addDays(-daysAgo), 1000, {}};
}

} // namespace

TEST(PlanSession, DueFirstThenNewWithinTheChoice)
{
    using T = VerbType;
    using K = VerbKind;
    const QList<OfferedVerb> verbs = {
        {"sein", T::Irregular, K::Plain, Level::A1, 0},
        {"haben", T::Irregular, K::Plain, Level::A1, 1},
        {"aufstehen", T::Strong, K::Separable, Level::A1, 3},
        {"sich freuen", T::Weak, K::Reflexive, Level::A2, 2},
        {"können", T::Modal, K::Plain, Level::A1, 4},
        {"Rad fahren", T::Strong, K::TwoWord, Level::Unlisted, 5},
        {"sein", T::Irregular, K::Plain, Level::A1, 6}, // named twice
        {"tun", std::nullopt, K::Plain, Level::Unlisted, 7},
        {"xyz", T::Weak, std::nullopt, Level::Unlisted, 8}, // no board to show
    };
    const QHash<CardKey, CardState> states = {
        {card("haben", 0), reviewed(-1, 3, 2)},
        {card("sein", 1), reviewed(-10, 110, 100)},         // more overdue, yet more retrievable
        {card("sich freuen", 0), reviewed(8.0 / 24, 3, 3)}, // due tonight
        {card("können", 0), reviewed(1, 4, 5)},
        {card("können", 3), reviewed(20, 10, 30)},
        {card("gehen", 0), reviewed(-5, 30, 1)}, // its verb has left the verb file
    };
    const QList<ReviewEntry> mistakes = {
        graded(card("haben", 0), Grade::Again, 3), graded(card("sein", 1), Grade::Again, 40),
        graded(card("aufstehen", 0), Grade::Good, 1), graded(card("können", 3), Grade::Again, 10),
        graded(card("gehen", 0), Grade::Again, 2)};
    const struct {
        const char *choice;
        int newToday;
        const char *boards; // "+" marks a new card
        EmptyPlanReason reason;
    } cases[] = {
        {"", 0,
         "haben:0 sein:1 sich freuen:0 +sein:0 +sein:3 +haben:1 +haben:3 +sich freuen:1 "
         "+sich freuen:3 +aufstehen:0",
         EmptyPlanReason::None},
        {"", 8, "haben:0 sein:1 sich freuen:0 +sein:0 +sein:3", EmptyPlanReason::None},
        {"length=1", 0, "haben:0", EmptyPlanReason::None},
        {"tenses=2", 10, "", EmptyPlanReason::NothingDueNewLimitReached},
        {"tenses=14;length=3", 0, "+sein:14 +haben:14 +sich freuen:14", EmptyPlanReason::None},
        {"tenses=0;levels=A1", 0, "haben:0 +sein:0 +aufstehen:0", EmptyPlanReason::None},
        {"types=strong;kinds=separable", 0, "+aufstehen:0 +aufstehen:1 +aufstehen:3",
         EmptyPlanReason::None},
        {"tenses=0;levels=unlisted", 0, "+Rad fahren:0 +tun:0", EmptyPlanReason::None},
        {"tenses=0;levels=unlisted;types=strong", 0, "+Rad fahren:0", EmptyPlanReason::None},
        {"mistakes=yes", 0, "haben:0 können:3", EmptyPlanReason::None},
        {"mistakes=yes;tenses=1", 0, "", EmptyPlanReason::NoRecentMistake},
        {"tenses=", 0, "", EmptyPlanReason::NoTense},
        {"kinds=", 0, "", EmptyPlanReason::NoGroup},
        {"types=modal;kinds=separable", 0, "", EmptyPlanReason::NoMatchingVerb},
        {"types=modal;tenses=0", 0, "", EmptyPlanReason::NothingDueAllIntroduced},
    };
    for (const auto &c : cases) {
        const ReviewChoice choice = choiceWith(c.choice);
        const SessionPlan plan =
            planSession({verbs, choice, states, mistakes, c.newToday, 10, Now});
        QStringList boards;
        for (const PlannedBoard &b : plan.boards) {
            EXPECT_EQ(b.card, card(verbs[b.verb].name, b.tense)) << c.choice;
            boards << (b.isNew ? "+" : "") + verbs[b.verb].name + ':' + QString::number(b.tense);
        }
        EXPECT_EQ(boards.join(' ').toStdString(), c.boards) << c.choice;
        EXPECT_EQ(plan.emptyReason, c.reason) << c.choice;
        EXPECT_EQ(emptyPlanText(plan.emptyReason).isEmpty(), !plan.boards.isEmpty());
    }
}

TEST(ReviewChoiceText, RoundTripAndDamage)
{
    const ReviewChoice chosen =
        choiceWith("tenses=2,14;types=modal;kinds=;levels=A1,unlisted;mistakes=yes;length=25");
    ASSERT_NE(chosen, ReviewChoice::defaults());
    EXPECT_EQ(ReviewChoice::fromText(chosen.toText()), chosen);
    const QString text = chosen.toText();
    EXPECT_EQ(ReviewChoice::fromText(text + ";colour=blue"), chosen); // a later version's key
    for (const QString &damaged :
         {QString(), QString("garbage"), QString(text).replace("version=1", "version=2"),
          text + ";length=25", QString(text).remove(";length=25"),
          QString(text).replace("modal", "modal,tall"), QString(text).replace("2,14", "2,15"),
          QString(text).replace("=25", "=0"), QString(text).replace("=25", "=101"),
          QString(text).replace("=25", "=ten"), QString(text).replace("yes", "maybe")})
        EXPECT_EQ(ReviewChoice::fromText(damaged), ReviewChoice::defaults())
            << damaged.toStdString();
}

TEST(OfferedVerbs, FromTheVerbFileAndTheFrequencyList)
{
    using testdata::VerbRecordBuilder;
    const data::VerbFile file(
        testdata::verbFileBytes({VerbRecordBuilder('n', 'w').verb(" machen "),
                                 VerbRecordBuilder('s', 's').verb("aufstehen"),
                                 VerbRecordBuilder('r', 'x').verb("sich freuen"),
                                 VerbRecordBuilder('X', 'd').verb("kaputt"),
                                 VerbRecordBuilder('d', 'i').verb("Rad fahren")}));
    QList<OfferedVerb> verbs = offeredVerbs(file);
    applyFrequencyList(verbs, {{"Rad fahren", Level::A1},
                               {"nicht da", Level::A2},
                               {"machen", Level::B1},
                               {"Rad fahren", Level::A2}});
    const QList<OfferedVerb> expected = {
        {"machen", VerbType::Weak, VerbKind::Plain, Level::B1, 1},
        {"aufstehen", VerbType::Strong, VerbKind::Separable, Level::Unlisted, 2},
        {"sich freuen", std::nullopt, VerbKind::Reflexive, Level::Unlisted, 3},
        {"kaputt", VerbType::Modal, std::nullopt, Level::Unlisted, 4},
        {"Rad fahren", VerbType::Irregular, VerbKind::TwoWord, Level::A1, 0}};
    EXPECT_EQ(verbs, expected);
}
