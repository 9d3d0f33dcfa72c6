// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFileFolder.h"

#include "data/VerbFile.h"

#include <QDir>
#include <QFileInfo>

namespace data {

namespace {

bool holdsVerbFile(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(VerbFile::FileName))).isFile();
}

} // namespace

QString verbFileFolder(const QString &workingDirectory, const QString &programDirectory)
{
    if (!holdsVerbFile(workingDirectory) && holdsVerbFile(programDirectory))
        return programDirectory;
    return workingDirectory;
}

} // namespace data
