// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerbFileChecker.h"

#include "FormRules.h"

#include "data/RecordLayout.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace verbcheck {

namespace {

using data::VerbFile;
constexpr int LinesPerRecord = VerbFile::LinesPerRecord;
constexpr int ImperativeTense = 14;
const QString ReflexivePrefix = QStringLiteral("sich ");

bool isThirdPersonBox(int box, bool esOnly)
{
    constexpr int LeftBlockBoxes = 16;
    return box % 4 == 0 && (!esOnly || box <= LeftBlockBoxes); // the er/sie/es and sie rows
}

class Checker {
public:
    explicit Checker(const QByteArray &bytes) : m_bytes(bytes), m_file(bytes) {}

    QList<Fault> run()
    {
        checkWholeFile();
        for (qsizetype line = 0; line < m_file.lineCount(); ++line)
            checkCharacters(line);
        for (qsizetype record = 0; record < m_file.recordCount(); ++record)
            checkRecord(record);
        checkOrder();
        std::stable_sort(m_faults.begin(), m_faults.end(),
                         [](const Fault &a, const Fault &b) { return a.fileLine < b.fileLine; });
        return m_faults;
    }

private:
    void fault(qsizetype record, int recordLine, const QString &message)
    {
        m_faults.append({record * LinesPerRecord + recordLine, record, recordLine, message});
    }

    void checkWholeFile()
    {
        if (const qsizetype nul = m_bytes.indexOf('\0'); nul >= 0)
            m_faults.append({-1, -1, -1,
                             QStringLiteral("a NUL byte at offset %1 ends the text; the trainer "
                                            "ignores everything after it")
                                 .arg(nul)});
        if (!m_file.lineCountIsWholeRecords())
            m_faults.append(
                {-1, -1, -1,
                 QStringLiteral("%1 lines are not a whole number of %2-line records; the last "
                                "%3 lines belong to no verb")
                     .arg(m_file.lineCount())
                     .arg(LinesPerRecord)
                     .arg(m_file.lineCount() % LinesPerRecord)});
    }

