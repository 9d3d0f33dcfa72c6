// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeFramed.h"

#include <QTextEdit>

namespace widgets {

// Multi-line plain-text box with a self-painted two-pixel frame in one of the
// office frame styles. Enabled it shows the window colour, disabled the button
// face. (A QTextEdit rather than a QPlainTextEdit: only its layout narrows
// single paragraphs, which keeping last words company needs.)
class OfficeMemo : public OfficeFramed<QTextEdit> {
    Q_OBJECT
public:
    explicit OfficeMemo(QWidget *parent = nullptr);

    void setFlat(bool flat) { setFlatFlag(flat); } // keeps the styles

    OfficeBorderStyle currentFrameStyle() const { return textControlFrameStyle(); }

    // Tab stops every `blanks` blanks of the memo's font, so tab-indented
    // lines line up with lines indented by that many blanks. Kept when the
    // font changes; a hidden memo gets them when it is shown.
    void setTabStopInBlanks(int blanks);
    // Wraps a paragraph that would end in a row of one word alone a little
    // narrower, so that the word has company; the text itself is never
    // changed. Follows the memo's size, font and text.
    void setAvoidsLoneLastWords(bool avoid);
    bool avoidsLoneLastWords() const { return m_avoidsLoneLastWords; }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void paintFrame();
    void followEnabledColour();
    void applyTabStop();
    void fitParagraphWidths();   // when the text's width has changed
    void refitParagraphWidths(); // after a change of text, font or settings

    int m_tabStopInBlanks = 0;
    bool m_tabStopStale = false; // set while hidden, applied when shown
    bool m_avoidsLoneLastWords = false;
    bool m_fitting = false; // setting margins changes the text too
    int m_fittedWidth = -1;
};

} // namespace widgets
