// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VerbFileChecker.h"

#include "data/VerbFile.h"

#include <QFont>
#include <QList>
#include <QString>

#include <functional>

namespace verbcheck {

// The two caption labels (principal parts and English meaning) start at
// x 609 of a window whose client area is 1014 pixels wide: 405 pixels of room.
constexpr int CaptionRoom = 405;

// The captions' lettering as the window sets it: "Franklin Gothic Medium" at
// 16 points, in the installed typeface the window draws it with (the design
// one or its substitute). Needs a QGuiApplication.
QFont captionFont();

// Every caption line the window shows that is wider than `room` pixels by
// `width`, one fault per line.
QList<Fault> checkCaptionWidths(const data::VerbFile &file,
                                const std::function<int(const QString &)> &width,
                                int room = CaptionRoom);

struct CaptionFigures {
    int over = 0;       // caption lines wider than the room
    int widest = 0;     // pixels
    QString widestText; // the widest caption line
};
CaptionFigures captionFigures(const data::VerbFile &file,
                              const std::function<int(const QString &)> &width,
                              int room = CaptionRoom);

} // namespace verbcheck
