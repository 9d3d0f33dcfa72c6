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

// Calls `visit(record, recordLine, text)` for each caption line a category
// reads, a record's caption text once, at its first line.
template <typename Visit> void forEachCaption(const data::VerbFile &file, Visit visit)
{
    QSet<QPair<qsizetype, QString>> seen;
    forEachTenseBlock(file, [&](qsizetype record, const data::TenseBlock &block) {
        for (const int line : {block.captionLine1(), block.captionLine2()}) {
            const QString text = data::payloadText(file.recordLine(record, line));
            if (!seen.contains({record, text})) {
                seen.insert({record, text});
                visit(record, line, text);
            }
        }
    });
}

} // namespace

QFont captionFont(int pixels)
{
    QFont font(appearance::installedTypeface(appearance::designTypeface()));
    if (pixels > 0)
        font.setPixelSize(pixels);
    else
        font.setPointSize(CaptionPointSize);
    return font;
}

QList<WideCaption> wideCaptions(const data::VerbFile &file,
                                const std::function<int(const QString &)> &width, int room)
{
    QList<WideCaption> wide;
    forEachCaption(file, [&](qsizetype record, int line, const QString &text) {
        if (const int pixels = width(text); pixels > room)
            wide.append({record, line, text, pixels});
    });
    return wide;
}

QList<Fault> checkCaptionWidths(const data::VerbFile &file,
                                const std::function<int(const QString &)> &smallestWidth, int room)
{
    QList<Fault> faults;
    forEachCaption(file, [&](qsizetype record, int line, const QString &text) {
        const int pixels = smallestWidth(text);
        if (pixels > room)
            faults.append({record * data::VerbFile::LinesPerRecord + line, record, line,
                           QStringLiteral("caption \"%1\" is %2 pixels wide even at %3 px; its "
                                          "label has %4, so the window cuts it")
                               .arg(text)
                               .arg(pixels)
                               .arg(SmallestCaptionPixels)
                               .arg(room)});
    });
    return faults;
}

CaptionFigures captionFigures(const data::VerbFile &file,
                              const std::function<int(const QString &)> &width, int room)
{
    CaptionFigures figures;
    forEachCaption(file, [&](qsizetype, int, const QString &text) {
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
