// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QShortcut;
class QWidget;

namespace widgets {

// A panel of the window that holds the keyboard while it is open, as a dialog
// would, though it lies inside the window. Opening it moves the focus into it;
// Tab and Shift+Tab cycle among its own controls; the controls it covers, even
// in part, take no key and no click: their keys do nothing, a click on an edge
// showing beside it reaches none of them, and the focus is never left on one.
// Closing it gives the focus back to the control that had it, as a popup
// closing does: an entry box keeps its caret and selection, and the focus
// coming back is not an entry into it.
class ModalPanel : public QObject {
    Q_OBJECT
public:
    // `panel` lies in the window, hidden until opened; `firstFocus` is the
    // control inside it that takes the focus when it opens.
    ModalPanel(QWidget *panel, QWidget *firstFocus);

    bool isOpen() const { return m_open; }
    // Shows the panel at `place` in its parent, on top, and moves the focus
    // into it. Closing gives the focus back to `focusBack`, or, if none, to
    // the control that had it. Opening it while open keeps the control to
    // give the focus back to.
    void open(QPoint place, QWidget *focusBack = nullptr);
    // Gives the focus back and hides the panel; it keeps its place.
    void close();
    // The window's Tab (`next`) or Shift+Tab while the panel is open: the
    // focus goes to the panel's next or previous control. False, moving
    // nothing, while it is closed.
    bool moveFocus(bool next);

private:
    bool covers(const QWidget *control) const;
    bool takesTabFocus(const QWidget *control) const;
    void holdCoveredControls();
    void releaseCoveredControls();

    QWidget *m_panel;
    QWidget *m_firstFocus;
    bool m_open = false;
    QPointer<QWidget> m_focusBefore;
    // What opening took from the covered controls, given back on closing.
    QList<QPointer<QShortcut>> m_heldKeys;
    QList<QPointer<QWidget>> m_heldFromClicks;
};

} // namespace widgets
