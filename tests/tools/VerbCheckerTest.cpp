// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The checker for data authors: a sound file passes, and each kind of fault a
// hand edit can make is reported at its line.
#include "MiniVerbFile.h"

#include "AlternativesCheck.h"
#include "CaptionWidth.h"
#include "KnownForms.h"
#include "MeaningsReport.h"
#include "ReferenceComparison.h"
#include "UsageRules.h"
#include "VerbFileChecker.h"

#include "RecordWriter.h"

#include "data/VerbFile.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

using verbcheck::checkVerbFile;

namespace {

// The mini file as editable lines (without line ends).
class Lines {
public:
    explicit Lines(const QByteArray &bytes) : m_lines(bytes.split('\n'))
    {
        m_lines.removeLast(); // after the last line end
        for (QByteArray &line : m_lines)
            line.chop(1); // its CR
    }

    // The first line of the record listed as `name`.
    qsizetype recordStart(const char *utf8Name) const
    {
        const QByteArray name = data::encodeWindows1252(QString::fromUtf8(utf8Name));
        for (qsizetype i = 0; i < m_lines.size(); i += 395) {
            if (m_lines[i].mid(30) == name)
                return i;
        }
        throw std::runtime_error(std::string("no record ") + utf8Name);
    }
    QByteArray &at(const char *name, int recordLine)
    {
        return m_lines[recordStart(name) + recordLine];
    }
    void setPayload(const char *name, int recordLine, const QByteArray &payload)
    {
        QByteArray &line = at(name, recordLine);
        line = line.left(30).leftJustified(30, ' ') + payload;
    }
    QList<QByteArray> &all() { return m_lines; }
    QByteArray bytes() const { return m_lines.join("\r\n") + "\r\n"; }

private:
    QList<QByteArray> m_lines;
};

TEST(VerbChecker, FindsNoFaultInAGeneratedFile)
{
    const QByteArray bytes = minifile::bytes();
    const auto faults = checkVerbFile(bytes);
    const data::VerbFile file(bytes);
    for (const auto &fault : faults)
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
}

struct FaultCase {
    const char *name;
    std::function<void(Lines &)> damage;
    const char *expected; // part of the message
    const char *verb;     // whose record the fault is in; nullptr: the whole file
    int recordLine;
};

void PrintTo(const FaultCase &c, std::ostream *os)
{
    *os << c.name;
}

class VerbCheckerFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(VerbCheckerFaults, AreReportedAtTheirLine)
{
    const FaultCase &c = GetParam();
    Lines lines(minifile::bytes());
    const qsizetype expectedLine = c.verb ? lines.recordStart(c.verb) + c.recordLine : -1;
    c.damage(lines);
    const QByteArray bytes = lines.bytes();
    const auto faults = checkVerbFile(bytes);
    const data::VerbFile file(bytes);
    QStringList described;
    bool found = false;
    for (const auto &fault : faults) {
        described << verbcheck::describe(fault, file);
        found = found || (fault.message.contains(QString::fromUtf8(c.expected)) &&
                          fault.fileLine == expectedLine);
    }
    EXPECT_TRUE(found) << "expected \"" << c.expected << "\" at file line " << expectedLine
                       << "; got:\n"
                       << described.join('\n').toStdString();
}

const FaultCase faultCases[] = {
    {"LineCount", [](Lines &l) { l.all().removeLast(); }, "not a whole number of 395-line records",
     nullptr, 0},
    {"NulByte", [](Lines &l) { l.at("gehen", 5)[32] = '\0'; }, "NUL byte", nullptr, 0},
    {"CategoryCode", [](Lines &l) { l.at("gehen", 0)[0] = 'N'; }, "unknown category code \"N\"",
     "gehen", 0},
    {"TypeCode", [](Lines &l) { l.at("gehen", 1)[0] = 'x'; }, "unknown type code \"x\"", "gehen",
     1},
    {"VariantsCode", [](Lines &l) { l.at("gehen", 2)[0] = '7'; }, "unknown variants code", "gehen",
     2},
    {"NoName", [](Lines &l) { l.setPayload("lesen", 0, "   "); }, "no verb name", "lesen", 0},
    {"MissingForm", [](Lines &l) { l.setPayload("gehen", 4, ""); }, "no form for E6 in tense 0",
     "gehen", 4},
    {"MissingParticiple", [](Lines &l) { l.setPayload("aufstehen", 61, " "); },
     "no form for E9 in tense 3", "aufstehen", 61},
    {"MissingImperative", [](Lines &l) { l.setPayload("aufstehen", 282, ""); },
     "no imperative form for E36", "aufstehen", 282},
    {"ModalImperative", [](Lines &l) { l.setPayload("können", 247, "kann"); },
     "a modal verb has no imperative", "können", 247},
    // An impersonal verb's empty imperative passes only while line 0 says so.
    {"ImpersonalImperative", [](Lines &l) { l.setPayload("gelingen", 247, "geling"); },
     "an impersonal verb has no imperative", "gelingen", 247},
    {"UnmarkedImpersonal",
     [](Lines &l) { l.at("gelingen", 0).replace("impersonal", "          "); },
     "no imperative form for E33", "gelingen", 247},
    {"ImpersonalFirstPerson", [](Lines &l) { l.setPayload("gelingen", 3, "gelinge"); },
     "only third-person forms", "gelingen", 3},
    {"EsOnlyPlural", [](Lines &l) { l.setPayload("regnen", 10, "regnen"); },
     "has only er/sie/es forms", "regnen", 10},
    {"ShortenedCaption", [](Lines &l) { l.setPayload("gehen", 11, "ging, gegangen"); },
     "is not the principal parts whole (\"ging, ist gegangen\")", "gehen", 11},
    {"NoImperativeBidden", [](Lines &l) { l.setPayload("leidtun", 279, "tu leid"); },
     "marked \"no imperative\" has no imperative", "leidtun", 279},
    // The endings and the type letter.
    {"SibilantDu", [](Lines &l) { l.setPayload("lesen", 4, "liesst"); }, "takes only -t", "lesen",
     4},
    {"ShDu", [](Lines &l) { l.setPayload("waschen", 4, "wäscht"); }, "-sch takes -st", "waschen",
     4},
    {"LinkingE", [](Lines &l) { l.setPayload("arbeiten", 4, "arbeitst"); }, "keeps the e of -est",
     "arbeiten", 4},
    {"PastDu", [](Lines &l) { l.setPayload("lesen", 14, "last"); }, "Präteritum du \"last\"",
     "lesen", 14},
    {"WeakTypedMixed", [](Lines &l) { l.at("arbeiten", 1)[0] = 'm'; }, "are weak: type w",
     "arbeiten", 1},
    {"StrongTypedWeak", [](Lines &l) { l.at("gehen", 1)[0] = 'w'; }, "type w, but the forms",
     "gehen", 1},
    {"EmptyCaption", [](Lines &l) { l.setPayload("gehen", 12, ""); },
     "empty caption line of tense 1", "gehen", 12},
    {"FormOnUnreadLine", [](Lines &l) { l.setPayload("gehen", 300, "ging"); },
     "text on a line category n never reads", "gehen", 300},
    {"PartialPrefixColumn", [](Lines &l) { l.setPayload("sich merken", 11, "an"); },
     "column 4 of tense 0 has 1 of 8 prefixes", "sich merken", 1},
    {"UndefinedByte", [](Lines &l) { l.at("lesen", 7).append('\x81'); },
     "is no Windows-1252 character", "lesen", 7},
    {"ControlCharacter", [](Lines &l) { l.at("lesen", 7).insert(31, '\x07'); },
     "control character 0x07", "lesen", 7},
    {"Utf8Text", [](Lines &l) { l.setPayload("lesen", 5, "l\xC3\xA4se"); }, "looks like UTF-8",
     "lesen", 5},
    {"Unsorted",
     [](Lines &l) {
         const qsizetype gehen = l.recordStart("gehen");
         const qsizetype kennen = l.recordStart("kennen");
         for (int i = 0; i < 395; ++i)
             std::swap(l.all()[gehen + i], l.all()[kennen + i]);
     },
     "sorts before it", "kennen", 0},
    {"ListedTwice",
     [](Lines &l) {
         const qsizetype lesen = l.recordStart("lesen");
         const QList<QByteArray> copy = l.all().mid(lesen, 395);
         for (int i = 0; i < 395; ++i)
             l.all().insert(lesen + 395 + i, copy[i]);
     },
     "is listed twice", "sich merken", 0},
};

INSTANTIATE_TEST_SUITE_P(Damage, VerbCheckerFaults, testing::ValuesIn(faultCases),
                         [](const testing::TestParamInfo<FaultCase> &info) {
                             return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// The alternatives file beside the mini file, held to the mini dictionary's
// forms and the mini reviewed list's.

const verbcheck::KnownForms &miniKnownForms()
{
    static const auto dictionary = [] {
        QFile json(minifile::fixturePath("mini-verbs.json"));
        if (!json.open(QIODevice::ReadOnly))
            throw std::runtime_error("missing fixture mini-verbs.json");
        return verbgen::FormDictionary::fromJson(json.readAll());
    }();
    static const auto spelling =
        verbgen::SpellingReplacements::parse(minifile::spellingText(), "spelling.tsv");
    static const auto reviewed = verbgen::ReviewedAlternatives::parse(
        minifile::reviewedAlternativesText(), "alternatives.tsv");
    static const auto known = verbcheck::knownForms(dictionary, spelling, reviewed);
    return known;
}

TEST(AlternativesChecker, FindsNoFaultInAGeneratedFile)
{
    const data::VerbFile file(minifile::bytes());
    const auto report =
        verbcheck::checkAlternatives(file, minifile::alternativesBytes(), miniKnownForms());
    for (const auto &fault : report.lines)
        ADD_FAILURE() << fault.text().toStdString();
    for (const auto &fault : report.verbFile)
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
}

struct AlternativesCase {
    const char *name;
    std::function<void(QList<QByteArray> &, Lines &)> damage;
    const char *expected;
    int line; // of the alternatives file; 0: record line 2 of `verb` in the verb file
    const char *verb = nullptr; // whose variants digit is wrong
};

void PrintTo(const AlternativesCase &c, std::ostream *os)
{
    *os << c.name;
}

class AlternativesFaults : public testing::TestWithParam<AlternativesCase> {};

TEST_P(AlternativesFaults, AreReportedAtTheirLine)
{
    const AlternativesCase &c = GetParam();
    Lines verbs(minifile::bytes());
    QList<QByteArray> lines = minifile::alternativesBytes().split('\n');
    lines.removeLast(); // after the last line end
    c.damage(lines, verbs);
    const int line = c.line < 0 ? static_cast<int>(lines.size()) : c.line; // -1: the last line
    const data::VerbFile file(verbs.bytes());
    const auto report = verbcheck::checkAlternatives(file, lines.join('\n'), miniKnownForms());
    QStringList described;
    bool found = false;
    for (const auto &fault : report.lines) {
        described << fault.text();
        found =
            found || (fault.line == line && fault.problem.contains(QString::fromUtf8(c.expected)));
    }
    for (const auto &fault : report.verbFile) {
        described << verbcheck::describe(fault, file);
        found = found || (line == 0 && fault.fileLine == verbs.recordStart(c.verb) + 2 &&
                          fault.message.contains(QString::fromUtf8(c.expected)));
    }
    EXPECT_TRUE(found) << "expected \"" << c.expected << "\" at line " << line << "; got:\n"
                       << described.join('\n').toStdString();
}

// Appends a line to the alternatives file.
std::function<void(QList<QByteArray> &, Lines &)> appended(const char *line)
{
    return [line](QList<QByteArray> &lines, Lines &) { lines << QByteArray(line); };
}

const AlternativesCase alternativesCases[] = {
    {"Damaged", appended("gehen | Indikativ Präsens | ich 2"), "expected four fields", -1},
    {"NoSuchVerb", appended("laufen | Indikativ Präsens | ich 2 | laufe"), "no verb \"laufen\"",
     -1},
    {"ImpersonalPerson", appended("gelingen | Indikativ Präsens | ich 2 | gelinge"),
     "shows no form of \"gelingen\"", -1},
    {"ColumnOfAnotherCategory", appended("gehen | Indikativ Präsens | ich 4 | hin"),
     "shows no form", -1},
    {"BoardsOwnForm", appended("gehen | Indikativ Präteritum | ich 2 | ging"),
     "\"ging\" is the board's own form", -1},
    {"FormTwice", appended("lesen | Indikativ Präteritum | du 2 | last, last"),
     "\"last\" is listed twice", -1},
    {"ListedBefore", appended("gehen | Imperativ | du 1 | gehe"), "is listed before, at line", -1},
    {"NoRealForm", appended("gehen | Indikativ Präteritum | ich 2 | gang"),
     "\"gang\" is no form of \"gehen\"", -1},
    {"ParticipleWithoutItsPrefix",
     [](QList<QByteArray> &lines, Lines &) {
         const qsizetype at = lines.indexOf("zusenden | Indikativ Perfekt | ich 3 | zugesandt\r");
         lines.append(lines.takeAt(at).replace("zugesandt", "gesandt"));
     },
     "\"gesandt\" is no form of \"zusenden\"", -1},
    {"FormOfAnotherPerson", appended("gehen | Indikativ Präsens | wir 2 | gehst"), "is no form of",
     -1},
    {"PronounNotReviewed", appended("sich Sorgen machen | Indikativ Präsens | ich 3 | mich"),
     "is no form of", -1},
    {"DigitWithoutAlternatives",
     [](QList<QByteArray> &lines, Lines &) {
         lines.removeIf([](const QByteArray &line) { return line.contains("gesandt"); });
     },
     "variants digit 2, but the alternatives file gives the participle 0", 0, "senden"},
    {"DigitBelowTheAlternatives",
     [](QList<QByteArray> &, Lines &verbs) { verbs.at("senden", 2)[0] = '1'; }, "the digit is 2", 0,
     "senden"},
};

INSTANTIATE_TEST_SUITE_P(Damage, AlternativesFaults, testing::ValuesIn(alternativesCases),
                         [](const testing::TestParamInfo<AlternativesCase> &info) {
                             return std::string(info.param.name);
                         });

// A caption wider than its label is drawn smaller: listed, no fault; only one
// too wide even at the smallest size is.
TEST(VerbChecker, ListsWideCaptionsAndFaultsOnlyThoseCutOnce)
{
    Lines lines(minifile::bytes());
    const auto width = [](const QString &text) { return static_cast<int>(text.size()) * 9; };
    const auto smallest = [](const QString &text) { return static_cast<int>(text.size()) * 5; };
    lines.setPayload("gehen", 12, QByteArray(46, 'x')); // tense 1's caption line 1: 414 pixels
    lines.setPayload("lesen", 12, QByteArray(82, 'y')); // 410 pixels even at the smallest size
    const data::VerbFile file(lines.bytes());
    const auto wide = verbcheck::wideCaptions(file, width);
    ASSERT_EQ(wide.size(), 2);
    EXPECT_EQ(wide[0].pixels, 414);
    const auto faults = verbcheck::checkCaptionWidths(file, smallest);
    ASSERT_EQ(faults.size(), 1);
    EXPECT_EQ(faults[0].fileLine, lines.recordStart("lesen") + 12);
    EXPECT_TRUE(faults[0].message.contains("410 pixels wide even at 12 px"))
        << faults[0].message.toStdString();
}

// The meanings report against a few lines in Ding's format.
TEST(MeaningsReport, MatchesDingsTranslationsOfTheSameVerb)
{
    const auto ding = verbcheck::DingDictionary::parse(QString::fromUtf8(
        "# Version :: test\n"
        "gehen {vi} | gehend | gegangen :: to go {went; gone} | going | gone\n"
        "hetzen; jagen {vt} | hetzend :: to hound | hounding\n"
        "sich (über etw.) freuen {vr} | sich freuend :: to be glad (about sth.); to be pleased\n"
        "jdn. erkennen {vt} :: to recognize sb.\n"
        "von etw. abhängen {vi} :: to depend on sth.\n"
        "sich etw. vorstellen {vr} :: to imagine\n"
        "etw. abschicken {vt} :: to send off <>\n"
        "Haus {n} :: house\n"));
    struct Row {
        const char *verb, *english;
        verbcheck::MeaningRow::Outcome outcome;
    };
    const Row rows[] = {{"gehen", "to go, to walk", verbcheck::MeaningRow::Matched},
                        {"hetzen", "to rush, to hurry", verbcheck::MeaningRow::NoMatch},
                        {"sich freuen", "to be glad", verbcheck::MeaningRow::Matched},
                        {"erkennen", "to recognise", verbcheck::MeaningRow::Matched},
                        {"abhängen", "to depend", verbcheck::MeaningRow::Matched},
                        {"sich etwas vorstellen", "to imagine", verbcheck::MeaningRow::Matched},
                        {"abschicken", "to send off", verbcheck::MeaningRow::Matched},
                        {"jagen", "to hunt", verbcheck::MeaningRow::NoMatch},
                        {"Haus", "to house", verbcheck::MeaningRow::NotInDing},
                        {"laufen", "to run", verbcheck::MeaningRow::NotInDing}};
    QList<verbgen::RecordText> records;
    for (const Row &row : rows) {
        verbgen::RecordText record;
        record.listed = QString::fromUtf8(row.verb);
        record.english = QString::fromUtf8(row.english);
        record.principalParts = QStringLiteral("-");
        records << record;
    }
    const auto report =
        verbcheck::meaningsReport(data::VerbFile(verbgen::verbFileBytes(records)), ding);
    ASSERT_EQ(report.size(), std::size(rows));
    for (qsizetype i = 0; i < report.size(); ++i)
        EXPECT_EQ(report[i].outcome, rows[i].outcome) << rows[i].verb;
    EXPECT_EQ(verbcheck::parseReviewedList("# reason\nhetzen\n\n  jagen \n"),
              (QSet<QString>{"hetzen", "jagen"}));
}

// The Perfekt and prefix of a record, enough for the reference comparison.
verbgen::RecordText perfectRecord(const char *listed, char category, const char *auxiliary,
                                  const char *participle, const char *particle, const char *english)
{
    verbgen::RecordText record;
    record.listed = QString::fromUtf8(listed);
    record.category = category;
    record.english = QString::fromUtf8(english);
    record.principalParts = QStringLiteral("-");
    record.boxes[3][4] = auxiliary;
    record.boxes[3][12] = QString::fromUtf8(participle);
    record.boxes[0][16] = QString::fromUtf8(particle);
    return record;
}

TEST(ReferenceComparison, FindsSeparabilityAndAuxiliariesTheReferencesContradict)
{
    const auto ding = verbcheck::DingDictionary::parse(QString::fromUtf8(
        "gehen {vi} | gehend | gegangen | er/sie hat/hatte gegangen :: to go\n"
        "schwimmen {vi} | schwimmend | er/sie hat/hatte geschwommen :: to float\n"));
    const QList<verbgen::RecordText> records = {
        perfectRecord("angehen", 's', "hat", "angegangen", "an", "to tackle"),
        perfectRecord("aufgehen", 's', "ist", "aufgegangen", "auf", "to rise"),
        perfectRecord("gehen", 'n', "ist", "gegangen", "", "to go"),
        perfectRecord("schwimmen", 'n', "ist", "geschwommen", "", "to swim"),
        perfectRecord("übersetzen", 'n', "hat", "übersetzt", "", "to translate"),
        perfectRecord("umarmen", 'n', "hat", "umarmt", "", "to hug")};
    verbcheck::References references;
    references.splitsOffPrefix = [](const QString &verb) {
        return std::optional(verb != "umarmen");
    };
    references.ding = &ding;
    QSet<QString> found;
    for (const auto &disagreement : verbcheck::compareWithReferences(
             data::VerbFile(verbgen::verbFileBytes(records)), references))
        found.insert(verbcheck::reviewKey(disagreement));
    EXPECT_EQ(found, (QSet<QString>{"auxiliary\tangehen", "auxiliary\tgehen",
                                    QString::fromUtf8("separable\tübersetzen")}));
}

// The usage rules: each finding at its verb, none on the file as generated.
TEST(UsageRules, FindWhatTheMeaningContradicts)
{
    struct Case {
        const char *verb, *meaning;  // the verb's new meaning line; nullptr: as generated
        const char *bothAuxiliaries; // the one verb listed as taking both
        const char *expected;        // the finding's review key; nullptr: none
    };
    const Case cases[] = {
        {"gehen", nullptr, "aufstehen", nullptr},
        {"gehen", "to be gone, to be away", "aufstehen", "imperative\tgehen"},
        {"leidtun", "to be sorry", "aufstehen", nullptr},                  // never bidden already
        {"gehen", "to succeed (of plans)", "aufstehen", "persons\tgehen"}, // as gelingen
        {"arbeiten", nullptr, "arbeiten", "auxiliary\tarbeiten"},
        {"arbeiten", "to work sth. off", "arbeiten", nullptr},
        {"aufstehen", "to get sb. up", "aufstehen", "auxiliary\taufstehen"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.verb) + ": " + (c.meaning ? c.meaning : "as generated"));
        Lines lines(minifile::bytes());
        if (c.meaning)
            lines.setPayload(c.verb, 2, data::encodeWindows1252(QString::fromUtf8(c.meaning)));
        QStringList found;
        for (const auto &finding :
             verbcheck::usageFindings(data::VerbFile(lines.bytes()), {c.bothAuxiliaries}))
            found << verbcheck::reviewKey(finding);
        EXPECT_EQ(found, c.expected ? QStringList{QString::fromUtf8(c.expected)} : QStringList());
    }
}

TEST(VerbChecker, NamesTheWordListsVerbsTheFileLacks)
{
    const auto wanted = verbcheck::parseWantedVerbs(
        "# A1\ngehen\nlaufen\nmöchten | the Konjunktiv II of mögen\n# A2\ngehen\n"
        "können | a modal\n");
    EXPECT_EQ(verbcheck::wantedVerbFaults(data::VerbFile(minifile::bytes()), wanted),
              (QStringList{"\"laufen\" is not in the file",
                           "\"können\" is in the file, but the list leaves it out (a modal)"}));
    EXPECT_EQ(wanted.levels, (QMap<QString, QString>{{"gehen", "A1"}, {"laufen", "A1"}}));
}

TEST(VerbChecker, DescribesFaultsWithFileAndRecordLines)
{
    Lines lines(minifile::bytes());
    lines.at("arbeiten", 1)[0] = 'x';
    const QByteArray bytes = lines.bytes();
    const auto faults = checkVerbFile(bytes);
    ASSERT_EQ(faults.size(), 1);
    EXPECT_EQ(verbcheck::describe(faults[0], data::VerbFile(bytes)),
              "line 397 (record 1 \"arbeiten\", record line 1): unknown type code \"x\" "
              "(w, s, m, i, d)");
}

TEST(VerbChecker, CollectsTheWordsOfEveryForm)
{
    const QStringList words = verbcheck::formWords(data::VerbFile(minifile::bytes()));
    for (const char *word : {"zieh", "dich", "angezogen", "Rad", "würden", "lasest", "geh"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word;
    // Captions and labels are not forms.
    EXPECT_FALSE(words.contains("to"));
    EXPECT_FALSE(words.contains("Präsens"));
    EXPECT_FALSE(words.contains("gehen,"));
}

} // namespace

namespace {

// A verb file written by hand, not by the generator, in the same conventions.
TEST(VerbChecker, AcceptsAHandMadeFile)
{
    QFile sample(minifile::fixturePath("hand-made-sample.txt"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray bytes = sample.readAll();
    const data::VerbFile file(bytes);
    EXPECT_GT(file.recordCount(), 0);
    for (const auto &fault : checkVerbFile(bytes))
        ADD_FAILURE() << verbcheck::describe(fault, file).toStdString();
}

} // namespace
