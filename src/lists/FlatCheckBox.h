// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

namespace lists {

// Check box with the platform's flat look: the box is a flat square (or, with
// ButtonStyle, the whole control is a button that stays down while checked).
// A click anywhere on the control toggles it; so do Space, Return and keypad
// Enter while it has the focus.
class FlatCheckBox : public QCheckBox {
    Q_OBJECT
public:
    enum Alignment { taLeftJustify, taRightJustify, taCenter };

    explicit FlatCheckBox(QWidget *parent = nullptr);

    bool isFlat() const { return m_flat; }
    void setFlat(bool flat);
    bool buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(bool buttonStyle);
    // Alignment of the caption in the room beside the box.
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);
    // taRightJustify puts the box to the right of the caption; taCenter is ignored.
    Alignment buttonAlignment() const { return m_buttonAlignment; }
    void setButtonAlignment(Alignment alignment);
    QString version() const { return QStringLiteral("1.29"); }
    void setVersion(const QString &) {} // the version cannot be written

    // Where the box and the caption are drawn.
    QRect boxRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintCheckBox(QPainter &painter);
    void paintPushLike(QPainter &painter);
    void paintCaption(QPainter &painter, const QRect &area, Qt::Alignment alignment);

    bool m_flat = true;
    bool m_buttonStyle = false;
    Alignment m_alignment = taLeftJustify;
    Alignment m_buttonAlignment = taLeftJustify;
};

} // namespace lists
