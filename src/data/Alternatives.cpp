// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/Alternatives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace data {

namespace {

int boxKey(int tense, int box)
{
    return tense * 64 + box;
}

} // namespace

Alternatives::Reading Alternatives::fromText(QByteArrayView bytes)
{
    Reading reading;
    Alternatives &alternatives = reading.alternatives;
    const auto fault =
        scanAlternativesText(bytes, alternatives.m_text, [&](const AlternativesLineView &line) {
            for (int i = 0; i < line.boxCount; ++i)
                alternatives.m_boxes.push_back(
                    {line.verb, boxKey(line.tense, line.boxes[i]), line.forms});
        });
    if (fault)
        return Reading{{}, fault};
    std::stable_sort(alternatives.m_boxes.begin(), alternatives.m_boxes.end(),
                     [](const BoxLine &a, const BoxLine &b) {
                         return a.verb != b.verb ? a.verb < b.verb : a.key < b.key;
                     });
    return reading;
}

Alternatives::Reading Alternatives::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return {};
    const auto faultOfFile = [&](const QString &problem) {
        return Reading{{}, AlternativesFault{0, QStringLiteral("%1 %2").arg(path, problem)}};
    };
    if (info.size() > MaxFileSize)
        return faultOfFile(QStringLiteral("is larger than %1 MB").arg(MaxFileSize >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return faultOfFile(QStringLiteral("cannot be read: ") + file.errorString());
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return faultOfFile(QStringLiteral("cannot be read: ") + file.errorString());
    if (bytes.size() > MaxFileSize)
        return faultOfFile(QStringLiteral("is larger than %1 MB").arg(MaxFileSize >> 20));
    return fromText(bytes);
}

QString Alternatives::pathBeside(const QString &verbFilePath)
{
    return QFileInfo(verbFilePath).dir().filePath(QString::fromLatin1(FileName));
}

QStringList Alternatives::of(const QString &verb, int tense, int box) const
{
    const BoxLine wanted{QStringView(verb).trimmed(), boxKey(tense, box), {}};
    const auto [first, last] = std::equal_range(
        m_boxes.begin(), m_boxes.end(), wanted, [](const BoxLine &a, const BoxLine &b) {
            return a.verb != b.verb ? a.verb < b.verb : a.key < b.key;
        });
    QStringList forms;
    for (auto line = first; line != last; ++line) {
        for (const QString &form : alternativeForms(line->forms)) {
            if (!forms.contains(form))
                forms << form;
        }
    }
    return forms;
}

qsizetype Alternatives::verbCount() const
{
    qsizetype count = 0;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        count += i == 0 || m_boxes[i].verb != m_boxes[i - 1].verb;
    return count;
}

} // namespace data
