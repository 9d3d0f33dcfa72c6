// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/Board.h"
#include "data/VerbFile.h"

#include <gtest/gtest.h>

namespace {

TEST(TenseList, ItemsInOrderWithTheirBlanks)
{
    const auto &items = board::tenseListItems();
    EXPECT_EQ(items[0], u" present");
    EXPECT_EQ(items[1], u" past");
    EXPECT_EQ(items[5], u" future perfect");
    EXPECT_EQ(items[7], u" present subjunctive II");
    EXPECT_EQ(items[8], u" past subjunctive I "); // the one item with a trailing blank
    EXPECT_EQ(items[13], u" future perfect subjunctive II");
    EXPECT_EQ(items[14], u" (imperative mood)");
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        EXPECT_TRUE(items[tense].startsWith(u' ')) << tense;
        EXPECT_FALSE(items[tense].startsWith(u"  ")) << tense;
        EXPECT_EQ(items[tense].endsWith(u' '), tense == 8) << tense;
    }
}

TEST(TenseCaptions, GermanNamesInWindows1252)
{
    const auto &captions = board::tenseCaptions();
    EXPECT_EQ(captions[0], QStringLiteral(u"Indikativ Präsens"));
    EXPECT_EQ(captions[1], QStringLiteral(u"Indikativ Präteritum"));
    EXPECT_EQ(captions[4], u"Indikativ Plusquamperfekt");
    EXPECT_EQ(captions[6], QStringLiteral(u"Konjunktiv I Präsens"));
    EXPECT_EQ(captions[9], u"Konjunktiv II Plusquamperfekt");
    EXPECT_EQ(captions[13], u"Konjunktiv II Futur II");
    EXPECT_EQ(captions[14], u"Imperativ");
    for (const QString &caption : captions) {
        bool ok = false;
        data::encodeWindows1252(caption, &ok);
        EXPECT_TRUE(ok) << caption.toStdString();
        EXPECT_EQ(caption, caption.trimmed());
    }
    EXPECT_EQ(data::encodeWindows1252(captions[0]), "Indikativ Pr\xe4sens");
}

} // namespace
