// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/VerbFileBuilder.h"

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace testdata {

namespace {

constexpr int HeaderLines = 3;

void requireLine(int lineInRecord)
{
    if (lineInRecord < 0 || lineInRecord >= VerbRecordBuilder::LineCount)
        throw std::invalid_argument("record line out of range");
}

void requireTense(int tense)
{
    if (tense < 0 || tense >= data::TenseCount)
        throw std::invalid_argument("tense out of range");
}

data::TenseBlock blockOf(char category, int tense)
{
    requireTense(tense);
    const std::optional<data::Category> layout = data::categoryFromCode(category);
    if (!layout)
        throw std::invalid_argument("the category letter has no layout");
    return data::tenseBlock(*layout, tense);
}

// What each line is, for the prefix: "L057 t03 E1".
std::array<QString, VerbRecordBuilder::LineCount> lineLabels(char category)
{
    std::array<QString, VerbRecordBuilder::LineCount> labels;
    for (int i = 0; i < VerbRecordBuilder::LineCount; ++i)
        labels[i] = QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0'));
    labels[0] += QStringLiteral(" verb");
    const std::optional<data::Category> layout = data::categoryFromCode(category);
    if (!layout)
        return labels;
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        const data::TenseBlock block = data::tenseBlock(*layout, tense);
        const QString tenseLabel = QStringLiteral(" t%1").arg(tense, 2, 10, QLatin1Char('0'));
        labels[block.captionLine1()] += tenseLabel + QStringLiteral(" caption 1");
        labels[block.captionLine2()] += tenseLabel + QStringLiteral(" caption 2");
        for (int j = 0; j < block.answerCount; ++j)
            labels[block.answerLine(j)] += tenseLabel + QStringLiteral(" E%1").arg(block.boxes[j]);
    }
    return labels;
}

QByteArray encodeOrThrow(const QString &text)
{
    bool ok = false;
    QByteArray bytes = data::encodeWindows1252(text, &ok);
    if (!ok)
        throw std::invalid_argument("text outside Windows-1252: " + text.toStdString());
    return bytes;
}

QByteArray lineEndBytes(LineEnd lineEnd)
{
    switch (lineEnd) {
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::CrLf:
        break;
    }
    return "\r\n";
}

} // namespace

VerbRecordBuilder::VerbRecordBuilder(char category, char type, char variants)
    : m_category(category), m_codes{category, type, variants}
{
}

VerbRecordBuilder &VerbRecordBuilder::verb(const QString &text)
{
    return payload(0, text);
}

VerbRecordBuilder &VerbRecordBuilder::captions(int tense, const QString &line1,
                                               const QString &line2)
{
    const data::TenseBlock block = blockOf(m_category, tense);
    m_payloads[block.captionLine1()] = line1;
    m_payloads[block.captionLine2()] = line2;
    return *this;
}

VerbRecordBuilder &VerbRecordBuilder::form(int tense, int box, const QString &text)
{
    const data::TenseBlock block = blockOf(m_category, tense);
    for (int j = 0; j < block.answerCount; ++j) {
        if (block.boxes[j] == box) {
            m_payloads[block.answerLine(j)] = text;
            return *this;
        }
    }
    throw std::invalid_argument("box outside the tense block");
}

VerbRecordBuilder &VerbRecordBuilder::fillEveryForm()
{
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        const data::TenseBlock block = blockOf(m_category, tense);
        captions(tense, sampleCaption(tense, 1), sampleCaption(tense, 2));
        for (int j = 0; j < block.answerCount; ++j)
            m_payloads[block.answerLine(j)] = sampleForm(tense, block.boxes[j]);
    }
    return *this;
}

VerbRecordBuilder &VerbRecordBuilder::payload(int lineInRecord, const QString &text)
{
    requireLine(lineInRecord);
    m_payloads[lineInRecord] = text;
    return *this;
}

VerbRecordBuilder &VerbRecordBuilder::rawLine(int lineInRecord, const QByteArray &bytes)
{
    requireLine(lineInRecord);
    m_rawLines[lineInRecord] = bytes;
    return *this;
}

QList<QByteArray> VerbRecordBuilder::lines() const
{
    const auto labels = lineLabels(m_category);
    QList<QByteArray> result;
    result.reserve(LineCount);
    for (int i = 0; i < LineCount; ++i) {
        if (const auto raw = m_rawLines.find(i); raw != m_rawLines.end()) {
            result.append(raw->second);
            continue;
        }
        if (i < HeaderLines && m_codes[i] == '\0') {
            result.append(QByteArray());
            continue;
        }
        const char first = i < HeaderLines ? m_codes[i] : ' ';
        QByteArray prefix = first + (QByteArray(" ") + labels[i].toLatin1());
        prefix = prefix.leftJustified(data::VerbFile::PrefixLength, ' ', true);
        result.append(prefix + encodeOrThrow(m_payloads[i]));
    }
    return result;
}

QString VerbRecordBuilder::sampleForm(int tense, int box)
{
    return QStringLiteral("t%1 E%2").arg(tense).arg(box);
}

QString VerbRecordBuilder::sampleCaption(int tense, int captionLine)
{
    return QStringLiteral("caption %1 of tense %2").arg(captionLine).arg(tense);
}

QByteArray joinLines(const QList<QByteArray> &lines, LineEnd lineEnd, bool finalLineEnd)
{
    const QByteArray end = lineEndBytes(lineEnd);
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += lines[i];
        if (finalLineEnd || i + 1 < lines.size())
            bytes += end;
    }
    return bytes;
}

QByteArray verbFileBytes(const QList<VerbRecordBuilder> &records, LineEnd lineEnd)
{
    QList<QByteArray> lines;
    for (const VerbRecordBuilder &record : records)
        lines += record.lines();
    return joinLines(lines, lineEnd);
}

QString writeVerbFile(const QString &directory, const QByteArray &bytes)
{
    const QString path = QDir(directory).filePath(QString::fromLatin1(data::VerbFile::FileName));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

QString writeVerbFile(const QString &directory, const QList<VerbRecordBuilder> &records,
                      LineEnd lineEnd)
{
    return writeVerbFile(directory, verbFileBytes(records, lineEnd));
}

QString writeVerbFile(const QTemporaryDir &directory, const QList<VerbRecordBuilder> &records,
                      LineEnd lineEnd)
{
    return writeVerbFile(directory.path(), records, lineEnd);
}

} // namespace testdata
