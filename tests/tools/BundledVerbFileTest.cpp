// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The verb file the trainer ships: sound by the checker (captions whole, and
// none too wide to show even drawn smaller), large enough, exactly what the
// generator makes from the table and the dictionary (and so is the
// alternatives file beside it, which the checker holds to the forms they
// give), spelled right by the German hunspell dictionary or a reviewed
// exception, its meanings matching Ding's translations, its separability and
// auxiliaries the references', its imperatives, persons and auxiliaries what
// its meanings say, or a reviewed exception, and holding the A1 to B1 word
// lists' verbs.
#include "AlternativesCheck.h"
#include "CaptionWidth.h"
#include "FormCorrections.h"
#include "FormDictionary.h"
#include "KnownForms.h"
#include "MeaningsReport.h"
#include "ReferenceComparison.h"
#include "UsageRules.h"
#include "VerbFileChecker.h"

#include "data/VerbFile.h"
#include "data/VerbRanks.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace {

const QString SourceDir = QStringLiteral(ZANDREL_SOURCE_DIR);
const QString BundledFile = SourceDir + "/data/Verb12Data.txt";
const QString BundledAlternatives = SourceDir + "/data/Verb12Alternatives.txt";
const QString ReviewedAlternatives = SourceDir + "/tools/verbs/alternatives.tsv";
const QString Table = SourceDir + "/tools/verbs/verbs.tsv";
const QString Spelling = SourceDir + "/tools/verbs/reformed-spelling.tsv";
const QString Exceptions = SourceDir + "/tools/verbs/spelling-exceptions.txt";
const QString MeaningExceptions = SourceDir + "/tools/verbs/meaning-exceptions.txt";
const QString Ding = QStringLiteral("/usr/share/trans/de-en"); // Debian's trans-de-en
const QString Dictionary = QStringLiteral(ZANDREL_VERB_DICTIONARY);
const char *const FetchHint = "the verb dictionary is missing; run scripts/fetch-npm-deps";

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BundledVerbFile : public testing::Test {
protected:
    void SetUp() override
    {
        bytes = readBytes(BundledFile);
        ASSERT_FALSE(bytes.isEmpty()) << "cannot read " << BundledFile.toStdString();
    }
    QByteArray bytes;
};

TEST_F(BundledVerbFile, PassesTheChecker)
{
    const data::VerbFile file(bytes);
    for (const auto &fault : verbcheck::checkVerbFile(bytes))
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
    // The window's caption lettering (the test runs offscreen).
    int argc = 1;
    char name[] = "bundled_verb_file_test";
    char *argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const QFontMetrics metrics(verbcheck::captionFont(verbcheck::SmallestCaptionPixels));
    const auto width = [&](const QString &text) { return metrics.horizontalAdvance(text); };
    for (const auto &fault : verbcheck::checkCaptionWidths(file, width))
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
}

TEST_F(BundledVerbFile, HoldsTheSecondEditionsVerbsOfEveryCategory)
{
    const data::VerbFile file(bytes);
    const verbcheck::Tally tally = verbcheck::tally(file);
    EXPECT_GE(file.recordCount(), 2000);
    EXPECT_GE(tally.categories.value("n"), 1200);
    EXPECT_GE(tally.categories.value("s"), 450);
    EXPECT_GE(tally.categories.value("r"), 120);
    EXPECT_GE(tally.categories.value("d"), 40);
    EXPECT_EQ(tally.types.value("d"), 6); // the six modal verbs
    for (const char *type : {"w", "s", "m", "i"})
        EXPECT_GE(tally.types.value(type), 1) << type;
}

TEST_F(BundledVerbFile, IsWhatTheGeneratorMakes)
{
    ASSERT_TRUE(QFile::exists(Dictionary)) << FetchHint << " (" << Dictionary.toStdString() << ")";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath("Verb12Data.txt");
    const QString freshAlternatives = dir.filePath("Verb12Alternatives.txt");
    QProcess generator;
    generator.start(ZANDREL_VERBGEN,
                    {"--table", Table, "--spelling", Spelling, "--dictionary", Dictionary,
                     "--output", fresh, "--reviewed-alternatives", ReviewedAlternatives,
                     "--alternatives-output", freshAlternatives});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const auto &[regenerated, committed] :
         {std::pair(fresh, BundledFile), std::pair(freshAlternatives, BundledAlternatives)}) {
        EXPECT_TRUE(readBytes(regenerated) == readBytes(committed))
            << committed.toStdString()
            << " is out of date: cmake --build <dir> --target regenerate-verb-file";
    }
}

