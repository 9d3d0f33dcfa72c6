// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DesignedControls.h"

#include "app/ControlTable.h"
#include "app/FrameStylesAndListFlags.h"
#include "app/WindowScale.h"
#include "appearance/Contrast.h"
#include "appearance/FontSubstitutes.h"
#include "dialog/MessageDialog.h"
#include "fonts/FlatFontComboBox.h"
#include "lists/FlatCheckBox.h"
#include "lists/FlatComboBox.h"
#include "widgets/FittingLabel.h"
#include "widgets/GroupPanel.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

#include <QLabel>

#include <limits>

namespace app {

namespace {

QFont designFont(const QString &family, int pixels)
{
    QFont font(appearance::installedTypeface(family));
    font.setPixelSize(pixels);
    return font;
}

QWidget *makeControl(const ControlSpec &design, QWidget *parent)
{
    using K = ControlKind;
    switch (design.kind) {
    case K::Label:
        return new QLabel(design.caption, parent);
    case K::FittingLabel:
        return new widgets::FittingLabel(design.caption, parent);
    case K::EntryBox: {
        auto *edit = new widgets::OfficeEdit(parent);
        edit->setText(design.caption);
        return edit;
    }
    case K::Button:
        return new widgets::OfficeButton(parent);
    case K::Panel: {
        auto *panel = new widgets::GroupPanel(parent);
        panel->setFrameStyle(design.raisedBevel ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
        return panel;
    }
    case K::CaptionBox: {
        auto *panel = new widgets::OfficePanel(parent);
        panel->setCaption(design.caption);
        return panel;
    }
    case K::TextBox:
        return new widgets::OfficeMemo(parent);
    case K::List:
        return new lists::FlatComboBox(parent);
    case K::FontList:
        return new fonts::FlatFontComboBox(parent);
    case K::CheckBox:
        return new lists::FlatCheckBox(parent);
    case K::MessageDialog:
        break;
    }
    return nullptr;
}

void applyPlace(QWidget *widget, const ControlSpec &design, double scale)
{
    widget->setObjectName(design.name);
    const QRect geometry = scaled(design.geometry, scale);
    if (geometry.size().isEmpty()) {
        widget->adjustSize();
        widget->move(geometry.topLeft());
    } else {
        widget->setGeometry(geometry);
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(design.caption);
    if (!design.toolTip.isEmpty())
        widget->setToolTip(design.toolTip);
    if (!design.fontFamily.isEmpty()) {
        widget->setFont(designFont(design.fontFamily, scaledPixels(design.fontPixels, scale)));
        if (geometry.size().isEmpty())
            widget->adjustSize();
    }
    if (design.background.isValid())
        widget->setAutoFillBackground(true);
    widget->setVisible(design.visible);
}

bool hasDesignedColours(const ControlSpec &design)
{
    return design.background.isValid() || design.textColour != TextColour::Own ||
           design.look == Look::FlatList;
}

// The colours the design gives a control, worked out against the palette it
// inherits now.
void applyColours(QWidget *widget, const ControlSpec &design, const QWidget &form)
{
    QPalette palette = widget->palette();
    if (design.background.isValid()) {
        palette.setColor(widget->backgroundRole(), design.background);
        // Text on a fixed colour must stay readable under a dark desktop palette too.
        palette = appearance::withReadableText(palette, widget->backgroundRole());
    }
    if (design.textColour == TextColour::ActiveCaption) {
        const QPalette &window = form.palette();
        palette.setColor(
            widget->foregroundRole(),
            appearance::readableOn(window.color(form.backgroundRole()),
                                   window.color(QPalette::Active, QPalette::Highlight)));
    }
    if (design.look == Look::FlatList) // a flat list lies on the button face
        palette.setColor(widget->backgroundRole(), palette.color(QPalette::Button));
    widget->setPalette(palette);
}

void applyListSettings(lists::FlatComboBox *list, const ControlSpec &design, double scale)
{
    if (design.rowsDropped > 0)
        list->setMaxVisibleItems(design.rowsDropped);
    if (design.itemHeight > 0)
        list->setItemHeight(scaledPixels(design.itemHeight, scale));
    if (!design.items.isEmpty()) {
        list->addItems(design.items);
        list->setCurrentIndex(-1);
    }
}

void applyTextSettings(QWidget *widget, const ControlSpec &design)
{
    if (auto *edit = qobject_cast<widgets::OfficeEdit *>(widget)) {
        if (design.readOnly)
            edit->setReadOnly(true);
        if (design.unlimitedLength)
            edit->setMaxLength(std::numeric_limits<int>::max());
    } else if (auto *memo = qobject_cast<widgets::OfficeMemo *>(widget)) {
        if (design.readOnly) {
            memo->setReadOnly(true);
            // Read from the keyboard too: the arrow keys move a caret through
            // every line, the page keys a page at a time.
            memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        if (design.verticalScrollBar)
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setPlainText(design.caption);
        memo->setTabStopInBlanks(design.tabStopInBlanks);
        memo->setAvoidsLoneLastWords(design.avoidsLoneLastWords);
    }
}

} // namespace

void applyFormDesign(QWidget *form, double scale)
{
    const FormSpec &window = formSpec();
    form->setObjectName(window.name);
    form->setWindowTitle(window.title);
    form->setFixedSize(scaled(QRect(QPoint(), window.clientSize), scale).size());
    form->setBackgroundRole(QPalette::Button);
    form->setAutoFillBackground(true);
    form->setFont(designFont(window.fontFamily, scaledPixels(window.fontPixels, scale)));
}

QStringList createDesignedControls(QWidget *form, double scale)
{
    QStringList unsuitedLooks;
    for (const ControlSpec &design : controlTable()) {
        if (design.kind == ControlKind::MessageDialog) {
            auto *message = new dialog::MessageDialog(form);
            message->setObjectName(design.name);
            message->setText(design.caption);
            continue;
        }
        QWidget *parent = design.parent.isEmpty() ? form : namedControl(*form, design.parent);
        QWidget *widget = makeControl(design, parent);
        applyPlace(widget, design, scale);
        if (auto *list = qobject_cast<lists::FlatComboBox *>(widget))
            applyListSettings(list, design, scale);
        applyTextSettings(widget, design);
        if (!setFrameStylesAndListFlags(widget, design.look))
            unsuitedLooks.append(design.name);
        if (hasDesignedColours(design))
            applyColours(widget, design, *form);
    }
    return unsuitedLooks;
}

void applyDesignedColours(QWidget *form)
{
    for (const ControlSpec &design : controlTable()) {
        if (!hasDesignedColours(design))
            continue;
        QWidget *widget = namedControl(*form, design.name);
        // Back to the inherited palette first: the text colours made readable
        // against the old one are set, not inherited.
        widget->setPalette(QPalette());
        applyColours(widget, design, *form);
    }
}

} // namespace app
