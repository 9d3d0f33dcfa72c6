// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/LoneWordWrap.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

bool isOneWord(const QString &row)
{
    const QString word = row.trimmed();
    return !word.isEmpty() &&
           std::none_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); });
}

struct Wrapped {
    bool endsInALoneWord = false;
    qreal widestRow = 0; // no break moves until the width drops below this
};

Wrapped wrapAt(const QString &paragraph, const QFont &font, const QTextOption &option, int width)
{
    QTextLayout layout(paragraph, font);
    layout.setTextOption(option);
    Wrapped wrapped;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        wrapped.widestRow = std::max(wrapped.widestRow, row.naturalTextWidth());
    }
    layout.endLayout();
    if (layout.lineCount() > 1) {
        const QTextLine last = layout.lineAt(layout.lineCount() - 1);
        wrapped.endsInALoneWord = isOneWord(paragraph.mid(last.textStart(), last.textLength()));
    }
    return wrapped;
}

} // namespace

int narrowingAgainstLoneLastWord(const QString &paragraph, const QFont &font,
                                 const QTextOption &option, int width, int mostNarrowing)
{
    // Only the widths where some row gives up its last word are tried: in
    // between, the paragraph breaks as it does at the wider one.
    for (int tried = width; tried > 0 && width - tried <= mostNarrowing;) {
        const Wrapped wrapped = wrapAt(paragraph, font, option, tried);
        if (!wrapped.endsInALoneWord)
            return width - tried;
        tried = std::min(tried, int(std::ceil(wrapped.widestRow))) - 1;
    }
    return 0;
}

} // namespace widgets
