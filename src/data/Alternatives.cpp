// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/Alternatives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace data {

Alternatives::Reading Alternatives::fromText(QByteArrayView bytes)
{
    Reading reading;
    std::vector<AlternativesLine> lines;
    if (const auto fault = parseAlternativesText(bytes, lines)) {
        reading.fault = fault;
        return reading;
    }
    auto &verbs = reading.alternatives.m_verbs;
    for (const AlternativesLine &line : lines) {
        QHash<int, QStringList> &boxes = verbs[line.verb];
        for (int box : line.boxes) {
            QStringList &forms = boxes[key(line.tense, box)];
            for (const QString &form : line.forms) {
                if (!forms.contains(form))
                    forms << form;
            }
        }
    }
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
    const auto found = m_verbs.constFind(verb.trimmed());
    return found == m_verbs.cend() ? QStringList() : found->value(key(tense, box));
}

} // namespace data
