// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeMemo.h"

#include "widgets/LoneWordWrap.h"
#include "widgets/OfficeFramePainter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>

namespace widgets {

namespace {
constexpr int FrameWidth = 2;
constexpr int CreatedHeight = 40;
// A paragraph is never narrowed by more than a quarter of the text's width.
constexpr int MostNarrowingPercent = 25;
} // namespace

OfficeMemo::OfficeMemo(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    // The scroll area's own frame is replaced by the painted one; text and
    // scroll bars sit inside it.
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    resize(width(), CreatedHeight);
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!m_fitting) // not the margins just set
            refitParagraphWidths();
    });
}

void OfficeMemo::setTabStopInBlanks(int blanks)
{
    m_tabStopInBlanks = blanks;
    applyTabStop();
    refitParagraphWidths();
}

void OfficeMemo::setAvoidsLoneLastWords(bool avoid)
{
    m_avoidsLoneLastWords = avoid;
    refitParagraphWidths();
}

void OfficeMemo::applyTabStop()
{
    if (m_tabStopInBlanks <= 0)
        return;
    // Measuring the blanks loads the font: a hidden memo (the help, at start-up) is
    // measured when it is shown.
    m_tabStopStale = !isVisible();
    if (m_tabStopStale)
        return;
    // The blanks as the text lays them out, not one blank's width times n,
    // which can round differently.
    const QString blanks(m_tabStopInBlanks, QLatin1Char(' '));
    setTabStopDistance(QFontMetricsF(document()->defaultFont()).horizontalAdvance(blanks));
}

void OfficeMemo::refitParagraphWidths()
{
    m_fittedWidth = -1;
    fitParagraphWidths();
}

void OfficeMemo::fitParagraphWidths()
{
    // A hidden memo is fitted when it is shown; one fitted at this width
    // already (the help panel opened again) is left as it is.
    const int width = int(document()->textWidth() - 2 * document()->documentMargin());
    if (!isVisible() || width == m_fittedWidth)
        return;
    m_fittedWidth = width;
    const QScopedValueRollback fitting(m_fitting, true);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int narrowing =
            m_avoidsLoneLastWords && width > 0
                ? narrowingAgainstLoneLastWord(block.text(), document()->defaultFont(),
                                               document()->defaultTextOption(), width,
                                               width * MostNarrowingPercent / 100)
                : 0;
        QTextBlockFormat format = block.blockFormat();
        if (format.rightMargin() == narrowing)
            continue;
        format.setRightMargin(narrowing);
        QTextCursor(block).setBlockFormat(format);
    }
}

void OfficeMemo::resizeEvent(QResizeEvent *event)
{
    OfficeFramed::resizeEvent(event); // sets the text's width
    fitParagraphWidths();
}

void OfficeMemo::showEvent(QShowEvent *event)
{
    OfficeFramed::showEvent(event);
    if (m_tabStopStale)
        applyTabStop(); // before the fitting, which lays the text out with the tab stops
    fitParagraphWidths();
}

bool OfficeMemo::event(QEvent *event)
{
    // The scroll area paints only its frame area itself (the text is the
    // viewport's); the painted frame goes on top of it.
    const bool handled = OfficeFramed::event(event);
    if (event->type() == QEvent::Paint)
        paintFrame();
    // The text erases its caret by repainting the caret's own rectangle, which at a
    // fractional scale can fall a pixel short and leave a sliver behind: all of it, then.
    if (event->type() == QEvent::FocusOut)
        viewport()->update();
    return handled;
}

void OfficeMemo::paintFrame()
{
    QPainter painter(this);
    paintControlFrame(painter, rect(), palette().color(backgroundRole()), currentFrameStyle(),
                      systemColors(palette()));
}

void OfficeMemo::followEnabledColour()
{
    // Enabled: the system's window colour; disabled: the button face.
    const SystemColors system = systemColors(QGuiApplication::palette());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, isEnabled() ? system.window : system.buttonFace);
    setPalette(colours);
}

void OfficeMemo::changeEvent(QEvent *event)
{
    OfficeFramed::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        followEnabledColour();
    if (event->type() == QEvent::FontChange) {
        applyTabStop();
        refitParagraphWidths();
    }
}

} // namespace widgets
