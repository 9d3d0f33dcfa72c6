// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's lettering: the default font set on every activation, the font
// chooser, and the style and size lists. Which control gets what is decided in
// appearance/; these handlers only read the lists and apply the result.
#include "app/Unit1.h"

#include "app/DesignedControls.h"
#include "appearance/FontGroups.h"
#include "appearance/FontStyle.h"
#include "appearance/FontSubstitutes.h"
#include "fonts/FlatFontComboBox.h"
#include "lists/FlatComboBox.h"

#include <QLabel>

namespace app {

namespace {

// Labels size themselves to their caption, so a new font must not clip it.
void fitToCaption(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->adjustSize();
}

// The sizes at the window's scale: a window drawn smaller has smaller lettering.
void applyLettering(const QWidget &window, const std::vector<appearance::ControlLettering> &steps,
                    double scale)
{
    for (const appearance::ControlLettering &step : steps) {
        QWidget *control = namedControl(window, step.control);
        if (!control)
            continue;
        QFont font = control->font();
        if (!step.typeface.isEmpty())
            font.setFamily(appearance::installedTypeface(step.typeface));
        font.setPointSizeF(step.pointSize * scale);
        control->setFont(font);
        fitToCaption(control);
    }
}

appearance::FontStyle styleOf(const QFont &font)
{
    return {font.bold(), font.italic(), font.underline(), font.strikeOut()};
}

} // namespace

void TForm1::Showsplash()
{
    ComboBox4Change();
}

void TForm1::ComboBox4Change()
{
    applyLettering(*this, appearance::defaultFontSet(), m_designScale);
}

void TForm1::FormFontChange()
{
    // Entry -1 (no selection) reads as an empty name: sizes only.
    const QString chosen = ComboBox4->itemText(ComboBox4->currentIndex());
    applyLettering(*this, appearance::fontChange(chosen, m_entryFontSize), m_designScale);
}

void TForm1::btnFontClick()
{
    const bool show = ComboBox4->isHidden();
    ComboBox4->setVisible(show);
    ComboBox5->setVisible(show);
    ComboBox6->setVisible(show);
    announce(show ? QStringLiteral("Font lists shown") : QStringLiteral("Font lists hidden"));
}

void TForm1::FontSetStyle()
{
    const int choice = ComboBox5->currentIndex();
    for (const QString &name : appearance::styleGroup()) {
        QWidget *control = namedControl(*this, name);
        if (!control)
            continue;
        QFont font = control->font();
        const appearance::FontStyle style = appearance::withStyleChoice(styleOf(font), choice);
        font.setBold(style.bold);
        font.setItalic(style.italic);
        control->setFont(font);
        fitToCaption(control);
    }
    FormFontChange();
}

void TForm1::FontSetSize()
{
    if (const auto size = appearance::entryFontSizeForChoice(ComboBox6->currentIndex()))
        m_entryFontSize = *size;
    FormFontChange();
}

} // namespace app
