// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/WindowFixture.h"

#include <QList>
#include <QString>

#include <memory>

namespace app {
class TForm1;
}

namespace stress {

// A message box the window showed while starting.
using StartUpMessage = testwindow::ShownMessage;

// Starts the real window with `directory` as the working directory, whatever
// "Verb12Data.txt" is there (a huge file, a directory, an unreadable file),
// and waits until it is shown and has finished loading. Message boxes shown
// meanwhile are recorded and closed with their default button.
class StartedWindow {
public:
    explicit StartedWindow(const QString &directory);
    ~StartedWindow();

    app::TForm1 &form() { return *m_form; }
    const QList<StartUpMessage> &messages() const { return m_messages; }
    bool finishedLoading() const { return m_finished; }

private:
    QString m_previousDirectory;
    std::unique_ptr<app::TForm1> m_form;
    QList<StartUpMessage> m_messages;
    bool m_finished = false;
};

// Resident memory of this process now, and its peak so far, in bytes.
qint64 residentBytes();
qint64 peakResidentBytes();

} // namespace stress
