// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/TextBoundaries.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace accessibility {

namespace {

constexpr int EndOfText = -1;

// Where the pieces of `text` start, and its length last: {0} for no text.
std::vector<int> pieceBorders(const QString &text, QAccessible::TextBoundaryType boundary)
{
    const int length = int(text.size());
    std::vector<int> borders{0};
    const auto addBorder = [&borders](int position) {
        if (position > borders.back())
            borders.push_back(position);
    };
    switch (boundary) {
    case QAccessible::CharBoundary:
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary: {
        const auto type = boundary == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                          : boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                  : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(type, text);
        // A word boundary that neither starts nor ends a word (between a space
        // and a bracket) keeps the run of spaces and signs together.
        const auto itemEdges = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
        for (int position = finder.toNextBoundary(); position > 0 && position < length;
             position = finder.toNextBoundary()) {
            if (type != QTextBoundaryFinder::Word || (finder.boundaryReasons() & itemEdges))
                addBorder(position);
        }
        break;
    }
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
        for (int position = 0; position < length; ++position)
            if (text[position] == u'\n')
                addBorder(position + 1);
        break;
    case QAccessible::NoBoundary:
        break;
    }
    addBorder(length);
    return borders;
}

TextSpan span(const QString &text, int start, int end)
{
    return {start, end, text.mid(start, end - start)};
}

} // namespace

TextSpan textSpan(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
                  TextSide side)
{
    const int length = int(text.size());
    if (offset == EndOfText)
        offset = length;
    if (offset < 0 || offset > length)
        return {};
    if (boundary == QAccessible::NoBoundary) // no pieces beside the whole
        return side == TextSide::At ? span(text, 0, length) : span(text, offset, offset);

    const std::vector<int> borders = pieceBorders(text, boundary);
    // The piece at the offset runs from borders[piece] to borders[piece + 1];
    // at the text's end no character stands, but the last word or line does.
    const bool noCharacterAtEnd = offset == length && boundary == QAccessible::CharBoundary;
    const auto after = std::upper_bound(borders.begin(), borders.end(), offset);
    int piece = int(after - borders.begin()) - 1;
    if (offset == length && !noCharacterAtEnd)
        piece = std::max(0, int(borders.size()) - 2);
    const int lastPiece = int(borders.size()) - 2; // -1 for no text

    switch (side) {
    case TextSide::At:
        if (noCharacterAtEnd || lastPiece < 0)
            return span(text, offset, offset);
        return span(text, borders[piece], borders[piece + 1]);
    case TextSide::Before:
        if (piece == 0)
            return span(text, 0, 0);
        return span(text, borders[piece - 1], borders[piece]);
    case TextSide::After:
        if (noCharacterAtEnd || piece >= lastPiece)
            return span(text, length, length);
        return span(text, borders[piece + 1], borders[piece + 2]);
    }
    return {};
}

} // namespace accessibility
