// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lists/TypeAhead.h"
#include "lists/WheelNotches.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <functional>
#include <optional>

namespace lists {

// Drop-down list with a one-pixel frame and a self-drawn drop-down button.
//
// `changed` is the change event: it is emitted for every selection the user
// makes, with the mouse in the list, with the arrow keys or the wheel on the
// closed control (once per step). Selections made by the program
// (setCurrentIndex, setItemIndex) raise none.
//
// The wheel moves the selection of a focused, closed list only, one entry per
// notch; over a list without the focus it does nothing and takes no focus, so
// turning the wheel while typing elsewhere changes no verb, tense or font.
//
// Typing finds an entry by its key (by default the entry from its first letter
// or digit): the closed list selects it as the user's choice, the open list
// moves its highlight there (see TypeAhead).
class FlatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FlatComboBox(QWidget *parent = nullptr);

    // With Activate on, the standard sunken border shows instead of the flat
    // frame while the pointer is over the closed control.
    bool activate() const { return m_activate; }
    void setActivate(bool activate);
    // Colour of the outer one-pixel ring; by default the system button shadow.
    QColor borderColor() const;
    void setBorderColor(const QColor &color);
    bool isFlat() const { return m_flat; }
    void setFlat(bool flat);
    // Off: the outer ring is drawn in the background colour.
    bool showBorder() const { return m_showBorder; }
    void setShowBorder(bool show);
    QString version() const { return QStringLiteral("1.29"); }
    void setVersion(const QString &) {} // the version cannot be written

    // Height of the rows of the list; never less than the font needs.
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    int rowHeight() const;

    int itemIndex() const { return currentIndex(); }
    virtual void setItemIndex(int index);

    // What typing finds an entry by.
    using TypeAheadKey = std::function<QString(const QString &entry)>;
    void setTypeAheadKey(TypeAheadKey key) { m_typeAheadKey = std::move(key); }

    bool isPointerInside() const { return m_pointerInside; }
    bool isDropped() const;
    QRect dropDownButtonRect() const;

    void showPopup() override;

    // Draws entry `index` (the closed control's field shows the current entry
    // this way too) into `row`, selected or not.
    virtual void paintEntry(QPainter &painter, const QRect &row, int index, bool selected) const;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The background colour of the field and the list.
    QColor backgroundColor() const;

private:
    void paintFrame(QPainter &painter);
    // Selects the next enabled entry up (-1) or down (+1) as the user's
    // choice; false when there is none.
    bool stepSelection(int direction);
    bool isEnabledRow(int row) const;
    void chooseAsTheUser(int row);
    // A search typed just now is still going on.
    bool isTypingAhead() const;
    // The row typing `typed` leads to from row `current`; -1: none.
    int typeAheadRow(const QString &typed, int current);

    bool m_activate = true;
    std::optional<QColor> m_borderColor;
    bool m_flat = true;
    bool m_showBorder = true;
    int m_itemHeight = 0;
    bool m_pointerInside = false;
    WheelNotches m_wheel;
    TypeAheadKey m_typeAheadKey = &withoutLeadingBlanks;
    TypeAhead m_typeAhead;
    QElapsedTimer m_sinceTypedKey;
};

} // namespace lists
