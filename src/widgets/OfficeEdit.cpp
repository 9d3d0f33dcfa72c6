// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeEdit.h"

#include "widgets/OfficeFramePainter.h"
#include "widgets/SharedStyle.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScopedValueRollback>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace widgets {

namespace {

constexpr int FrameWidth = 2;
constexpr int HeightAboveLine = 8; // frame, margins and room above and below the text
constexpr int TextIndent = 2;      // the base entry box's room on either side of its text
// The base entry box scrolls a text that needs its width plus one pixel for the
// caret; one pixel more absorbs its rounding of the text's width.
constexpr int CaretAndRounding = 2;
constexpr int SmallestPixels = 6; // a text without the focus shrinks down to this size

// The base entry box shows its caret whenever text gets selected, with or
// without the focus, under a style that blinks the caret over a selection
// (Fusion does): the selection kept on leaving a box, and Copy's select-all,
// left a steady caret in boxes the learner had left. Only the focused box
// shows one.
class CaretWithFocusOnlyStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus())
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// An entry, as opposed to the focus merely coming back: keyboard focus moves
// and the program's setFocus, while no mouse button is down.
bool isEntryWithoutMouse(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return false;
    default:
        return QGuiApplication::mouseButtons() == Qt::NoButton;
    }
}

} // namespace

OfficeEdit::OfficeEdit(QWidget *parent) : OfficeFramed(parent, textControlDefaultStyles())
{
    // The base draws no frame; this control paints its own in the outer pixels.
    setFrame(false);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    QWidget::setStyle(sharedStyle<CaretWithFocusOnlyStyle>());
    followFocusWithSelectionColours();
}

void OfficeEdit::setFlat(bool flat, FlatStyles styles)
{
    setFlatFlag(flat);
    if (styles == FlatStyles::Reset)
        setStyles(textControlDefaultStyles());
}

QRect OfficeEdit::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins());
}

QFont OfficeEdit::fontAt(int pixels) const
{
    QFont sized = font();
    if (pixels != QFontInfo(font()).pixelSize())
        sized.setPixelSize(pixels);
    return sized;
}

CaptionFit OfficeEdit::unfocusedFit() const
{
    const QString text = displayText();
    const int room = textArea().width() - 2 * TextIndent - CaretAndRounding;
    if (m_fitMemo && m_fitMemo->text == text && m_fitMemo->font == font() &&
        m_fitMemo->room == room)
        return m_fitMemo->fit;
    const CaptionFit fitted =
        fitCaption(QFontInfo(font()).pixelSize(), SmallestPixels, room, [&](int pixels) {
            return int(std::ceil(QFontMetricsF(fontAt(pixels)).horizontalAdvance(text)));
        });
    m_fitMemo = FitMemo{text, font(), room, fitted};
    return fitted;
}

void OfficeEdit::paintWholeText(QPainter &painter, const CaptionFit &fitted)
{
    // Over what the base drew (the text scrolled to its caret), the text from
    // its start.
    const QRect area = textArea();
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, palette().brush(QPalette::Base));
    painter.setFont(fontAt(fitted.pixelSize));
    painter.setPen(palette().color(QPalette::Text));
    const auto horizontal =
        QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    // Cut at the smallest size, the start shows.
    painter.drawText(area.adjusted(TextIndent, 0, -TextIndent, 0),
                     int(fitted.cut ? Qt::AlignLeft : horizontal) | Qt::AlignVCenter |
                         Qt::TextSingleLine,
                     displayText());
    painter.restore();
}

void OfficeEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (!hasFocus()) {
        if (const CaptionFit fitted = unfocusedFit(); fitted.shrunk || fitted.cut)
            paintWholeText(painter, fitted);
    }
    paintControlFrame(painter, rect(), palette().color(backgroundRole()), currentFrameStyle(),
                      systemColors(palette()));
    // A read-only box shows no caret: without these dots nothing would show
    // that it has the focus. In the text's colour, readable on the box's own.
    if (hasFocus() && isReadOnly())
        paintFocusDots(painter, rect().adjusted(3, 3, -3, -3), palette().color(QPalette::Text));
}

void OfficeEdit::focusInEvent(QFocusEvent *event)
{
    const QScopedValueRollback entering(m_beingEntered, true);
    OfficeFramed::focusInEvent(event);
    followFocusWithSelectionColours();
    if (isEntryWithoutMouse(event->reason()))
        selectAll();
}

void OfficeEdit::focusOutEvent(QFocusEvent *event)
{
    // The base entry box drops its selection when the focus moves on; keep it,
    // with the caret at the same end, so a later paste() still replaces it.
    const int start = selectionStart();
    const int length = selectionLength();
    const int caret = cursorPosition();
    OfficeFramed::focusOutEvent(event);
    if (length > 0 && !hasSelectedText()) {
        if (caret == start)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
    followFocusWithSelectionColours();
}

void OfficeEdit::changeEvent(QEvent *event)
{
    OfficeFramed::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), fontMetrics().height() + HeightAboveLine);
    if (event->type() == QEvent::PaletteChange) // a new background or text colour
        followFocusWithSelectionColours();
}

QRect OfficeEdit::characterRect(int offset) const
{
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // A box without the focus may draw a long text whole at a smaller size.
    const CaptionFit fitted = hasFocus() ? CaptionFit{} : unfocusedFit();
    const bool drawnWhole = fitted.shrunk || fitted.cut;
    // Laid out as the box lays out its line.
    QTextLayout layout(shown, drawnWhole ? fontAt(fitted.pixelSize) : font());
    QTextOption option;
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int height = qCeil(line.height());
    QPoint origin;
    if (drawnWhole) {
        // Where paintWholeText puts it: from the text area's start.
        const auto horizontal = fitted.cut
                                    ? Qt::AlignLeft
                                    : QStyle::visualAlignment(layoutDirection(), alignment()) &
                                          Qt::AlignHorizontal_Mask;
        origin = QStyle::alignedRect(layoutDirection(), horizontal | Qt::AlignVCenter,
                                     QSize(qCeil(line.naturalTextWidth()), height),
                                     textArea().adjusted(TextIndent, 0, -TextIndent, 0))
                     .topLeft();
    } else {
        // Placed by the caret, which the base box puts where it draws the
        // text (margins, alignment, scrolling); its rectangle reaches 5 pixels
        // left of the caret line.
        const QRect caret = cursorRect();
        origin = QPoint(caret.left() + 5 - qRound(line.cursorToX(cursorPosition())), caret.top());
    }
    const int left = origin.x() + qRound(line.cursorToX(offset));
    const int right = origin.x() + qRound(line.cursorToX(offset + 1));
    return QRect(std::min(left, right), origin.y(), std::abs(right - left), height);
}

void OfficeEdit::followFocusWithSelectionColours()
{
    const QPalette inherited =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    QPalette colours = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (hasFocus()) {
            colours.setColor(group, QPalette::Highlight,
                             inherited.color(group, QPalette::Highlight));
            colours.setColor(group, QPalette::HighlightedText,
                             inherited.color(group, QPalette::HighlightedText));
        } else {
            colours.setColor(group, QPalette::Highlight, colours.color(group, QPalette::Base));
            colours.setColor(group, QPalette::HighlightedText,
                             colours.color(group, QPalette::Text));
        }
    }
    // Setting an equal palette would only come back here as another change.
    if (colours != palette())
        setPalette(colours);
}

} // namespace widgets
