// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/CaptionFit.h"
#include "widgets/OfficeFramed.h"

#include <QLineEdit>

#include <optional>

namespace widgets {

// Single-line entry box with a self-painted two-pixel frame in one of the
// office frame styles, chosen by state (Flat, focus, pointer inside).
//
// Editing is the base entry box's, with the selection kept the way a learner
// copying and pasting between boxes needs it: the box keeps its selection
// (or caret) while another control has the focus, so a later paste() replaces
// that selection or lands at the caret; entering the box with Tab, Backtab or
// from the program (setFocus) selects the whole text, entering it with a mouse
// click places the caret, and getting the focus back because the window was
// re-activated or a popup closed changes nothing. The kept selection and the
// caret are shown only while the box has the focus.
//
// A read-only box draws focus dots inside its frame while it has the focus.
//
// Without the focus the box shows its text from the start: a text wider than
// the box is drawn whole, at the largest size that fits (cut at the smallest).
// With the focus it scrolls as any entry box does.
//
// Its height follows its font: on every font change it becomes the font's
// line height plus 8 pixels.
class OfficeEdit : public OfficeFramed<QLineEdit> {
    Q_OBJECT
public:
    // How setFlat treats the three frame styles.
    enum class FlatStyles {
        Reset, // run-time setting: the styles go back to their defaults
        Keep,  // loading the window's design: the styles already set stay
    };

    explicit OfficeEdit(QWidget *parent = nullptr);

    void setFlat(bool flat, FlatStyles styles = FlatStyles::Reset);

    // The style the frame is drawn in right now.
    OfficeBorderStyle currentFrameStyle() const { return textControlFrameStyle(); }

    // Assistive technology: where character `offset` of the text stands in
    // the box (empty outside the text), and whether the box is taking the
    // focus right now (its entering selection is then no news to a screen
    // reader, which reads the selection with the focus).
    QRect characterRect(int offset) const;
    bool isBeingEntered() const { return m_beingEntered; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Where the base entry box draws its text.
    QRect textArea() const;
    QFont fontAt(int pixels) const;
    // The size the text is drawn at without the focus.
    CaptionFit unfocusedFit() const;
    void paintWholeText(QPainter &painter, const CaptionFit &fitted);

    // Without the focus the selection colours are the box's own background and
    // text colours; with it, the ones the box would inherit.
    void followFocusWithSelectionColours();

    // The last fit, kept while text, font and room stay: every repaint of a
    // box without the focus asks for it.
    struct FitMemo {
        QString text;
        QFont font;
        int room = 0;
        CaptionFit fit;
    };
    mutable std::optional<FitMemo> m_fitMemo;
    bool m_beingEntered = false;
};

} // namespace widgets