    void checkCharacters(qsizetype fileLine)
    {
        const QByteArrayView line = m_file.line(fileLine);
        const qsizetype record = fileLine / LinesPerRecord;
        const int recordLine = static_cast<int>(fileLine % LinesPerRecord);
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
                fault(record, recordLine,
                      QStringLiteral("byte 0x%1 at column %2 is no Windows-1252 character")
                          .arg(byte, 2, 16, QChar('0'))
                          .arg(i + 1));
                return;
            }
            if (byte < 0x20 && byte != '\t') {
                fault(record, recordLine,
                      QStringLiteral("control character 0x%1 at column %2")
                          .arg(byte, 2, 16, QChar('0'))
                          .arg(i + 1));
                return;
            }
            if (startsUtf8Sequence(line, i)) {
                fault(record, recordLine,
                      QStringLiteral("column %1 looks like UTF-8; the file is Windows-1252")
                          .arg(i + 1));
                return;
            }
        }
    }

    // A lead byte with its continuation bytes: in Windows-1252 German text
    // this is "Ã¤" for "ä", a file saved in the wrong encoding.
    static bool startsUtf8Sequence(QByteArrayView line, qsizetype i)
    {
        const auto at = [&](qsizetype k) { return static_cast<unsigned char>(line[k]); };
        const auto isContinuation = [&](qsizetype k) {
            return k < line.size() && at(k) >= 0x80 && at(k) <= 0xBF;
        };
        if (at(i) >= 0xC2 && at(i) <= 0xDF)
            return isContinuation(i + 1);
        if (at(i) >= 0xE0 && at(i) <= 0xEF)
            return isContinuation(i + 1) && isContinuation(i + 2);
        return false;
    }

    void checkRecord(qsizetype record)
    {
        const data::RecordHeader &header = m_file.header(record);
        const char categoryCode = header.categoryCode;
        const char typeCode = header.typeCode;
        const char variantsCode = header.variantsCode;
        if (data::answerTextOfPayload(header.name).isEmpty())
            fault(record, 0, "no verb name");
        if (!QByteArrayView("wsmid").contains(typeCode) || typeCode == '\0')
            fault(record, 1,
                  QStringLiteral("unknown type code %1 (w, s, m, i, d)").arg(shown(typeCode)));
        if (!QByteArrayView("1234").contains(variantsCode) || variantsCode == '\0')
            fault(record, 2,
                  QStringLiteral("unknown variants code %1 (1 to 4)").arg(shown(variantsCode)));
        const auto category = header.category;
        if (!category) {
            fault(record, 0,
                  QStringLiteral("unknown category code %1 (r, s, n, d)").arg(shown(categoryCode)));
            return;
        }
        // What line 0's label, which the trainer never reads, says of the verb:
        // an impersonal verb (es regnet, es gelingt mir) has only third-person
        // forms and no imperative, one marked "es only" too (es regnet) only the
        // er/sie/es forms, a verb marked "no imperative" (du tust mir leid) every
        // person but no imperative. Without these words a verb needs every form.
        const Imperative imperative = typeCode == 'd'       ? Imperative::Modal
                                      : header.impersonal   ? Imperative::Impersonal
                                      : header.noImperative ? Imperative::None
                                                            : Imperative::Required;
        const bool esOnly = imperative == Imperative::Impersonal && header.esOnly;
        std::array<bool, LinesPerRecord> read{};
        read[0] = true;
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const data::TenseBlock block = data::tenseBlock(*category, tense);
            for (int line = block.firstLine; line <= block.lastLine(); ++line)
                read[line] = true;
            checkBlock(record, *category, imperative, esOnly, tense, block);
        }
        for (int line = 0; line < LinesPerRecord; ++line) {
            if (!read[line] && !data::answerText(m_file.recordLine(record, line)).isEmpty())
                fault(record, line,
                      QStringLiteral("text on a line category %1 never reads").arg(categoryCode));
        }
        checkEndingsAndType(record, *category);
    }

    enum class Imperative { Required, Modal, Impersonal, None };

    void checkEndingsAndType(qsizetype record, data::Category category)
    {
        const KeyForms forms = keyFormsOf(m_file, record, category);
        for (const FormFinding &finding : checkKeyForms(forms))
            fault(record, recordLineOf(category, finding.place), finding.message);
        checkPrincipalParts(record, category, forms);
    }

    // Every caption line 1 gives the principal parts whole; once per record.
    void checkPrincipalParts(qsizetype record, data::Category category, const KeyForms &forms)
    {
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const int line = data::tenseBlock(category, tense).captionLine1();
            const QString caption = data::payloadText(m_file.recordLine(record, line));
            if (!isWholePrincipalParts(caption, forms)) {
                fault(record, line,
                      QStringLiteral("caption \"%1\" is not the principal parts whole (\"%2\")")
                          .arg(caption, principalParts(forms)));
                return;
            }
        }
    }

    void checkBlock(qsizetype record, data::Category category, Imperative imperative, bool esOnly,
                    int tense, const data::TenseBlock &block)
    {
        for (int line : {block.captionLine1(), block.captionLine2()}) {
            if (data::payloadText(m_file.recordLine(record, line)).trimmed().isEmpty())
                fault(record, line, QStringLiteral("empty caption line of tense %1").arg(tense));
        }
        if (tense == ImperativeTense) {
            for (int j = 0; j < block.answerCount; ++j) {
                const bool filled = hasForm(record, block.answerLine(j));
                if (imperative == Imperative::Modal && filled)
                    fault(record, block.answerLine(j), "a modal verb has no imperative");
                else if (imperative == Imperative::Impersonal && filled)
                    fault(record, block.answerLine(j), "an impersonal verb has no imperative");
                else if (imperative == Imperative::None && filled)
                    fault(record, block.answerLine(j),
                          "a verb marked \"no imperative\" has no imperative");
                else if (imperative == Imperative::Required && !filled)
                    fault(record, block.answerLine(j),
                          QStringLiteral("no imperative form for E%1").arg(block.boxes[j]));
            }
            return;
        }
        // Every column of the set is required, except that a reflexive verb
        // without a prefix leaves column 4 of its simple tenses empty: all
        // eight rows of it, or none.
        const bool optionalPrefixColumn = category == data::Category::Reflexive &&
                                          data::tenseGroup(tense) == data::TenseGroup::Simple;
        int prefixFormsSeen = 0;
        const bool impersonal = imperative == Imperative::Impersonal;
        const int rows = esOnly ? 1 : impersonal ? 2 : 8;
        for (int j = 0; j < block.answerCount; ++j) {
            const int column = (block.boxes[j] - 1) % 16 / 4 + 1;
            const bool filled = hasForm(record, block.answerLine(j));
            if (impersonal && !isThirdPersonBox(block.boxes[j], esOnly)) {
                if (filled)
                    fault(record, block.answerLine(j),
                          QStringLiteral("an impersonal verb has only %1 forms; E%2 in tense %3 "
                                         "has one")
                              .arg(esOnly ? "er/sie/es" : "third-person")
                              .arg(block.boxes[j])
                              .arg(tense));
            } else if (optionalPrefixColumn && column == 4) {
                prefixFormsSeen += filled ? 1 : 0;
            } else if (!filled) {
                fault(record, block.answerLine(j),
                      QStringLiteral("no form for E%1 in tense %2").arg(block.boxes[j]).arg(tense));
            }
        }
        if (prefixFormsSeen != 0 && prefixFormsSeen != rows)
            fault(record, block.firstLine,
                  QStringLiteral("column 4 of tense %1 has %2 of %3 prefixes")
                      .arg(tense)
                      .arg(prefixFormsSeen)
                      .arg(rows));
    }

    bool hasForm(qsizetype record, int line) const
    {
        return !data::answerText(m_file.recordLine(record, line)).isEmpty();
    }

    void checkOrder()
    {
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        collator.setCaseSensitivity(Qt::CaseSensitive);
        QSet<QString> seen;
        QString previous;
        for (qsizetype record = 0; record < m_file.recordCount(); ++record) {
            const QString name = data::answerTextOfPayload(m_file.header(record).name);
            if (seen.contains(name))
                fault(record, 0, QStringLiteral("\"%1\" is listed twice").arg(name));
            seen.insert(name);
            if (record > 0) {
                const int byKey = collator.compare(sortKey(previous), sortKey(name));
                if (byKey > 0 || (byKey == 0 && collator.compare(previous, name) > 0))
                    fault(record, 0,
                          QStringLiteral("\"%1\" comes after \"%2\" in the list but sorts "
                                         "before it; the look-up needs German order")
                              .arg(name, previous));
            }
            previous = name;
        }
    }

    static QString sortKey(const QString &name)
    {
        return name.startsWith(ReflexivePrefix) ? name.mid(ReflexivePrefix.size()) : name;
    }

    static QString shown(char code)
    {
        return code == '\0' ? QStringLiteral("(none)") : QStringLiteral("\"%1\"").arg(QChar(code));
    }

    QByteArray m_bytes;
    VerbFile m_file;
    QList<Fault> m_faults;
};

} // namespace

