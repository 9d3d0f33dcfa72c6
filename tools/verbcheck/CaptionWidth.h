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
// one or its substitute); at `pixels` when given, the size a caption wider
// than its label is drawn at. Needs a QGuiApplication.
QFont captionFont(int pixels = 0);

// The smallest size the window draws a caption at; below it, it cuts one.
constexpr int SmallestCaptionPixels = 12;

// A caption line wider than its label at the design size: the window draws it
// smaller, down to SmallestCaptionPixels.
struct WideCaption {
    qsizetype record = 0;
    int recordLine = 0;
    QString text;
    int pixels = 0; // at the design size
};
// Each record's wide caption lines, each text once, measured by `width`.
QList<WideCaption> wideCaptions(const data::VerbFile &file,
                                const std::function<int(const QString &)> &width,
                                int room = CaptionRoom);

// Every caption line wider than `room` pixels even as `smallestWidth`
// measures it at the smallest size, one fault per record and text: the
// window would cut it.
QList<Fault> checkCaptionWidths(const data::VerbFile &file,
                                const std::function<int(const QString &)> &smallestWidth,
                                int room = CaptionRoom);

struct CaptionFigures {
    int over = 0;       // caption lines wider than the room, drawn smaller
    int widest = 0;     // pixels
    QString widestText; // the widest caption line
};
CaptionFigures captionFigures(const data::VerbFile &file,
                              const std::function<int(const QString &)> &width,
                              int room = CaptionRoom);

} // namespace verbcheck
