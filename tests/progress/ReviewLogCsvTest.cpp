// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/ReviewLogCsv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char *text;
    const char *field;
};

class CsvField : public testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, QuotedOnlyWhereNeededAndNeverAFormula)
{
    EXPECT_EQ(progress::csvField(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvField,
    testing::Values(FieldCase{"sich ärgern", "sich ärgern"}, FieldCase{"", ""},
                    FieldCase{"a,b", "\"a,b\""}, FieldCase{"say \"hi\"", "\"say \"\"hi\"\"\""},
                    FieldCase{"two\nlines", "\"two\nlines\""}, FieldCase{"cr\r", "\"cr\r\""},
                    FieldCase{"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
                    FieldCase{"+1", "'+1"}, FieldCase{"-1", "'-1"}, FieldCase{"@sum", "'@sum"},
                    FieldCase{"a=b", "a=b"}));

TEST(CsvFile, LocalTimesGradeWordsAndAByteOrderMark)
{
    const QDateTime utc(QDate(2026, 3, 1), QTime(23, 30, 5), Qt::UTC);
    const QList<review::ReviewEntry> entries = {
        {{QStringLiteral("abbauen"), QStringLiteral("Indikativ Präsens")},
         review::Grade::Again,
         utc,
         12499,
         {4, 9}},
        {{QStringLiteral("Rad fahren"), QStringLiteral("Konjunktiv II Perfekt")},
         review::Grade::Easy,
         utc.addDays(1),
         12500,
         {}}};
    const QByteArray csv = progress::reviewLogCsv(entries, QTimeZone(3600));
    EXPECT_EQ(csv,
              QByteArray("\xEF\xBB\xBF"
                         "Date and time,Verb,Tense,Grade,Seconds,Boxes wrong\r\n"
                         "2026-03-02 00:30:05,abbauen,Indikativ Präsens,Again,12,2\r\n"
                         "2026-03-03 00:30:05,Rad fahren,Konjunktiv II Perfekt,Easy,13,0\r\n"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.csv"));
    QString error;
    ASSERT_TRUE(progress::writeReviewLogCsv(path, csv, &error)) << qPrintable(error);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), csv);
    EXPECT_FALSE(progress::writeReviewLogCsv(folder.filePath(QStringLiteral("no/such/folder.csv")),
                                             csv, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
