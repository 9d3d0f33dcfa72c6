// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

#include <stdexcept>

namespace tools {

// The whole of a UTF-8 text file the tools read (tables, dictionaries,
// corpora); a file that cannot be read stops the tool with its reason.
inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace tools
