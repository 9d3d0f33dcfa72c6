// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FlatFontComboBox.h"

#include "fonts/FontFamilySource.h"
#include "fonts/FontPictures.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QPainter>

namespace fonts {

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int PictureIndent = 2;
constexpr int NameIndentWithPictures = 26;
constexpr int NameIndentWithoutPictures = 6;

} // namespace

FlatFontComboBox::FlatFontComboBox(QWidget *parent)
    : lists::FlatComboBox(parent), m_source(&installedFontFamilies),
      m_trueTypeMark(withTransparentCorner(trueTypeMarkImage())),
      m_printerMark(withTransparentCorner(printerMarkImage()))
{
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &FlatFontComboBox::rebuild);
    rebuild();
    setItemIndex(0);
}

void FlatFontComboBox::setDevice(FontDevice device)
{
    if (device == m_device)
        return;
    m_device = device;
    rebuild();
}

void FlatFontComboBox::setOptions(FontOptions options)
{
    if (options == m_options)
        return;
    m_options = options;
    rebuild();
}

void FlatFontComboBox::setShowFonts(bool show)
{
    m_showFonts = show;
    update();
    view()->viewport()->update();
}

void FlatFontComboBox::setShowPictures(bool show)
{
    m_showPictures = show;
    update();
    view()->viewport()->update();
}

void FlatFontComboBox::setFamilySource(FamilySource source)
{
    m_source = std::move(source);
    rebuild();
}

QString FlatFontComboBox::fontName() const
{
    return itemText(currentIndex()); // empty for -1
}

void FlatFontComboBox::setFontName(const QString &name)
{
    if (name == fontName())
        return;
    const int found = findText(name, Qt::MatchFixedString); // case-insensitive, whole name
    if (found < 0)
        return;
    setItemIndex(found);
    emit changed();
}

void FlatFontComboBox::setItemIndex(int index)
{
    if (index == currentIndex())
        return;
    setCurrentIndex(index);
    emit changed();
}

int FlatFontComboBox::entryTag(int index) const
{
    return itemData(index, TagRole).toInt();
}

void FlatFontComboBox::rebuild()
{
    const QString remembered = fontName();
    m_drawsItsName.clear(); // an installed font may have been replaced
    setUpdatesEnabled(false);
    clear();
    for (const FontListEntry &entry : buildFontList(m_source(m_device), m_options))
        addItem(entry.name, entry.tag);
    // Filling an empty combo box selects its first entry; a rebuilt list
    // starts without a selection until the remembered name is found again.
    setCurrentIndex(-1);
    setUpdatesEnabled(true);
    setFontName(remembered);
    emit changed();
}

void FlatFontComboBox::paintEntry(QPainter &painter, const QRect &row, int index,
                                  bool selected) const
{
    const QPalette &colours = palette();
    painter.fillRect(row, selected ? colours.color(QPalette::Highlight) : backgroundColor());
    const int tag = entryTag(index);
    if (m_showPictures) {
        const QPixmap *mark = (tag & FontTag::TrueType) ? &m_trueTypeMark
                              : (tag & FontTag::Device) ? &m_printerMark
                                                        : nullptr;
        if (mark) {
            painter.drawPixmap(row.left() + PictureIndent,
                               row.top() + (row.height() - mark->height()) / 2, *mark);
        }
    }
    QFont nameFont = font();
    const QString name = itemText(index);
    if (m_showFonts && (tag & FontTag::NotSymbol)) {
        auto known = m_drawsItsName.constFind(name);
        if (known == m_drawsItsName.cend())
            known = m_drawsItsName.insert(name, familyDrawsLetters(name, name));
        if (*known)
            nameFont.setFamilies({name});
    }
    painter.setFont(nameFont);
    painter.setPen(selected ? colours.color(QPalette::HighlightedText)
                            : colours.color(QPalette::Text));
    const int indent = m_showPictures ? NameIndentWithPictures : NameIndentWithoutPictures;
    painter.drawText(row.adjusted(indent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
}

} // namespace fonts