// The alternatives beside it: each a form of its box that the dictionary or the
// reviewed list gives, and the variants digits counting the participle's.
TEST_F(BundledVerbFile, AlternativesPassTheChecker)
{
    ASSERT_TRUE(QFile::exists(Dictionary)) << FetchHint;
    const auto dictionary = verbgen::FormDictionary::load(Dictionary);
    const auto spelling =
        verbgen::SpellingReplacements::parse(QString::fromUtf8(readBytes(Spelling)), Spelling);
    const auto reviewed = verbgen::ReviewedAlternatives::parse(
        QString::fromUtf8(readBytes(ReviewedAlternatives)), ReviewedAlternatives);
    const data::VerbFile file(bytes);
    const auto report =
        verbcheck::checkAlternatives(file, readBytes(BundledAlternatives),
                                     verbcheck::knownForms(dictionary, spelling, reviewed));
    for (const auto &fault : report.lines)
        ADD_FAILURE() << "Verb12Alternatives.txt " << fault.text().toStdString();
    for (const auto &fault : report.verbFile)
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
}

// Ding, read once for the tests that compare with it; empty when it is missing.
const verbcheck::DingDictionary &dingDictionary()
{
    static const verbcheck::DingDictionary ding =
        verbcheck::DingDictionary::parse(QString::fromUtf8(readBytes(Ding)));
    return ding;
}
const char *const DingHint = "install trans-de-en (scripts/debian-packages.txt)";

// Every meaning matches one of Ding's translations of the verb or is a
// reviewed exception, and no exception outlives its need.
TEST_F(BundledVerbFile, MeaningsMatchDingOrAreReviewed)
{
    ASSERT_TRUE(QFile::exists(Ding)) << DingHint;
    const verbcheck::DingDictionary &ding = dingDictionary();
    const QSet<QString> exceptions =
        verbcheck::parseReviewedList(QString::fromUtf8(readBytes(MeaningExceptions)));
    QStringList unreviewed;
    QSet<QString> needed;
    int matched = 0;
    for (const auto &row : verbcheck::meaningsReport(data::VerbFile(bytes), ding)) {
        if (row.outcome == verbcheck::MeaningRow::Matched)
            ++matched;
        else if (exceptions.contains(row.verb))
            needed.insert(row.verb);
        else
            unreviewed << row.verb + ": " + row.english;
    }
    EXPECT_TRUE(unreviewed.isEmpty())
        << "meanings no Ding translation matches; review them (zandrel-verbcheck --meanings) "
           "and fix the table or add them to tools/verbs/meaning-exceptions.txt:\n"
        << unreviewed.join('\n').toStdString();
    QStringList stale = (exceptions - needed).values();
    stale.sort();
    EXPECT_TRUE(stale.isEmpty()) << "meaning exceptions no longer needed (remove them):\n"
                                 << stale.join(' ').toStdString();
    EXPECT_GT(matched, 4 * needed.size()) << "Ding seems unreadable: too few matches";
}

// Every finding of a report is in its reviewed list (tools/verbs/`listName`), and
// every entry there is still needed.
void expectReviewed(const QList<verbcheck::Disagreement> &findings, const QString &listName,
                    const char *option)
{
    const QSet<QString> reviewed = verbcheck::parseReviewedList(
        QString::fromUtf8(readBytes(SourceDir + "/tools/verbs/" + listName)));
    QStringList unreviewed;
    QSet<QString> needed;
    for (const auto &found : findings) {
        if (reviewed.contains(verbcheck::reviewKey(found)))
            needed.insert(verbcheck::reviewKey(found));
        else
            unreviewed << found.kind + " " + found.verb + ": " + found.detail;
    }
    EXPECT_TRUE(unreviewed.isEmpty())
        << "findings of zandrel-verbcheck " << option << ": mend the table or add them to "
        << "tools/verbs/" << listName.toStdString() << " with a reason:\n"
        << unreviewed.join('\n').toStdString();
    EXPECT_EQ(reviewed - needed, QSet<QString>()) << listName.toStdString() << ": no longer needed";
}

// Separability as the verb-form dictionary has it and auxiliaries as Ding
// spells them out and the base verbs take them, or a reviewed disagreement.
TEST_F(BundledVerbFile, AgreesWithTheReferencesOrIsReviewed)
{
    ASSERT_TRUE(QFile::exists(Dictionary)) << FetchHint;
    ASSERT_TRUE(QFile::exists(Ding)) << DingHint;
    const auto dictionary = verbgen::FormDictionary::load(Dictionary);
    verbcheck::References references;
    references.splitsOffPrefix = [&](const QString &verb) {
        return dictionary.splitsOffPrefix(verb);
    };
    references.ding = &dingDictionary();
    expectReviewed(verbcheck::compareWithReferences(data::VerbFile(bytes), references),
                   "reference-exceptions.txt", "--reference");
}

// Imperatives, persons and auxiliaries as the meanings say, or a reviewed finding.
TEST_F(BundledVerbFile, UsageFitsTheMeaningsOrIsReviewed)
{
    const auto bothAuxiliaries = verbcheck::parseListedVerbs(
        QString::fromUtf8(readBytes(SourceDir + "/tools/verbs/both-auxiliaries.txt")));
    EXPECT_GT(bothAuxiliaries.size(), 20);
    expectReviewed(verbcheck::usageFindings(data::VerbFile(bytes), bothAuxiliaries),
                   "usage-exceptions.txt", "--usage");
}

