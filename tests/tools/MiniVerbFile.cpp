// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MiniVerbFile.h"

#include "AlternativesWriter.h"
#include "Generator.h"
#include "RecordWriter.h"

#include <QFile>

namespace minifile {

QString fixturePath(const QString &name)
{
    return QStringLiteral(ZANDREL_TOOLS_FIXTURES "/") + name;
}

QString tableText()
{
    return QStringLiteral(
        "# verb\tcategory\tauxiliary\treflexive\tparticle\ttype\tEnglish\toverrides\treason\n"
        "gehen\tn\tsein\t-\t-\ts\tto go\t-\t-\n"
        "aufstehen\ts\tsein\t-\tauf\ts\tto get up\t-\t-\n"
        "sich anziehen\tr\thaben\tacc\tan\ts\tto get dressed\t-\t-\n"
        "sich merken\tr\thaben\tdat\t-\tw\tto remember\t-\t-\n"
        "Rad fahren\td\tsein\t-\tRad\ts\tto cycle\t-\t-\n"
        "können\tn\thaben\t-\t-\td\tto be able to\t-\t-\n"
        "müssen\tn\thaben\t-\t-\td\tto have to\tPAST=musste\tno du form\n"
        "bereiten\tn\thaben\t-\t-\tw\tto prepare\tPAST=bereitete; SUBJ2=bereitete; "
        "PART=bereitet\tberitt is another verb\n"
        "vorbereiten\ts\thaben\t-\tvor\tw\tto prepare\t-\t-\n"
        "übersetzen\tn\thaben\t-\t-\tw\tto translate\t-\t-\n"
        "lesen\tn\thaben\t-\t-\ts\tto read\t-\t-\n"
        "arbeiten\tn\thaben\t-\t-\tw\tto work\t-\t-\n"
        "kennen\tn\thaben\t-\t-\tm\tto know\tSUBJ2=kennte\tKonjunktiv II\n"
        "gelingen\tn\tsein\t-\t-\ts\tto succeed\tIMP=-\timpersonal\n"
        "regnen\tn\thaben\t-\t-\tw\tto rain\tIMP=es\tweather\n"
        "leidtun\ts\thaben\t-\tleid\ts\tto be sorry\tIMP=none\tnever bidden\n"
        "sich Sorgen machen\tr\thaben\tdat\tSorgen\tw\tto worry\t-\t-\n"
        "waschen\tn\thaben\t-\t-\ts\tto wash\t-\t-\n"
        "senden\tn\thaben\t-\t-\tw\tto send\tPART=gesendet gesandt\tboth standard\n"
        "zusenden\ts\thaben\t-\tzu\tw\tto send to\t-\t-\n"
        "frühstücken\tn\thaben\t-\t-\tw\tto have breakfast\tPRES=frühstücke frühstückst "
        "frühstückt frühstücken frühstückt frühstücken; PAST=frühstückte; SUBJ1=frühstücke "
        "frühstückest frühstücke frühstücken frühstücket frühstücken; SUBJ2=frühstückte; "
        "PART=gefrühstückt; IMP=frühstück frühstückt\tnot in the dictionary\n");
}

QString spellingText()
{
    return QStringLiteral("# old\tnew\nmuß\tmuss\nmußt\tmusst\nmußte\tmusste\nmußten\tmussten\n"
                          "mußtet\tmusstet\nmüßt\tmüsst\nmüßte\tmüsste\nmüßtest\tmüsstest\n"
                          "müßten\tmüssten\nmüßtet\tmüsstet\ngemußt\tgemusst\n");
}

QString reviewedAlternativesText()
{
    return QStringLiteral("# verb\tforms\treason\n"
                          "senden\tPAST=sandte\tsandte beside sendete\n"
                          "aufstehen\tSUBJ2=stände\tstünde and stände\n"
                          "sich anziehen\tREFL=dat\twith an object: ich ziehe mir die Jacke an\n");
}

namespace {

QList<verbgen::RecordText> records()
{
    QFile json(fixturePath("mini-verbs.json"));
    if (!json.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture mini-verbs.json");
    const auto dictionary = verbgen::FormDictionary::fromJson(json.readAll());
    const auto table = verbgen::parseVerbTable(tableText(), "mini.tsv");
    const auto spelling = verbgen::SpellingReplacements::parse(spellingText(), "spelling.tsv");
    const auto reviewed =
        verbgen::ReviewedAlternatives::parse(reviewedAlternativesText(), "alternatives.tsv");
    return verbgen::buildRecords(table, dictionary, spelling, reviewed);
}

} // namespace

QByteArray bytes()
{
    return verbgen::verbFileBytes(records());
}

QByteArray alternativesBytes()
{
    return verbgen::alternativesFileBytes(records());
}

} // namespace minifile
