// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FrameStylesAndListFlags.h"

#include "fonts/FlatFontComboBox.h"
#include "lists/FlatComboBox.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

namespace app {

namespace {

using S = widgets::OfficeBorderStyle;

struct ButtonStyles {
    S normal, flat, focused, down;
};

ButtonStyles buttonStyles(Look look)
{
    switch (look) {
    case Look::SmallButton:
        return {S::Etched, S::Flat, S::None, S::Etched};
    case Look::RevealButton:
        return {S::Etched, S::None, S::None, S::None};
    case Look::CommandButton:
        return {S::Etched, S::None, S::OuterRaised, S::None};
    default: // CloseButton
        return {S::Up, S::None, S::OuterRaised, S::Sunken};
    }
}

void setLook(widgets::OfficeEdit *box, Look look)
{
    if (look == Look::SunkenBox) {
        box->setBorderStyle(S::Sunken);
        box->setBorderStyleFocused(S::Sunken);
        return;
    }
    // The design lists the styles before Flat, so setting Flat keeps them.
    box->setBorderStyle(S::Solid);
    box->setBorderStyleFlat(S::Solid);
    box->setBorderStyleFocused(S::Solid);
    box->setFlat(true, widgets::OfficeEdit::FlatStyles::Keep);
}

void setLook(widgets::OfficeButton *button, Look look)
{
    const ButtonStyles styles = buttonStyles(look);
    button->setBorderStyle(styles.normal);
    button->setBorderStyleFlat(styles.flat);
    button->setBorderStyleFocused(styles.focused);
    button->setBorderStyleDown(styles.down);
}

template <typename Etched> void setEtched(Etched *control)
{
    control->setBorderStyle(S::Etched);
    control->setBorderStyleFocused(S::Etched);
}

void setFlatList(lists::FlatComboBox *list)
{
    list->setActivate(false);
    list->setFlat(true);
    list->setShowBorder(true);
    list->setEditable(false);
}

void setEveryFont(fonts::FlatFontComboBox *chooser)
{
    chooser->setOptions(fonts::allFontOptions() & ~fonts::FontOptions(fonts::foScalable));
}

} // namespace

const QMetaObject &lookClass(Look look)
{
    switch (look) {
    case Look::SolidBox:
    case Look::SunkenBox:
        return widgets::OfficeEdit::staticMetaObject;
    case Look::SmallButton:
    case Look::RevealButton:
    case Look::CommandButton:
    case Look::CloseButton:
        return widgets::OfficeButton::staticMetaObject;
    case Look::EtchedPanel:
        return widgets::OfficePanel::staticMetaObject;
    case Look::EtchedText:
        return widgets::OfficeMemo::staticMetaObject;
    case Look::FlatList:
        return lists::FlatComboBox::staticMetaObject;
    case Look::EveryFont:
        return fonts::FlatFontComboBox::staticMetaObject;
    case Look::Own:
        break;
    }
    return QWidget::staticMetaObject;
}

bool setFrameStylesAndListFlags(QWidget *control, Look look)
{
    if (!lookClass(look).cast(control))
        return false;
    switch (look) {
    case Look::SolidBox:
    case Look::SunkenBox:
        setLook(static_cast<widgets::OfficeEdit *>(control), look);
        break;
    case Look::SmallButton:
    case Look::RevealButton:
    case Look::CommandButton:
    case Look::CloseButton:
        setLook(static_cast<widgets::OfficeButton *>(control), look);
        break;
    case Look::EtchedPanel:
        setEtched(static_cast<widgets::OfficePanel *>(control));
        break;
    case Look::EtchedText:
        setEtched(static_cast<widgets::OfficeMemo *>(control));
        break;
    case Look::FlatList:
        setFlatList(static_cast<lists::FlatComboBox *>(control));
        break;
    case Look::EveryFont:
        setEveryFont(static_cast<fonts::FlatFontComboBox *>(control));
        break;
    case Look::Own:
        break;
    }
    return true;
}

} // namespace app