// The ranks beside the verb file: every verb once, at the level the word lists give it.
TEST_F(BundledVerbFile, HasRanksOfEveryVerbAtItsLevel)
{
    const data::VerbFile file(bytes);
    QStringList names;
    for (qsizetype record = 0; record < file.recordCount(); ++record)
        names << data::answerText(file.recordLine(record, 0));
    const QByteArray text = readBytes(SourceDir + "/data/Verb12Ranks.txt");
    const data::VerbRanks ranks = data::VerbRanks::parse(text, names);
    const char *const Stale = "data/Verb12Ranks.txt is out of date: cmake --build <dir> --target "
                              "regenerate-ranks-file (tools/README.md)";
    ASSERT_EQ(ranks.status(), data::VerbRanks::Status::Read) << ranks.damage().toStdString();
    EXPECT_EQ(ranks.skipped(), QStringList()) << Stale;
    qsizetype ranked = 0;
    for (const QByteArray &line : text.split('\n'))
        ranked += line.isEmpty() || line.startsWith('#') ? 0 : 1;
    EXPECT_EQ(ranked, names.size()) << Stale;
    const auto levels =
        verbcheck::parseWantedVerbs(
            QString::fromUtf8(readBytes(SourceDir + "/tools/verbs/a1-b1-verbs.txt")))
            .levels;
    const QStringList levelNames = {"-", "A1", "A2", "B1"};
    for (qsizetype verb = 0; verb < names.size(); ++verb)
        EXPECT_EQ(levelNames[int(ranks.level(verb))], levels.value(names[verb], "-"))
            << names[verb].toStdString() << ": " << Stale;
}

// The spelling gate. A word passes when hunspell knows it, when the verb
// dictionary gives it (hunspell lacks many rare but correct forms: Konjunktiv
// I and II, some participles), or when it is the du imperative without -e
// of a dictionary imperative. Every other word must stand in the reviewed
// exception list; a word in that list that no longer needs it is a fault too.
class SpellingGate : public BundledVerbFile {
protected:
    static QStringList rejectedByHunspell(const QStringList &words)
    {
        QProcess hunspell;
        hunspell.start("hunspell", {"-d", "de_DE", "-i", "utf-8", "-l"});
        if (!hunspell.waitForStarted(10000))
            return {"<hunspell is not installed>"};
        hunspell.write(words.join('\n').toUtf8() + '\n');
        hunspell.closeWriteChannel();
        hunspell.waitForFinished(120000);
        return QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    // Every word of the dictionary's forms, in today's spelling, and its du imperatives.
    static void dictionaryWords(QSet<QString> &words, QSet<QString> &imperatives)
    {
        QFile spellingFile(Spelling);
        EXPECT_TRUE(spellingFile.open(QIODevice::ReadOnly));
        const auto spelling = verbgen::SpellingReplacements::parse(
            QString::fromUtf8(spellingFile.readAll()), Spelling);
        const auto dictionary = verbgen::FormDictionary::load(Dictionary);
        for (const QString &infinitive : dictionary.infinitives()) {
            verbgen::SimpleForms forms = *dictionary.forms(infinitive);
            verbgen::applySpelling(forms, spelling);
            QStringList all = forms.participles;
            for (const auto *tense :
                 {&forms.present, &forms.past, &forms.subjunctive1, &forms.subjunctive2})
                all << QStringList(tense->begin(), tense->end());
            all << forms.imperativeSingular << forms.imperativePlural;
            for (const QString &form : all)
                for (const QString &word : form.split(' ', Qt::SkipEmptyParts))
                    words.insert(word);
            imperatives.insert(forms.imperativeSingular);
        }
    }
};

TEST_F(SpellingGate, AcceptsEveryWordOfEveryForm)
{
    ASSERT_TRUE(QFile::exists(Dictionary)) << FetchHint;
    const QStringList words = verbcheck::formWords(data::VerbFile(bytes));
    const QStringList rejected = rejectedByHunspell(words);
    ASSERT_FALSE(rejected.contains("<hunspell is not installed>"))
        << "install hunspell and hunspell-de-de (scripts/debian-packages.txt)";
    ASSERT_LT(rejected.size(), words.size() / 2) << "hunspell's de_DE dictionary seems missing";

    QSet<QString> known, imperatives;
    dictionaryWords(known, imperatives);
    const QSet<QString> exceptions =
        verbcheck::parseReviewedList(QString::fromUtf8(readBytes(Exceptions)));
    QStringList suspects;
    QSet<QString> neededExceptions;
    for (const QString &word : rejected) {
        if (known.contains(word) || imperatives.contains(word + 'e'))
            continue;
        if (exceptions.contains(word))
            neededExceptions.insert(word);
        else
            suspects << word;
    }
    EXPECT_TRUE(suspects.isEmpty())
        << "words neither hunspell nor the verb dictionary knows; fix the table or add them to "
           "tools/verbs/spelling-exceptions.txt with a reason:\n"
        << suspects.join(' ').toStdString();
    QStringList stale = (exceptions - neededExceptions).values();
    stale.sort();
    EXPECT_TRUE(stale.isEmpty()) << "exceptions no longer needed (remove them):\n"
                                 << stale.join(' ').toStdString();
}

} // namespace
