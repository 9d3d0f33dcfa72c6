// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editing/HelpText.h"

namespace editing {

const QStringList &helpParagraphs()
{
    // Doubled blanks and the tabs are part of the text. A paragraph is one
    // source line, however long; the memo wraps it at its width.
    // clang-format off
    static const QStringList paragraphs = {
        QStringLiteral("German Verb Zandrel Version 1.2"),
        QStringLiteral(""),
        QStringLiteral("Keys"),
        QStringLiteral("Every command has a key that works from any control, so the box you are typing in stays the active box:"),
        QStringLiteral("Alt+T: Test Answers. A wrong box then says \"wrong answer\" to a screen reader. Alt+Shift+T: its Restore."),
        QStringLiteral("Alt+A: Show All. Alt+Shift+A: its Restore."),
        QStringLiteral("Alt+C: Show Correct in the active box. Alt+Shift+C: its Restore."),
        QStringLiteral("Alt+R: Show Random in the active box."),
        QStringLiteral("Ctrl+Shift+C: Copy the active box. Ctrl+Shift+V: Paste where its caret stood."),
        QStringLiteral("F5, F6, F7 and F8: type ä, ö, ü and ß in an edit box or the 'Alpha' box."),
        QStringLiteral("Alt+Y: show or hide the verb type. Alt+F: show or hide the font lists."),
        QStringLiteral("Alt+B: go to the active box of the board. Alt+L: go to the 'Alpha' box, where Return looks the verb up."),
        QStringLiteral("F1: open this help. Esc: close it."),
        QStringLiteral(""),
        QStringLiteral("1. Note the way that the clipboard works.  It is not necessary to highlight the contents of an edit box; merely clicking into the edit box will ready the contents for copying. However, when pasting, the position of the cursor is noted, and the paste takes place there.  Copy/Paste is prominent because it is a way to study conjugation forms.  For example, you may want to take the first person singular form, paste it into other edit boxes, and then play with the endings until they are correct."),
        QStringLiteral(""),
        QStringLiteral("2. The 'Test Answers' button is a basic way to test your answers.  If  an edit box contains an incorrect answer, it turns orange when the 'Test Answers' button is pressed.  Make changes and press the 'Test Answers' button as many times as necessary, until it turns white, at which time the answer is correct."),
        QStringLiteral(""),
        QStringLiteral("3. The 'Show All' button shows all the verb conjugation forms.  You may want to use this initially to study a particular verb, then press 'Restore' to erase the forms before trying to write them on your own."),
        QStringLiteral(""),
        QStringLiteral("4. The 'Show Correct' button shows the correct answer for one single edit box at a time."),
        QStringLiteral(""),
        QStringLiteral("5. When the 'Show Random' button is pressed it shows one random character of the active edit box.  If pressed additional times, additional characters appear, until the entire form is shown, scrambled."),
        QStringLiteral(""),
        QStringLiteral("6. For the special characters, buttons are provided.  Shortcut keys are also available for these:"),
        QStringLiteral("\tä = F5"),
        QStringLiteral("\tö = F6"),
        QStringLiteral("\tü = F7"),
        QStringLiteral("                ß = F8"),
        QStringLiteral(""),
        QStringLiteral("7. All installed fonts should be available.  The default font is Franklin Gothic Medium. In the font size combo box, the size adjustment (8, 9, 10, 11, 12) affects only the user edit boxes."),
        QStringLiteral(""),
        QStringLiteral("8. With a data list as long as the Zandrel's, it is important that the 'Verb List' combo box functions well.  Note that when the drop-down list is dropped down, and the cursor is in the list, the mouse wheel scrolls.  The mouse wheel also scrolls when either the 'Verb List' or 'Tense' combo box is selected but not dropped down."),
        QStringLiteral(""),
        QStringLiteral("9. The 'Alpha' edit box is used to navigate to within one entry of the submitted character string.  If searching for a reflexive verb, do not enter 'sich'.  A narrow button, or keyboard 'Return', initiates the look-up."),
        QStringLiteral(""),
        QStringLiteral("10. Pressing the 'Type' button, located below the green panel, reveals the verb type, the choices being:  weak, strong, mixed, modal, and irregular.  It will continue to display the verb types until pressed a second time."),
        QStringLiteral(""),
        QStringLiteral("11. The 'Secret Check Box', located on the lower border of the Help Panel, locks the 'Show All' button.  This mode enables a parade of verb forms in response to mouse wheel or arrow keys, after selecting either 'Verb List' or 'Tense' combo box (combo box must show focus highlighting).  The scrolling effect also works with the Font Combo Box.  Unchecking the box releases the 'Show All' button."),
        QStringLiteral(""),
        QStringLiteral("12. On the right hand side of the interface is a small button enclosing a number, usually '1'.  The number refers to possible variants in participle form.  Obviously the Zandrel shows a single variant for all verbs."),
    };
    // clang-format on
    return paragraphs;
}

} // namespace editing
