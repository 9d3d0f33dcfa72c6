// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordWriter.h"

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

namespace verbgen {

namespace {

const QString ImpersonalLabel = QStringLiteral("  impersonal verb (list)");
const QString EsOnlyLabel = QStringLiteral("  impersonal, es only (list)");
const QString WithoutImperativeLabel = QStringLiteral("  verb, no imperative (list)");

constexpr int LinesPerRecord = data::VerbFile::LinesPerRecord;
constexpr int PrefixLength = data::VerbFile::PrefixLength;

const char *const TenseNames[TenseCount] = {"Präsens",   "Präterit.",  "Futur I",  "Perfekt",
                                            "Plusqu.",   "Futur II",   "KI Präs.", "KII Prät.",
                                            "KI Perf.",  "KII Plusq.", "KI Fut I", "KII Fut I",
                                            "KI Fut II", "KII Fut II", "Imperativ"};

// Row names of the grid, indexed by (box - 1) % 4, then the imperative boxes.
const char *const RowNames[4] = {"ich", "du", "Sie", "er/sie/es"};
const char *const RightRowNames[4] = {"wir", "ihr", "Sie", "sie"};
const char *const ImperativeNames[4] = {"(du)", "(ihr)", "Sie: verb", "Sie: rest"};

bool isInfinitiveTense(int tense)
{
    return tense == 2 || tense == 10 || tense == 11;
}

// What a column holds in a tense group, as the conventions lay it out.
QString columnRole(char category, int tense, int column)
{
    const data::TenseGroup group = data::tenseGroup(tense);
    if (group == data::TenseGroup::Simple) {
        switch (column) {
        case 2:
            return "verb";
        case 3:
            return "pron";
        default:
            return category == 'd' ? "word" : "pref";
        }
    }
    switch (column) {
    case 1:
        return "aux";
    case 2:
        return category == 'd' ? "word" : "pron";
    case 3:
        return isInfinitiveTense(tense) ? "inf" : "part";
    default:
        return "h/s";
    }
}

QString answerLabel(char category, int tense, int box)
{
    QString where;
    if (box > 32) {
        where = ImperativeNames[box - 33];
    } else {
        const bool right = box > 16;
        const int index = box - (right ? 16 : 0) - 1;
        const int column = index / 4 + 1;
        where = QStringLiteral("%1 %2")
                    .arg(QString(right ? RightRowNames[index % 4] : RowNames[index % 4]), -9)
                    .arg(columnRole(category, tense, column));
    }
    return QStringLiteral("T%1 %2 %3")
        .arg(tense, 2, 10, QChar('0'))
        .arg(QString::fromUtf8(TenseNames[tense]), -10)
        .arg(where);
}

QString captionLabel(int tense, int captionLine)
{
    return QStringLiteral("T%1 %2 %3")
        .arg(tense, 2, 10, QChar('0'))
        .arg(QString::fromUtf8(TenseNames[tense]), -10)
        .arg(captionLine == 1 ? "caption parts" : "caption Engl.");
}

QString withPrefix(const QString &label, const QString &payload)
{
    return label.leftJustified(PrefixLength, ' ', true) + payload;
}

// Character 1 of record lines 0 to 2 carries a code instead of the label's first character.
QString withCode(char code, const QString &line)
{
    return QChar(code) + line.mid(1);
}

} // namespace

QStringList recordLines(const RecordText &record)
{
    const auto category = data::categoryFromCode(record.category);
    if (!category)
        throw EncodingError("unknown category letter for " + record.listed.toStdString());
    QStringList lines(LinesPerRecord);
    const QString unused = QStringLiteral("- not read in category %1").arg(QChar(record.category));
    for (QString &line : lines)
        line = withPrefix(unused, {});
    // The checker reads these labels: it accepts an empty imperative where line 0
    // says "impersonal" or "no imperative", only third-person forms after "impersonal",
    // and only the er/sie/es forms after "es only".
    lines[0] = withPrefix(record.esOnly              ? EsOnlyLabel
                          : record.impersonal        ? ImpersonalLabel
                          : record.withoutImperative ? WithoutImperativeLabel
                                                     : QStringLiteral("  verb (list entry)"),
                          record.listed);
    for (int tense = 0; tense < TenseCount; ++tense) {
        const data::TenseBlock block = data::tenseBlock(*category, tense);
        lines[block.captionLine1()] = withPrefix(captionLabel(tense, 1), record.principalParts);
        lines[block.captionLine2()] = withPrefix(captionLabel(tense, 2), record.english);
        for (int j = 0; j < block.answerCount; ++j) {
            const int box = block.boxes[j];
            lines[block.answerLine(j)] =
                withPrefix(answerLabel(record.category, tense, box), record.boxes[tense][box]);
        }
    }
    lines[0] = withCode(record.category, lines[0]);
    lines[1] = withCode(record.type, lines[1]);
    lines[2] = withCode(record.variants, lines[2]);
    return lines;
}

QByteArray verbFileBytes(const QList<RecordText> &records)
{
    QByteArray bytes;
    for (const RecordText &record : records) {
        for (const QString &line : recordLines(record)) {
            bool encoded = false;
            bytes += data::encodeWindows1252(line, &encoded);
            if (!encoded)
                throw EncodingError(
                    "a line of \"" + record.listed.toStdString() +
                    "\" has characters outside Windows-1252: " + line.toStdString());
            bytes += "\r\n";
        }
    }
    return bytes;
}

} // namespace verbgen