QString describe(const Fault &fault, const data::VerbFile &file)
{
    if (fault.fileLine < 0)
        return fault.message;
    const QString name = data::answerTextOfPayload(file.header(fault.record).name);
    return QStringLiteral("line %1 (record %2 \"%3\", record line %4): %5")
        .arg(fault.fileLine + 1)
        .arg(fault.record)
        .arg(name)
        .arg(fault.recordLine)
        .arg(fault.message);
}

QList<Fault> checkVerbFile(const QByteArray &bytes)
{
    return Checker(bytes).run();
}

std::optional<data::Category> recordCategory(const data::VerbFile &file, qsizetype record)
{
    return file.header(record).category;
}

QStringList formWords(const data::VerbFile &file)
{
    QSet<QString> words;
    forEachTenseBlock(file, [&](qsizetype record, const data::TenseBlock &block) {
        for (int j = 0; j < block.answerCount; ++j) {
            const QString form = data::answerText(file.recordLine(record, block.answerLine(j)));
            for (const QString &word : form.split(' ', Qt::SkipEmptyParts))
                words.insert(word);
        }
    });
    QStringList sorted(words.begin(), words.end());
    sorted.sort();
    return sorted;
}

QSet<QString> parseReviewedList(const QString &text)
{
    QSet<QString> entries;
    for (const QString &line : text.split('\n')) {
        const QString entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith('#'))
            entries.insert(entry);
    }
    return entries;
}

WantedVerbs parseWantedVerbs(const QString &text)
{
    static const QStringList Levels = {"A1", "A2", "B1"};
    WantedVerbs wanted;
    QString level;
    for (const QString &line : text.split('\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith('#') && Levels.contains(trimmed.mid(1).trimmed()))
            level = trimmed.mid(1).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const qsizetype bar = trimmed.indexOf(QStringLiteral(" | "));
        if (bar < 0) {
            wanted.verbs << trimmed;
            if (!level.isEmpty() && !wanted.levels.contains(trimmed))
                wanted.levels.insert(trimmed, level);
        } else {
            wanted.leftOut.insert(trimmed.left(bar), trimmed.mid(bar + 3));
        }
    }
    return wanted;
}

QStringList wantedVerbFaults(const data::VerbFile &file, const WantedVerbs &wanted)
{
    QSet<QString> held;
    for (qsizetype record = 0; record < file.recordCount(); ++record)
        held.insert(data::answerTextOfPayload(file.header(record).name));
    QStringList faults;
    for (const QString &verb : wanted.verbs) {
        if (!held.contains(verb))
            faults << QStringLiteral("\"%1\" is not in the file").arg(verb);
    }
    for (auto it = wanted.leftOut.cbegin(); it != wanted.leftOut.cend(); ++it) {
        if (held.contains(it.key()))
            faults << QStringLiteral("\"%1\" is in the file, but the list leaves it out (%2)")
                          .arg(it.key(), it.value());
    }
    return faults;
}

Tally tally(const data::VerbFile &file)
{
    Tally counts;
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        const data::RecordHeader &header = file.header(record);
        counts.categories[QString(QChar(header.categoryCode))]++;
        counts.types[QString(QChar(header.typeCode))]++;
    }
    return counts;
}

} // namespace verbcheck
