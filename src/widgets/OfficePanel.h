// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeFramed.h"

#include <QFrame>

namespace widgets {

// Panel with a centred caption and a self-painted frame in one of the office
// frame styles; reports clicks. Its background is its palette's colour for its
// background role; its caption lies inside the two frame pixels.
//
// A pressable panel acts as a button for the keyboard and assistive
// technology: Tab reaches it, Space, Return and Enter press it, and it reports
// itself as a button named by its caption. Its look does not change, but for
// the dotted focus rectangle while it has the focus.
class OfficePanel : public OfficeFramed<QFrame> {
    Q_OBJECT
public:
    explicit OfficePanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    void setFlat(bool flat) { setFlatFlag(flat); } // keeps the styles

    bool isPressable() const { return m_pressable; }
    void setPressable(bool pressable);
    // Presses the panel as a click does.
    void click() { emit clicked(); }

    OfficeBorderStyle currentFrameStyle() const { return textControlFrameStyle(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
    bool m_pressable = false;
};

} // namespace widgets
