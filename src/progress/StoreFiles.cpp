// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace progress {

namespace {

const QStringList Companions = {QStringLiteral("-wal"), QStringLiteral("-shm"),
                                QStringLiteral("-journal")};

bool taken(const QString &path)
{
    if (QFileInfo::exists(path))
        return true;
    for (const QString &suffix : Companions) {
        if (QFileInfo::exists(path + suffix))
            return true;
    }
    return false;
}

} // namespace

QStringList storeFiles(const QString &databasePath)
{
    QStringList files{databasePath};
    for (const QString &suffix : Companions)
        files << databasePath + suffix;
    return files;
}

QString asideName(const QString &databasePath, const QString &label, const QDateTime &localTime)
{
    const QString base = databasePath + QLatin1Char('.') + label + QLatin1Char('-') +
                         localTime.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; taken(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

std::optional<QString> moveAside(const QString &databasePath, const QString &label,
                                 const QDateTime &localTime, QString *error)
{
    const QString aside = asideName(databasePath, label, localTime);
    QStringList moved; // suffixes, "" for the database itself
    for (const QString &suffix : QStringList{QString()} + Companions) {
        const QString from = databasePath + suffix;
        if (!suffix.isEmpty() && !QFileInfo::exists(from))
            continue;
        // QFile::rename never replaces an existing file.
        QFile file(from);
        if (!file.rename(aside + suffix)) {
            *error = file.errorString();
            // All or nothing: a log without its database would be read into the next one.
            for (const QString &back : moved)
                QFile::rename(aside + back, databasePath + back);
            return std::nullopt;
        }
        moved << suffix;
    }
    return aside;
}

bool removeStoreFiles(const QString &databasePath, QString *error)
{
    // The log before its database: a log left without one would be read into the next file
    // made under that name.
    QStringList files = storeFiles(databasePath);
    files.move(0, files.size() - 1);
    for (const QString &path : files) {
        QFile file(path);
        if (file.exists() && !file.remove()) {
            *error =
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
            return false;
        }
    }
    return true;
}

} // namespace progress
