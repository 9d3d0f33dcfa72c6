// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbRanks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <optional>

namespace data {

namespace {

std::optional<VerbLevel> levelNamed(QByteArrayView name)
{
    if (name == "A1")
        return VerbLevel::A1;
    if (name == "A2")
        return VerbLevel::A2;
    if (name == "B1")
        return VerbLevel::B1;
    if (name == "-")
        return VerbLevel::None;
    return std::nullopt;
}

QString tooLarge()
{
    return QStringLiteral("larger than %1 MB").arg(VerbRanks::MaxBytes / (1024 * 1024));
}

QString lineSays(qsizetype line, const QString &what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

} // namespace

VerbRanks VerbRanks::unranked(qsizetype verbCount, Status status, const QString &damage)
{
    VerbRanks ranks;
    ranks.m_status = status;
    ranks.m_damage = damage;
    for (qsizetype index = 0; index < verbCount; ++index)
        ranks.m_order.append(index);
    ranks.m_levels = QList<VerbLevel>(verbCount, VerbLevel::None);
    return ranks;
}

VerbRanks VerbRanks::parse(QByteArrayView utf8, const QStringList &verbNames)
{
    const auto damaged = [&](const QString &what) {
        return unranked(verbNames.size(), Status::Damaged, what);
    };
    if (utf8.size() > MaxBytes)
        return damaged(tooLarge());
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8 = utf8.sliced(3);

    QHash<QString, qsizetype> indexOf;
    for (qsizetype index = verbNames.size() - 1; index >= 0; --index)
        indexOf.insert(verbNames[index], index); // the first of a name listed twice
    QHash<QString, qsizetype> namedOn;           // verb -> the line that ranks it
    VerbRanks ranks;
    ranks.m_status = Status::Read;
    ranks.m_levels = QList<VerbLevel>(verbNames.size(), VerbLevel::None);
    QList<bool> ranked(verbNames.size(), false);
    qsizetype lineNumber = 0;
    for (qsizetype start = 0; start < utf8.size();) {
        qsizetype end = utf8.indexOf('\n', start);
        end = end < 0 ? utf8.size() : end;
        QByteArrayView line = utf8.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0)
            return damaged(lineSays(lineNumber, QStringLiteral("no tab between level and verb")));
        const std::optional<VerbLevel> level = levelNamed(line.first(tab));
        if (!level)
            return damaged(lineSays(lineNumber, QStringLiteral("unknown level \"%1\" (A1, A2, B1 "
                                                               "or -)")
                                                    .arg(QString::fromUtf8(line.first(tab)))));
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString name = QString(decoder.decode(line.sliced(tab + 1))).trimmed();
        if (decoder.hasError())
            return damaged(lineSays(lineNumber, QStringLiteral("not UTF-8")));
        if (name.isEmpty())
            return damaged(lineSays(lineNumber, QStringLiteral("no verb after the level")));
        if (namedOn.contains(name))
            return damaged(lineSays(lineNumber, QStringLiteral("\"%1\" is ranked twice (first "
                                                               "on line %2)")
                                                    .arg(name)
                                                    .arg(namedOn.value(name))));
        namedOn.insert(name, lineNumber);
        const auto found = indexOf.constFind(name);
        if (found == indexOf.cend()) {
            ranks.m_skipped.append(name);
            continue;
        }
        ranks.m_order.append(*found);
        ranks.m_levels[*found] = *level;
        ranked[*found] = true;
    }
    for (qsizetype index = 0; index < verbNames.size(); ++index) {
        if (!ranked[index])
            ranks.m_order.append(index);
    }
    return ranks;
}

VerbRanks VerbRanks::read(const QString &path, const QStringList &verbNames)
{
    const QFileInfo info(path);
    if (!info.exists())
        return unranked(verbNames.size(), Status::Missing);
    if (!info.isFile())
        return unranked(verbNames.size(), Status::Damaged, QStringLiteral("not a file"));
    if (info.size() > MaxBytes)
        return unranked(verbNames.size(), Status::Damaged, tooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unranked(verbNames.size(), Status::Damaged,
                        QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unranked(verbNames.size(), Status::Damaged,
                        QStringLiteral("cannot be read: %1").arg(file.errorString()));
    return parse(bytes, verbNames);
}

QString VerbRanks::pathBeside(const QString &verbFilePath)
{
    return QFileInfo(verbFilePath).dir().filePath(QString::fromLatin1(FileName));
}

VerbLevel VerbRanks::level(qsizetype index) const
{
    return index >= 0 && index < m_levels.size() ? m_levels[index] : VerbLevel::None;
}

} // namespace data
