// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionWidth.h"

#include "appearance/FontGroups.h"
#include "appearance/FontSubstitutes.h"
#include "data/RecordLayout.h"

#include <QSet>

namespace verbcheck {

namespace {

constexpr int CaptionPointSize = 16;

// Calls `visit(record, recordLine, text)` for each caption line a category reads.
template <typename Visit> void forEachCaption(const data::VerbFile &file, Visit visit)
{
    forEachTenseBlock(file, [&](qsizetype record, const data::TenseBlock &block) {
        for (const int line : {block.captionLine1(), block.captionLine2()})
            visit(record, line, data::payloadText(file.recordLine(record, line)));
    });
}

} // namespace

QFont captionFont()
{
    QFont font(appearance::installedTypeface(appearance::designTypeface()));
    font.setPointSize(CaptionPointSize);
    return font;
}

QList<Fault> checkCaptionWidths(const data::VerbFile &file,
                                const std::function<int(const QString &)> &width, int room)
{
    QList<Fault> faults;
    QSet<QPair<qsizetype, QString>> reported; // a record's caption once, at its first line
    forEachCaption(file, [&](qsizetype record, int line, const QString &text) {
        if (reported.contains({record, text}))
            return;
        reported.insert({record, text});
        const int pixels = width(text);
        if (pixels > room)
            faults.append({record * data::VerbFile::LinesPerRecord + line, record, line,
                           QStringLiteral("caption \"%1\" is %2 pixels wide; its label has %3")
                               .arg(text)
                               .arg(pixels)
                               .arg(room)});
    });
    return faults;
}

CaptionFigures captionFigures(const data::VerbFile &file,
                              const std::function<int(const QString &)> &width, int room)
{
    CaptionFigures figures;
    QSet<QPair<qsizetype, QString>> counted; // each record's caption text once
    forEachCaption(file, [&](qsizetype record, int, const QString &text) {
        if (counted.contains({record, text}))
            return;
        counted.insert({record, text});
        const int pixels = width(text);
        figures.over += pixels > room ? 1 : 0;
        if (pixels > figures.widest) {
            figures.widest = pixels;
            figures.widestText = text;
        }
    });
    return figures;
}

} // namespace verbcheck
