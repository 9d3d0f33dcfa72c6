// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/Board.h"
#include "data/Alternatives.h"
#include "data/VerbFile.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class ShippedFile : public testing::Test {
protected:
    static void SetUpTestSuite() { s_file = data::VerbFile::read(ZANDREL_SHIPPED_VERB_FILE); }

    static QString verbName(qsizetype record)
    {
        return data::decodeWindows1252(s_file.header(record).name);
    }

    static std::optional<qsizetype> findVerb(const QString &name)
    {
        for (qsizetype record = 0; record < s_file.recordCount(); ++record) {
            if (verbName(record) == name)
                return record;
        }
        return std::nullopt;
    }

    static data::VerbFile s_file;
};

data::VerbFile ShippedFile::s_file;

TEST_F(ShippedFile, HoldsWholeRecordsWithKnownCodes)
{
    ASSERT_GT(s_file.recordCount(), 0);
    EXPECT_TRUE(s_file.lineCountIsWholeRecords());
    for (qsizetype record = 0; record < s_file.recordCount(); ++record) {
        SCOPED_TRACE(verbName(record).toStdString());
        const board::BoardContent header = board::readBoard(s_file, record, -1);
        EXPECT_TRUE(header.categoryKnown());
        EXPECT_TRUE(header.typeName.has_value());
        EXPECT_FALSE(verbName(record).trimmed().isEmpty());
    }
}

// Every tense shows its captions and, for every person, the finite verb
// (column 2 in simple tenses, the auxiliary in column 1 otherwise); a verb
// said only of things and events (its label says "impersonal") for the
// er/sie/es and sie rows alone, one said only with es ("es only") for the
// er/sie/es row alone, the others hidden.
TEST_F(ShippedFile, EveryTenseHasCaptionsAndEveryPerson)
{
    const int simpleFinite[] = {5, 6, 7, 8, 21, 22, 23, 24};
    const int auxiliary[] = {1, 2, 3, 4, 17, 18, 19, 20};
    for (qsizetype record = 0; record < s_file.recordCount(); ++record) {
        const bool impersonal = s_file.header(record).impersonal;
        const bool esOnly = s_file.header(record).esOnly;
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            SCOPED_TRACE(verbName(record).toStdString() + ", tense " + std::to_string(tense));
            const board::BoardContent content = board::readBoard(s_file, record, tense);
            EXPECT_FALSE(content.caption1.trimmed().isEmpty());
            EXPECT_FALSE(content.caption2.trimmed().isEmpty());
            const data::TenseGroup group = data::tenseGroup(tense);
            if (group == data::TenseGroup::Imperative)
                continue; // modal verbs have none
            for (int box : group == data::TenseGroup::Simple ? simpleFinite : auxiliary) {
                const bool thirdPerson = box % 4 == 0 && (!esOnly || box <= 16);
                EXPECT_EQ(content.answers[box - 1].isEmpty(), impersonal && !thirdPerson)
                    << "E" << box;
            }
        }
    }
}

// A file saved as UTF-8 by mistake shows "Ã¤" where "ä" belongs.
TEST_F(ShippedFile, IsWindows1252NotUtf8)
{
    for (qsizetype record = 0; record < s_file.recordCount(); ++record) {
        const auto lines = s_file.recordLines(record, 0, data::VerbFile::LinesPerRecord);
        for (int i = 0; i < data::VerbFile::LinesPerRecord; ++i) {
            const QString text = data::decodeWindows1252(lines[i]);
            ASSERT_FALSE(text.contains(QChar(0xC3))) << "record " << record << ", line " << i;
        }
    }
}

TEST_F(ShippedFile, VerbListIsAlphabeticalIgnoringSich)
{
    const auto sortKey = [](QString name) {
        if (name.startsWith(u"sich "))
            name.remove(0, 5);
        name = name.toLower();
        name.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u');
        return name.replace(QStringLiteral(u"ß"), QStringLiteral("ss"));
    };
    for (qsizetype record = 1; record < s_file.recordCount(); ++record) {
        EXPECT_LE(sortKey(verbName(record - 1)), sortKey(verbName(record)))
            << verbName(record - 1).toStdString() << " before " << verbName(record).toStdString();
    }
}

TEST_F(ShippedFile, GehenIsConjugated)
{
    const std::optional<qsizetype> gehen = findVerb(QStringLiteral("gehen"));
    ASSERT_TRUE(gehen.has_value());
    const auto answersOf = [&](int tense) {
        return board::readBoard(s_file, *gehen, tense).answers;
    };
    EXPECT_EQ(answersOf(0)[4], u"gehe");
    EXPECT_EQ(answersOf(1)[7], u"ging");
    EXPECT_EQ(answersOf(3)[0], u"bin");
    EXPECT_EQ(answersOf(3)[8], u"gegangen");
    EXPECT_EQ(answersOf(7)[4], u"ginge");
    EXPECT_EQ(answersOf(9)[0], QStringLiteral(u"wäre"));
    EXPECT_EQ(answersOf(13)[12], u"sein");
    const auto imperative = answersOf(14);
    EXPECT_EQ(imperative[32], u"geh");
    EXPECT_EQ(imperative[33], u"geht");
    EXPECT_EQ(imperative[34], u"gehen");
    EXPECT_TRUE(imperative[35].isEmpty());
}

// The alternatives beside it read without fault and hold each kind, where the
// learner types it: gesandt in every participle box, stände in both Sie rows.
struct ShippedAlternative {
    const char *verb;
    int tense, box;
    const char *form;
};

class ShippedAlternatives : public testing::TestWithParam<ShippedAlternative> {};

TEST_P(ShippedAlternatives, AcceptTheOtherStandardForms)
{
    static const auto reading = data::Alternatives::read(ZANDREL_SHIPPED_ALTERNATIVES);
    ASSERT_FALSE(reading.fault) << reading.fault->text().toStdString();
    const ShippedAlternative &c = GetParam();
    EXPECT_TRUE(reading.alternatives.of(QString::fromUtf8(c.verb), c.tense, c.box)
                    .contains(QString::fromUtf8(c.form)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShippedAlternatives,
                         testing::Values(ShippedAlternative{"senden", 3, 9, "gesandt"},
                                         ShippedAlternative{"anwenden", 13, 28, "angewandt"},
                                         ShippedAlternative{"senden", 1, 5, "sandte"},
                                         ShippedAlternative{"backen", 1, 8, "buk"},
                                         ShippedAlternative{"stehen", 7, 23, "ständen"},
                                         ShippedAlternative{"helfen", 7, 5, "hälfe"},
                                         ShippedAlternative{"beginnen", 7, 6, "begönnest"},
                                         ShippedAlternative{"salzen", 4, 9, "gesalzt"},
                                         ShippedAlternative{"gehen", 14, 33, "gehe"},
                                         ShippedAlternative{"aufstehen", 14, 33, "stehe auf"},
                                         ShippedAlternative{"sich trauen", 0, 9, "mir"}));

} // namespace
