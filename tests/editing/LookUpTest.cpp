// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The alphabetical look-up over a verb list, in German collation.
#include "editing/LookUp.h"
#include "editing/HelpText.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QStringList Verbs = {QStringLiteral(" fahren"), QStringLiteral(" sich freuen"),
                           QStringLiteral(" geben"),  QStringLiteral(" gehen"),
                           QStringLiteral(" gießen"), QStringLiteral(" haben"),
                           QStringLiteral(" sagen"),  QStringLiteral(" zeigen")};

int lookUp(const QStringList &entries, const QString &typed)
{
    return editing::lookUpEntry(entries, typed,
                                editing::collatedOrder(QLocale(QLocale::German, QLocale::Germany)));
}

struct LookUpCase {
    const char *typed;
    const char *selected;
};

class LookUpExamples : public testing::TestWithParam<LookUpCase> {};

} // namespace

TEST_P(LookUpExamples, SelectsTheEntry)
{
    const int index = lookUp(Verbs, QString::fromUtf8(GetParam().typed));
    ASSERT_GE(index, 0);
    EXPECT_EQ(Verbs.at(index), QString::fromUtf8(GetParam().selected));
}

INSTANTIATE_TEST_SUITE_P(
    GermanList, LookUpExamples,
    testing::Values(LookUpCase{"ge", " geben"}, LookUpCase{"geh", " gehen"},
                    LookUpCase{"gei", " gehen"}, // gießen noted, does not contain it: one back
                    LookUpCase{"freu", " sich freuen"},   // the reflexive marker is skipped
                    LookUpCase{"sich", " sagen"},         // zeigen noted, one back
                    LookUpCase{"geben ", " sich freuen"}, // the blank fails the containment test
                    LookUpCase{"Geben", " gießen"},       // case counts: haben noted last, one back
                    LookUpCase{"fahren", " fahren"},
                    LookUpCase{"", " fahren"}, // stepping back from the first keeps it
                    LookUpCase{"   ", " fahren"}, LookUpCase{"a", " fahren"},
                    LookUpCase{"zz", " zeigen"},      // after every entry: the last
                    LookUpCase{"zeigenx", " zeigen"}, // likewise, though "zeigen" was noted
                    LookUpCase{"x", " sagen"},        // stands before zeigen: one back
                    LookUpCase{"zeigen", " zeigen"}));

struct CollationCase {
    const char *name;
    QLocale learners;
    QLocale used;
};

void PrintTo(const CollationCase &row, std::ostream *out)
{
    *out << row.name;
}

class LookUpCollation : public testing::TestWithParam<CollationCase> {};

TEST_P(LookUpCollation, LearnersOwnUnlessItHasNone)
{
    EXPECT_EQ(editing::lookUpCollationLocale(GetParam().learners).name(), GetParam().used.name());
}

const QLocale German(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    Locales, LookUpCollation,
    testing::Values(CollationCase{"C", QLocale::c(), German},
                    CollationCase{"POSIX", QLocale(QStringLiteral("POSIX")), German},
                    CollationCase{"CUtf8", QLocale(QStringLiteral("C.UTF-8")), German},
                    CollationCase{"German", German, German},
                    CollationCase{"English", QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedStates)},
                    // Swedish sorts ä after z: the learner's choice, kept.
                    CollationCase{"Swedish", QLocale(QLocale::Swedish, QLocale::Sweden),
                                  QLocale(QLocale::Swedish, QLocale::Sweden)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LookUp, EmptyListSelectsNothing)
{
    EXPECT_EQ(lookUp({}, QStringLiteral("geh")), -1);
}

TEST(LookUp, TextAfterEveryEntrySelectsTheLast)
{
    EXPECT_EQ(
        lookUp({QStringLiteral(" fahren"), QStringLiteral(" gehen")}, QStringLiteral("zeigen")), 1);
}

TEST(LookUp, OnlyTheFirstTenCharactersTakePartInTheScan)
{
    const QStringList entries = {QStringLiteral(" aaa"), QStringLiteral(" abcdefghijXX"),
                                 QStringLiteral(" abcdefghijYY")};
    // The scan cannot tell the last two apart; the containment test can.
    EXPECT_EQ(lookUp(entries, QStringLiteral("abcdefghijXX")), 1);
    EXPECT_EQ(lookUp(entries, QStringLiteral("abcdefghijYY")), 0);
}

TEST(LookUp, TrimsControlCharacters)
{
    EXPECT_EQ(editing::trimmedOfControls(QStringLiteral("\t gehen \r\n")), QStringLiteral("gehen"));
    EXPECT_EQ(editing::trimmedOfControls(QStringLiteral(" \t ")), QString());
    EXPECT_EQ(editing::trimmedOfControls(QStringLiteral("a b")), QStringLiteral("a b"));
}

TEST(HelpText, ParagraphsKeepEverySentenceWhole)
{
    const QString text = editing::helpParagraphs().join(u'\n');
    EXPECT_TRUE(text.startsWith(QStringLiteral("German Verb Zandrel Version 1.2\n\n")));
    // Where the lines used to break, mid-sentence, the sentence now goes on.
    for (const char *joined :
         {"copying. However, when pasting", "you may want to take", "pressed.  Make changes",
          "before trying to write", "until the entire form", "only the user edit boxes.",
          "cursor is in the list, the mouse", "or keyboard 'Return', initiates",
          "display the verb types", "mouse wheel or arrow keys", "Unchecking the box releases",
          "Zandrel shows a single variant",
          "\n\tä = F5\n\tö = F6\n\tü = F7\n                ß = F8\n", "If  an edit box",
          "12. On the right"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(joined))) << joined;
}
