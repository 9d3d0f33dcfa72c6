// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The editing aids: copy and paste, special characters, the look-up, the type
// and help panels, and the colours worked out again for a new desktop palette.
// Copy, paste and the characters act on the active box, never on the focused
// control: pressing a button moves the focus to the button.
#include "app/Unit1.h"

#include "access/AccessibilityUpdateFilter.h"
#include "app/ControlTable.h"
#include "app/DesignedControls.h"
#include "app/WindowScale.h"
#include "appearance/Contrast.h"
#include "editing/HelpText.h"
#include "editing/LookUp.h"
#include "lists/FlatComboBox.h"
#include "widgets/ModalPanel.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

#include <QScrollBar>

namespace app {

widgets::OfficeEdit *TForm1::activeEditor() const
{
    if (m_practice.activeBox() != practice::PracticeState::NoBox)
        return m_boxes[m_practice.activeBox() - 1];
    return m_practice.lookUpActive() ? AlphaEdit : nullptr;
}

void TForm1::leftCopyClick()
{
    // The look-up box is never copied from.
    if (m_practice.activeBox() == practice::PracticeState::NoBox)
        return;
    widgets::OfficeEdit *box = m_boxes[m_practice.activeBox() - 1];
    box->selectAll();
    box->copy();
}

void TForm1::leftPasteClick()
{
    if (widgets::OfficeEdit *editor = activeEditor())
        editor->paste();
}

void TForm1::ReturnCursor()
{
    widgets::OfficeEdit *editor = activeEditor();
    // A hidden box cannot take the focus; the focus then stays where it is.
    if (!editor || !editor->isVisibleTo(this))
        return;
    editor->setFocus(Qt::OtherFocusReason);
    editor->deselect();
    editor->setCursorPosition(int(editor->text().size()));
}

void TForm1::insertSpecialCharacter(QChar character)
{
    SpChar->clear();
    SpChar->setText(character);
    SpChar->selectAll();
    SpChar->copy();
    leftPasteClick();
    ReturnCursor();
    // A screen reader echoes typed letters, not what a function key typed.
    if (activeEditor())
        announce(character);
}

void TForm1::btnUmlautaClick()
{
    insertSpecialCharacter(QChar(0xE4));
}
void TForm1::btnUmlautoClick()
{
    insertSpecialCharacter(QChar(0xF6));
}
void TForm1::btnUmlautuClick()
{
    insertSpecialCharacter(QChar(0xFC));
}
void TForm1::btnSzetClick()
{
    insertSpecialCharacter(QChar(0xDF));
}

void TForm1::KeyDown(int key)
{
    // Separate tests, as the keys are independent; modifiers are not looked at.
    if (key == Qt::Key_F5)
        btnUmlautaClick();
    if (key == Qt::Key_F6)
        btnUmlautoClick();
    if (key == Qt::Key_F7)
        btnUmlautuClick();
    if (key == Qt::Key_F8)
        btnSzetClick();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_practice.lookUpActive())
        InitializeComboBoxes();
}

void TForm1::InitializeComboBoxes()
{
    QStringList entries;
    entries.reserve(ComboBox1->count());
    for (int i = 0; i < ComboBox1->count(); ++i)
        entries.append(ComboBox1->itemText(i));
    const QLocale collation = editing::lookUpCollationLocale(QLocale().collation());
    const int entry =
        editing::lookUpEntry(entries, AlphaEdit->text(), editing::collatedOrder(collation));
    if (entry >= 0)
        ComboBox1->setCurrentIndex(entry);
    RefreshEBoxes();
    // The next letters typed start a new look-up rather than lengthen this one;
    // the board's announcement is all a screen reader says of it.
    const accessibility::QuietTextChange quiet(AlphaEdit);
    AlphaEdit->selectAll();
}

void TForm1::setTypePanelLook(bool revealed)
{
    m_typeRevealed = revealed;
    const QColor background = palette().color(revealed ? QPalette::Base : QPalette::Button);
    const QColor text = revealed ? QColor(191, 14, 4) : QColor(Qt::black);
    QPalette colours = panTy->palette();
    colours.setColor(panTy->backgroundRole(), background);
    // The panel draws its caption in its foreground role.
    colours.setColor(panTy->foregroundRole(), appearance::readableOn(background, text));
    panTy->setPalette(colours);
}

void TForm1::panTyClick()
{
    if (panTy->caption() == QLatin1String("Type")) {
        setTypePanelLook(true);
        panTy->setCaption(m_typeName);
        announce(QStringLiteral("Type: ") + m_typeName);
    } else if (panTy->caption() == m_typeName) {
        setTypePanelLook(false);
        panTy->setCaption(QStringLiteral("Type"));
        announce(QStringLiteral("Type hidden"));
    }
}

QWidget *TForm1::focusBackFromHelp() const
{
    // "H" itself is nowhere to type: the box being worked on, else where the
    // focus was before "H" took it.
    widgets::OfficeEdit *editor = activeEditor();
    if (editor && editor->isVisibleTo(this))
        return editor;
    return m_focusBeforeHelpButton;
}

void TForm1::btnHelpClick()
{
    QWidget *focusBack = focusWidget() == btnHelp ? focusBackFromHelp() : nullptr;
    m_help->open(scaled(HelpPanelOpenPlace, m_designScale), focusBack);
    HelpMemo->moveCursor(QTextCursor::Start); // at its top, however far it was read
    HelpMemo->verticalScrollBar()->setValue(0);
    announce(QStringLiteral("Help open. Esc closes it"));
}

void TForm1::btnHelpCloseClick()
{
    m_help->close();
    announce(QStringLiteral("Help closed"));
}

bool TForm1::focusNextPrevChild(bool next)
{
    // While the help is open, Tab and Shift+Tab stay among its controls.
    return m_help->moveFocus(next) || QWidget::focusNextPrevChild(next);
}

void TForm1::FormPaletteChange()
{
    applyDesignedColours(this);
    setTypePanelLook(m_typeRevealed);
    colourBoxes();
}

} // namespace app
