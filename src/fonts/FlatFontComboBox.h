// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts/FontList.h"
#include "lists/FlatComboBox.h"

#include <QHash>
#include <QPixmap>

#include <functional>

namespace fonts {

// Lists the installed font families, each drawn in its own typeface after a
// mark for TrueType or printer fonts. Symbol fonts, and fonts that would draw
// their name as pictures, show their name in the control's font.
//
// The list is rebuilt when the control is created, when Device or Options
// change, and whenever the set of installed fonts changes while the program
// runs; a rebuild keeps the selected family if it is still there and always
// ends with `changed`. Creating the control selects the first entry.
// Unlike the plain combo box, setting ItemIndex or FontName from the program
// raises `changed` (see setItemIndex, setFontName).
class FlatFontComboBox : public lists::FlatComboBox {
    Q_OBJECT
public:
    // Where the families come from; by default the font database.
    using FamilySource = std::function<QList<FontFamilyInfo>(FontDevice)>;

    explicit FlatFontComboBox(QWidget *parent = nullptr);

    FontDevice device() const { return m_device; }
    void setDevice(FontDevice device);
    FontOptions options() const { return m_options; }
    void setOptions(FontOptions options);
    bool showFonts() const { return m_showFonts; }
    void setShowFonts(bool show);
    bool showPictures() const { return m_showPictures; }
    void setShowPictures(bool show);

    // The selected family, empty without a selection. Setting a name other
    // than the current one selects the first entry equal to it ignoring case
    // (raising `changed` as setItemIndex does) and then raises `changed`;
    // an unknown name changes nothing.
    QString fontName() const;
    void setFontName(const QString &name);

    // Selects `index`; when that moves the selection, raises `changed`.
    void setItemIndex(int index) override;

    // The entry's tag: FontTag type bits plus FontTag::NotSymbol.
    int entryTag(int index) const;

    void setFamilySource(FamilySource source); // rebuilds
    void rebuild();

    void paintEntry(QPainter &painter, const QRect &row, int index, bool selected) const override;

private:
    FamilySource m_source;
    FontDevice m_device = fdScreen;
    FontOptions m_options = allFontOptions();
    bool m_showFonts = true;
    bool m_showPictures = true;
    QPixmap m_trueTypeMark;
    QPixmap m_printerMark;
    // Whether a family draws its own name in letters, by family; asked when an
    // entry is first drawn and forgotten at every rebuild.
    mutable QHash<QString, bool> m_drawsItsName;
};

} // namespace fonts
