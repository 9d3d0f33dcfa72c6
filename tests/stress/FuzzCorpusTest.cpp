// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every file of the fuzz target's corpus through the fuzz target's checks: the
// seeds, and the inputs that once broke the reader.
#include "VerbFileChecks.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList corpusFiles()
{
    const QDir corpus(QStringLiteral(ZANDREL_FUZZ_CORPUS));
    return corpus.entryList(QDir::Files, QDir::Name);
}

class FuzzCorpus : public testing::TestWithParam<QString> {};

TEST_P(FuzzCorpus, ReadsAsTheReferenceReadingDoes)
{
    QFile file(QDir(QStringLiteral(ZANDREL_FUZZ_CORPUS)).filePath(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().toStdString();
    const QString findings = fuzzcheck::checkVerbFileBytes(file.readAll());
    EXPECT_TRUE(findings.isEmpty()) << findings.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzCorpus, testing::ValuesIn(corpusFiles()),
                         [](const testing::TestParamInfo<QString> &info) {
                             QString name = info.param;
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")),
                                          QStringLiteral("_"));
                             return name.toStdString();
                         });

TEST(FuzzCorpusFiles, AreThere)
{
    EXPECT_GE(corpusFiles().size(), 10);
}

} // namespace
