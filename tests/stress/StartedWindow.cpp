// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartedWindow.h"

#include "support/WindowFixture.h"

#include "app/Unit1.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>
#include <unistd.h>

namespace stress {

StartedWindow::StartedWindow(const QString &directory)
{
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(directory);

    // Generous: a 200 MB file under the sanitizers takes a while, and a hang
    // shows as a failure here rather than as a test timeout.
    m_finished = testwindow::startWindow(m_form, m_messages, 120000);
}

StartedWindow::~StartedWindow()
{
    m_form.reset();
    QDir::setCurrent(m_previousDirectory);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

qint64 peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024; // kilobytes on Linux
}

} // namespace stress
